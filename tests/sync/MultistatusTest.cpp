#include "sync/Multistatus.h"

#include <gtest/gtest.h>

namespace {

const QUrl Collection(QStringLiteral("http://127.0.0.1:5232/ann/cal/"));

QByteArray multistatus(const QByteArray &responses)
{
    return R"(<?xml version="1.0" encoding="utf-8"?>
<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">)"
           + responses + "</d:multistatus>";
}

QByteArray member(const QByteArray &href, const QByteArray &etag = "\"1\"")
{
    return "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop><d:getetag>" + etag
           + "</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
}

QByteArray gone(const QByteArray &href)
{
    return "<d:response><d:href>" + href + "</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>";
}

} // namespace

TEST(Multistatus, RefusesHostileAndMalformedAnswers)
{
    const QByteArray laughs = R"(<?xml version="1.0"?>
<!DOCTYPE d:multistatus [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]>
<d:multistatus xmlns:d="DAV:"><d:response><d:href>&d;</d:href></d:response></d:multistatus>)";
    const QByteArray external = R"(<?xml version="1.0"?>
<!DOCTYPE m [<!ENTITY x SYSTEM "file:///etc/passwd">]>
<d:multistatus xmlns:d="DAV:"><d:sync-token>&x;</d:sync-token></d:multistatus>)";
    // clang-format off
    const std::pair<const char *, QByteArray> rows[] = {
        {"entity expansion", laughs},
        {"external entity", external},
        {"undeclared entity", multistatus("<d:sync-token>&x;</d:sync-token>")},
        {"unclosed element", multistatus("<d:response><d:href>/ann/cal/a.ics</d:href>")},
        {"text after the root", multistatus("") + "<d:response/>"},
        {"another root", R"(<d:error xmlns:d="DAV:"><d:valid-sync-token/></d:error>)"},
        {"the right name in no namespace", "<multistatus/>"},
        {"empty", ""},
    };
    // clang-format on
    for (const auto &[name, xml] : rows)
        EXPECT_EQ(parseMultistatus(xml).error, SyncError::InvalidAnswer) << name;
}

TEST(Multistatus, MembersOfTheCollection)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, SyncError, size_t> rows[] = {
        {"the collection and a folder left out",
         member("/ann/cal/") + "<d:response><d:href>/ann/cal/sub/</d:href><d:propstat><d:prop><d:resourcetype>"
                               "<d:collection/></d:resourcetype></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
                               "</d:propstat></d:response>" + member("/ann/cal/a.ics"),
         SyncError::None, 1},
        {"one gone", member("/ann/cal/a.ics") + gone("/ann/cal/b.ics"), SyncError::None, 2},
        {"the last success status",
         "<d:response><d:href>/ann/cal/a.ics</d:href><d:propstat><d:prop><d:getetag>\"1\"</d:getetag></d:prop>"
         "<d:status>HTTP/1.1 299 Fine</d:status></d:propstat></d:response>",
         SyncError::None, 1},
        {"a member named twice", member("/ann/cal/a.ics") + member("a.ics"), SyncError::InvalidAnswer, 0},
        {"a member without its ETag", member("/ann/cal/a.ics", ""), SyncError::InvalidAnswer, 0},
        {"a member whose properties failed",
         "<d:response><d:href>/ann/cal/a.ics</d:href><d:propstat><d:prop><d:getetag/></d:prop>"
         "<d:status>HTTP/1.1 403 Forbidden</d:status></d:propstat></d:response>",
         SyncError::InvalidAnswer, 0},
    };
    // clang-format on
    for (const auto &[name, responses, error, count] : rows) {
        const DavResult<Multistatus> read = parseMultistatus(multistatus(responses));
        ASSERT_TRUE(read.ok()) << name;
        const DavResult<std::vector<DavMember>> members = membersOf(read.value, Collection);
        EXPECT_EQ(members.error, error) << name;
        EXPECT_EQ(members.value.size(), count) << name;
    }
}

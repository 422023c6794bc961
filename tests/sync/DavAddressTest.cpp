#include "sync/DavAddress.h"

#include <gtest/gtest.h>

TEST(DavAddress, AllowsHttpsAnywhereAndPlainHttpOnlyOnThisMachine)
{
    // clang-format off
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"https", "https://dav.example.org/cal/", true},
        {"http to 127.0.0.1", "http://127.0.0.1:5232/", true},
        {"http to the top of 127/8", "http://127.255.255.254/", true},
        {"http to ::1", "http://[::1]:5232/", true},
        {"http to localhost", "http://LocalHost/", true},
        {"http to a host", "http://dav.example.org/", false},
        {"http to the next address after 127/8", "http://128.0.0.0/", false},
        {"http to a look-alike of localhost", "http://localhost.example.org/", false},
        {"a user name in the address", "https://ann@dav.example.org/", false},
        {"another scheme", "ftp://dav.example.org/", false},
        {"no host", "https:///cal/", false},
    };
    // clang-format on
    for (const auto &[name, url, allowed] : rows)
        EXPECT_EQ(isAllowedServer(QUrl(QString::fromLatin1(url))), allowed) << name;
}

TEST(DavAddress, SameOriginNeedsSchemeHostAndPort)
{
    const QUrl server(QStringLiteral("https://dav.example.org/cal/"));
    // clang-format off
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"another path", "https://dav.example.org/other/", true},
        {"host in capitals", "https://DAV.example.org/", true},
        {"the default port written out", "https://dav.example.org:443/", true},
        {"another port", "https://dav.example.org:8443/", false},
        {"another host", "https://evil.example.org/cal/", false},
        {"plain http", "http://dav.example.org/cal/", false},
    };
    // clang-format on
    for (const auto &[name, url, same] : rows)
        EXPECT_EQ(isSameOrigin(server, QUrl(QString::fromLatin1(url))), same) << name;
}

TEST(DavAddress, MembersLieDirectlyInsideTheCollection)
{
    const QUrl collection = asCollection(QUrl(QStringLiteral("https://dav.example.org/ann/cal")));
    // clang-format off
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"a path", "/ann/cal/a.ics", "https://dav.example.org/ann/cal/a.ics"},
        {"a relative name", "b.ics", "https://dav.example.org/ann/cal/b.ics"},
        {"a whole address", "https://dav.example.org/ann/cal/c.ics", "https://dav.example.org/ann/cal/c.ics"},
        {"an encoded name", "/ann/cal/a%20b.ics", "https://dav.example.org/ann/cal/a%20b.ics"},
        {"the collection itself", "/ann/cal/", ""},
        {"a sibling that starts alike", "/ann/calendar/a.ics", ""},
        {"dots out of it", "/ann/cal/../other/a.ics", ""},
        {"an encoded slash", "/ann/cal/..%2Fother.ics", ""},
        {"encoded dots", "/ann/cal/%2E%2E", ""},
        {"another host", "https://evil.example.org/ann/cal/a.ics", ""},
        {"a query", "/ann/cal/a.ics?x=1", ""},
        {"empty", "", ""},
    };
    // clang-format on
    for (const auto &[name, href, expected] : rows) {
        const std::optional<QUrl> url = memberUrl(collection, QString::fromLatin1(href));
        EXPECT_EQ(url ? url->toString(QUrl::FullyEncoded) : QString(), QString::fromLatin1(expected)) << name;
    }
}

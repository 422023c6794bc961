#include "Await.h"
#include "RadicaleServer.h"
#include "sync/CalDavClient.h"
#include "sync/DavAddress.h"
#include "sync/DavTransport.h"
#include "sync/ServerEvent.h"

#include <gtest/gtest.h>

void PrintTo(const DavMember &member, std::ostream *out)
{
    *out << member.url.toString().toStdString() << " " << member.etag.constData() << (member.removed ? " removed" : "");
}

namespace {

const DavCredentials Ann{QStringLiteral("ann"), QStringLiteral("secret")};

QByteArray eventText(const char *uid, const char *title)
{
    CalendarFields fields;
    fields.title = QString::fromLatin1(title);
    fields.date = {2027, 3, 15};
    return newServerEvent(QString::fromLatin1(uid), fields, QDateTime(QDate(2026, 12, 6), QTime(9, 0), Qt::UTC));
}

class RadicaleClient : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server_.problem(), QString());
        const DavResult<QUrl> found = await<QUrl>([&](auto done) { client_.discover(server_.url(), done); });
        ASSERT_TRUE(found.ok());
        collection_ = found.value;
    }

    QByteArray put(const QUrl &member, const QByteArray &ics, const QByteArray &etag, SyncError expected)
    {
        const DavResult<QByteArray> written =
            await<QByteArray>([&](auto done) { client_.put(member, ics, etag, done); });
        EXPECT_EQ(written.error, expected);
        return written.value;
    }
    SyncError remove(const QUrl &member, const QByteArray &etag)
    {
        return await<Done>([&](auto done) { client_.remove(member, etag, done); }).error;
    }
    DavResult<CollectionChanges> changesSince(const QString &token)
    {
        return await<CollectionChanges>([&](auto done) { client_.changesSince(collection_, token, done); });
    }
    DavResult<std::vector<DavMember>> list()
    {
        return await<std::vector<DavMember>>([&](auto done) { client_.list(collection_, done); });
    }

    RadicaleServer server_;
    DavTransport transport_{Ann};
    CalDavClient client_{transport_};
    QUrl collection_;
};

} // namespace

TEST_F(RadicaleClient, DiscoveryMakesTheCalendarOnceAndFindsItAgain)
{
    EXPECT_EQ(collection_, server_.url(QStringLiteral("/ann/tarrowby/")));
    for (const QUrl &address : {server_.url(), collection_, server_.url(QStringLiteral("/ann/"))})
        EXPECT_EQ(await<QUrl>([&](auto done) { client_.discover(address, done); }).value, collection_)
            << address.toString().toStdString();
    EXPECT_TRUE(list().value.empty());
}

TEST_F(RadicaleClient, WritesOnlyOverTheKnownETag)
{
    const QUrl member = newMemberUrl(collection_, QStringLiteral("u-1@example.org"));
    const QByteArray first = put(member, eventText("u-1@example.org", "Party"), {}, SyncError::None);
    ASSERT_FALSE(first.isEmpty());
    put(member, eventText("u-1@example.org", "Again"), {}, SyncError::PreconditionFailed);
    put(member, eventText("u-1@example.org", "Stale"), "\"stale\"", SyncError::PreconditionFailed);
    const QByteArray second = put(member, eventText("u-1@example.org", "Party at Bob's"), first, SyncError::None);
    EXPECT_NE(second, first);
    EXPECT_EQ(remove(member, first), SyncError::PreconditionFailed);
    EXPECT_EQ(remove(member, second), SyncError::None);
    EXPECT_TRUE(list().value.empty());
}

TEST_F(RadicaleClient, ListsAndFetchesWithTheSameETags)
{
    const QUrl a = newMemberUrl(collection_, QStringLiteral("a"));
    const QUrl b = newMemberUrl(collection_, QStringLiteral("b/slash"));
    const QByteArray etagA = put(a, eventText("a", "Party"), {}, SyncError::None);
    const QByteArray etagB = put(b, eventText("b/slash", "Picnic"), {}, SyncError::None);
    std::vector<DavMember> listed = list().value;
    ASSERT_EQ(listed.size(), 2u);
    if (listed[0].url != a)
        std::swap(listed[0], listed[1]);
    EXPECT_EQ(listed, (std::vector<DavMember>{{a, etagA, {}, false}, {b, etagB, {}, false}}));
    const auto fetched = await<std::vector<DavMember>>([&](auto done) { client_.fetch(collection_, {a, b}, done); });
    ASSERT_TRUE(fetched.ok());
    ASSERT_EQ(fetched.value.size(), 2u);
    for (const DavMember &member : fetched.value) {
        const ServerEvent event = readServerEvent(member.calendarData, QDate(2026, 12, 6));
        EXPECT_EQ(member.url == a ? QStringLiteral("a") : QStringLiteral("b/slash"), event.uid);
        EXPECT_EQ(member.etag, member.url == a ? etagA : etagB);
    }
}

TEST_F(RadicaleClient, SyncReportGivesWhatChangedSinceItsToken)
{
    const DavResult<CollectionChanges> start = changesSince({});
    ASSERT_TRUE(start.ok());
    EXPECT_TRUE(start.value.members.empty());
    const QUrl member = newMemberUrl(collection_, QStringLiteral("u-1"));
    const QByteArray etag = put(member, eventText("u-1", "Party"), {}, SyncError::None);
    const DavResult<CollectionChanges> added = changesSince(start.value.token);
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.value.members, (std::vector<DavMember>{{member, etag, {}, false}}));
    EXPECT_EQ(changesSince(added.value.token).value.members.size(), 0u);
    ASSERT_EQ(remove(member, etag), SyncError::None);
    const DavResult<CollectionChanges> removed = changesSince(added.value.token);
    ASSERT_EQ(removed.value.members.size(), 1u);
    EXPECT_TRUE(removed.value.members[0].removed);
    EXPECT_EQ(changesSince(QStringLiteral("http://radicale.org/ns/sync/bogus")).error, SyncError::BadSyncToken);
}

TEST_F(RadicaleClient, AWrongPasswordSignsNothingIn)
{
    DavTransport transport({QStringLiteral("ann"), QStringLiteral("wrong")});
    CalDavClient client(transport);
    EXPECT_EQ(await<QUrl>([&](auto done) { client.discover(server_.url(), done); }).error, SyncError::SignInFailed);
}

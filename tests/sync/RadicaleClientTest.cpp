#include "Await.h"
#include "RadicaleServer.h"
#include "sync/CalDavClient.h"
#include "sync/DavAddress.h"
#include "sync/DavTransport.h"
#include "sync/ServerEvent.h"

#include <gtest/gtest.h>

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

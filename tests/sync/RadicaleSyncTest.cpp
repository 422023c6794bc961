#include "Await.h"
#include "PassRunner.h"
#include "RadicaleServer.h"
#include "sync/DavAddress.h"
#include "sync/ServerEvent.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const EventDate Ides{2027, 3, 15};

const char *const OnTheIdes = "DTSTART;VALUE=DATE:20270315";

// A phone's event: with a place and an alarm of its own, which the calendar
// does not hold and must not lose.
QByteArray phoneEvent(const QByteArray &uid, const char *title, const char *start = OnTheIdes)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid
           + "\r\nDTSTAMP:20261201T000000Z\r\nSUMMARY:" + title + "\r\n" + start + "\r\nLOCATION:Town hall\r\n"
           + "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"
             "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

const QStringList Three{QStringLiteral("Choir"), QStringLiteral("Dentist"), QStringLiteral("Party")};

struct ServerCopy {
    QUrl url;
    QByteArray etag;
    QByteArray text;
};

class RadicaleSync : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server_.problem(), QString());
        const DavResult<QUrl> found = await<QUrl>([&](auto done) { client_.discover(server_.url(), done); });
        ASSERT_TRUE(found.ok());
        state_.collection = found.value;
    }

    SyncOutcome pass(FakeCalendar &calendar, bool answer = true)
    {
        return runner_.pass(transport_, calendar, state_, answer);
    }
    // What a phone does: a new event, a change over the ETag it read, a
    // deletion.
    void phonePut(const char *uid, const char *title, const char *start = OnTheIdes)
    {
        const QUrl member = newMemberUrl(state_.collection, QString::fromLatin1(uid));
        const QByteArray text = phoneEvent(uid, title, start);
        ASSERT_TRUE(await<QByteArray>([&](auto done) { client_.put(member, text, {}, done); }).ok());
    }
    void phoneMoves(const char *title, const char *start)
    {
        const ServerCopy copy = server().at(QString::fromLatin1(title));
        const QString uid = readServerEvent(copy.text, runner_.clock.today()).uid;
        const QByteArray text = phoneEvent(uid.toUtf8(), title, start);
        ASSERT_TRUE(await<QByteArray>([&](auto done) { client_.put(copy.url, text, copy.etag, done); }).ok());
    }
    void phoneDelete(const QString &title)
    {
        const ServerCopy copy = server().at(title);
        ASSERT_EQ(await<Done>([&](auto done) { client_.remove(copy.url, copy.etag, done); }).error, SyncError::None);
    }
    // The client's own requests, each giving the error it is expected to.
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
        return await<std::vector<DavMember>>([&](auto done) { client_.list(state_.collection, done); });
    }
    // The collection by title.
    std::map<QString, ServerCopy> server()
    {
        std::vector<QUrl> urls;
        for (const DavMember &member : list().value)
            urls.push_back(member.url);
        std::map<QString, ServerCopy> byTitle;
        if (urls.empty())
            return byTitle;
        for (const DavMember &member :
             await<std::vector<DavMember>>([&](auto done) { client_.fetch(state_.collection, urls, done); }).value)
            byTitle[readServerEvent(member.calendarData, runner_.clock.today()).fields.title] = {
                member.url, member.etag, member.calendarData};
        return byTitle;
    }
    QStringList serverTitles()
    {
        QStringList titles;
        for (const auto &[title, copy] : server())
            titles.append(title);
        return titles;
    }
    // Three events synced on both sides.
    void syncThree(FakeCalendar &calendar)
    {
        for (const char *title : {"Choir", "Dentist", "Party"})
            calendar.add(eventFields(title, Ides));
        ASSERT_EQ(pass(calendar).error, SyncError::None);
    }
    void moveHere(FakeCalendar &calendar, const char *title, EventDate date)
    {
        const QString key = calendar.keyOf(QString::fromLatin1(title));
        CalendarFields fields = calendar.fields(key);
        fields.date = date;
        calendar.replace(key, fields);
    }

    RadicaleServer server_;
    DavTransport transport_{Ann};
    CalDavClient client_{transport_};
    PassRunner runner_;
    SyncState state_;
};

} // namespace

TEST_F(RadicaleSync, DiscoveryMakesTheCalendarOnceAndFindsItAgain)
{
    EXPECT_EQ(state_.collection, server_.url(QStringLiteral("/ann/tarrowby/")));
    for (const QUrl &address : {server_.url(), state_.collection, server_.url(QStringLiteral("/ann/"))})
        EXPECT_EQ(await<QUrl>([&](auto done) { client_.discover(address, done); }).value, state_.collection)
            << address.toString().toStdString();
    EXPECT_TRUE(list().value.empty());
}

TEST_F(RadicaleSync, WritesOnlyOverTheKnownETag)
{
    const QUrl member = newMemberUrl(state_.collection, QStringLiteral("u-1@example.org"));
    const QByteArray first = put(member, phoneEvent("u-1@example.org", "Party"), {}, SyncError::None);
    ASSERT_FALSE(first.isEmpty());
    put(member, phoneEvent("u-1@example.org", "Again"), {}, SyncError::PreconditionFailed);
    put(member, phoneEvent("u-1@example.org", "Stale"), "\"stale\"", SyncError::PreconditionFailed);
    const QByteArray second = put(member, phoneEvent("u-1@example.org", "Party at Bob's"), first, SyncError::None);
    EXPECT_NE(second, first);
    EXPECT_EQ(remove(member, first), SyncError::PreconditionFailed);
    EXPECT_EQ(remove(member, second), SyncError::None);
    EXPECT_TRUE(list().value.empty());
}

TEST_F(RadicaleSync, FirstSyncBothWaysMakesNoDuplicates)
{
    FakeCalendar calendar;
    calendar.add(eventFields("Party", Ides));
    calendar.add(eventFields("Choir", {2027, 4, 1}));
    phonePut("p-1", "Party");
    phonePut("p-2", "Dentist", "DTSTART:20270502T083000");
    EXPECT_EQ(pass(calendar).error, SyncError::None);
    EXPECT_EQ(calendar.titles(), Three);
    EXPECT_EQ(serverTitles(), Three);
    EXPECT_TRUE(pass(calendar).changes.empty());
}

TEST_F(RadicaleSync, AnEditHereKeepsThePhonesProperties)
{
    FakeCalendar calendar;
    phonePut("p-1", "Party");
    pass(calendar);
    moveHere(calendar, "Party", {2027, 3, 16});
    EXPECT_EQ(pass(calendar).changes, (std::vector<SyncChange>{{SyncStep::Upload, QStringLiteral("Party")}}));
    const QByteArray edited = server().at(QStringLiteral("Party")).text;
    for (const char *kept : {"LOCATION:Town hall", "TRIGGER:-PT15M", "UID:p-1", "DTSTART;VALUE=DATE:20270316"})
        EXPECT_TRUE(edited.contains(kept)) << kept;
}

TEST_F(RadicaleSync, AnEditThereComesHere)
{
    FakeCalendar calendar;
    syncThree(calendar);
    phoneMoves("Party", "DTSTART:20270320T190000");
    EXPECT_EQ(pass(calendar).changes, (std::vector<SyncChange>{{SyncStep::TakeServer, QStringLiteral("Party")}}));
    const CalendarFields party = calendar.fields(calendar.keyOf(QStringLiteral("Party")));
    EXPECT_EQ(party.date, (EventDate{2027, 3, 20}));
    EXPECT_EQ(party.time, QTime(19, 0));
}

TEST_F(RadicaleSync, EditsOnBothSidesKeepBoth)
{
    FakeCalendar calendar;
    syncThree(calendar);
    moveHere(calendar, "Party", {2027, 3, 16});
    phoneMoves("Party", "DTSTART;VALUE=DATE:20270317");
    EXPECT_EQ(pass(calendar).error, SyncError::None);
    const QStringList four = Three + QStringList{QStringLiteral("Party (conflict copy)")};
    EXPECT_EQ(calendar.titles(), four);
    EXPECT_EQ(serverTitles(), four);
    EXPECT_EQ(calendar.fields(calendar.keyOf(QStringLiteral("Party"))).date, (EventDate{2027, 3, 17}));
    EXPECT_EQ(calendar.fields(calendar.keyOf(QStringLiteral("Party (conflict copy)"))).date, (EventDate{2027, 3, 16}));
}

TEST_F(RadicaleSync, DeletionsReachTheOtherSide)
{
    FakeCalendar calendar;
    syncThree(calendar);
    calendar.remove(calendar.keyOf(QStringLiteral("Choir")));
    phoneDelete(QStringLiteral("Dentist"));
    EXPECT_EQ(pass(calendar).error, SyncError::None);
    EXPECT_EQ(calendar.titles(), QStringList{QStringLiteral("Party")});
    EXPECT_EQ(serverTitles(), QStringList{QStringLiteral("Party")});
}

TEST_F(RadicaleSync, AStaleETagDecidesAgain)
{
    FakeCalendar calendar;
    syncThree(calendar);
    moveHere(calendar, "Party", {2027, 3, 16});
    // The phone writes between the listing and the upload.
    calendar.atNextRead = [this] { phoneMoves("Party", "DTSTART;VALUE=DATE:20270317"); };
    EXPECT_EQ(pass(calendar).error, SyncError::None);
    EXPECT_EQ(calendar.fields(calendar.keyOf(QStringLiteral("Party"))).date, (EventDate{2027, 3, 17}));
    EXPECT_TRUE(serverTitles().contains(QStringLiteral("Party (conflict copy)")));
}

TEST_F(RadicaleSync, ABogusSyncTokenFallsBackToAFullListing)
{
    FakeCalendar calendar;
    syncThree(calendar);
    state_.token = QStringLiteral("http://radicale.org/ns/sync/bogus");
    phonePut("p-1", "Picnic");
    EXPECT_EQ(pass(calendar).error, SyncError::None);
    EXPECT_TRUE(calendar.titles().contains(QStringLiteral("Picnic")));
    EXPECT_TRUE(state_.token.startsWith(QStringLiteral("http://radicale.org/ns/sync/")));
    EXPECT_NE(state_.token, QStringLiteral("http://radicale.org/ns/sync/bogus"));
}

TEST_F(RadicaleSync, DeletionsDeclinedChangeNothing)
{
    FakeCalendar calendar;
    syncThree(calendar);
    calendar.remove(calendar.keyOf(QStringLiteral("Choir")));
    calendar.remove(calendar.keyOf(QStringLiteral("Dentist")));
    const SyncState before = state_;
    const SyncOutcome declined = pass(calendar, false);
    EXPECT_TRUE(declined.declined);
    EXPECT_EQ(state_, before);
    EXPECT_EQ(serverTitles(), Three);
}

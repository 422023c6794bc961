#include "FakeDavServer.h"
#include "PassRunner.h"
#include "sync/ServerEvent.h"

#include <gtest/gtest.h>

// Whatever keeps the server from answering (how the client names it is its
// own rule), the calendar and the state stay as they were, for the next pass
// to try again: after the changes since a token, or the full listing.
TEST(SyncPass, AFailedServerLeavesCalendarAndStateAsTheyWere)
{
    // clang-format off
    const std::pair<const char *, const char *> rows[] = {
        {"asked for the changes since a token", "t1"},
        {"asked for everything", ""},
    };
    // clang-format on
    for (const auto &[name, token] : rows) {
        FakeDavServer server;
        server.answer([](const FakeRequest &) { return httpAnswer(503); });
        FakeCalendar calendar;
        calendar.add(eventFields("Party", {2027, 3, 15}));
        const SyncState before{server.url("/ann/cal/"),
                               QString::fromLatin1(token),
                               {{QStringLiteral("u-1"), QStringLiteral("/ann/cal/1.ics"), "\"e1\"",
                                 calendar.keyOf(QStringLiteral("Party")), "a", "a", "BEGIN:VCALENDAR"}}};
        SyncState state = before;
        DavTransport transport(Ann);
        PassRunner runner;
        EXPECT_EQ(runner.pass(transport, calendar, state).error, SyncError::ServerError) << name;
        EXPECT_EQ(state, before) << name;
        EXPECT_EQ(calendar.titles(), QStringList{QStringLiteral("Party")}) << name;
    }
}

// A deletion the server refused is still to do: its entry stays, so the
// event does not come back at the next pass.
TEST(SyncPass, ADeletionTheServerRefusedIsKept)
{
    FakeDavServer server;
    server.answer([](const FakeRequest &request) {
        if (request.method == "DELETE")
            return httpAnswer(503);
        return httpAnswer(207, "<multistatus xmlns=\"DAV:\"><response><href>/ann/cal/1.ics</href><propstat><prop>"
                               "<getetag>\"e1\"</getetag></prop><status>HTTP/1.1 200 OK</status></propstat>"
                               "</response><sync-token>t2</sync-token></multistatus>");
    });
    FakeCalendar calendar;
    const CalendarFields party = eventFields("Party", {2027, 3, 15});
    const QByteArray copy = newServerEvent(QStringLiteral("u-1"), party, QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
    const SyncState before{server.url("/ann/cal/"),
                           QStringLiteral("t1"),
                           {{QStringLiteral("u-1"), server.url("/ann/cal/1.ics").toString(), "\"e1\"",
                             QStringLiteral("k9"), contentHash(party), contentHash(party), copy}}};
    SyncState state = before;
    DavTransport transport(Ann);
    PassRunner runner;
    EXPECT_EQ(runner.pass(transport, calendar, state).error, SyncError::ServerError);
    EXPECT_EQ(state, before);
    EXPECT_EQ(server.requests.back().method, "DELETE");
}

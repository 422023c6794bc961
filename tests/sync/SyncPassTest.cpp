#include "FakeDavServer.h"
#include "PassRunner.h"
#include "sync/ServerEvent.h"

#include <QTcpServer>

#include <gtest/gtest.h>

// Whatever keeps the server from answering, the calendar and the state stay
// as they were, for the next pass to try again.
TEST(SyncPass, AFailedServerLeavesCalendarAndStateAsTheyWere)
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QUrl down(QStringLiteral("http://127.0.0.1:%1/ann/cal/").arg(closed.serverPort()));
    closed.close();
    const int wait = DavTransport::DefaultTimeoutMs;
    const std::tuple<const char *, std::function<void(FakeDavServer &)>, SyncError, int> rows[] = {
        {"a server that is down", nullptr, SyncError::Offline, wait},
        {"a server that never answers", [](FakeDavServer &s) { s.beSilent(); }, SyncError::Timeout, 300},
        {"a server in trouble", [](FakeDavServer &s) { s.answer([](const FakeRequest &) { return httpAnswer(503); }); },
         SyncError::ServerError, wait},
        {"a wrong password", [](FakeDavServer &s) { s.answer([](const FakeRequest &) { return httpAnswer(401); }); },
         SyncError::SignInFailed, wait},
    };
    for (const auto &[name, script, error, timeoutMs] : rows) {
        FakeDavServer server;
        if (script)
            script(server);
        FakeCalendar calendar;
        calendar.add(eventFields("Party", {2027, 3, 15}));
        const SyncState before{script ? server.url("/ann/cal/") : down, QStringLiteral("t1"),
                               {{QStringLiteral("u-1"), QStringLiteral("/ann/cal/1.ics"), "\"e1\"",
                                 calendar.keyOf(QStringLiteral("Party")), "a", "a", "BEGIN:VCALENDAR"}}};
        SyncState state = before;
        DavTransport transport(Ann, timeoutMs);
        PassRunner runner;
        EXPECT_EQ(runner.pass(transport, calendar, state).error, error) << name;
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
    const SyncState before{server.url("/ann/cal/"), QStringLiteral("t1"),
                           {{QStringLiteral("u-1"), server.url("/ann/cal/1.ics").toString(), "\"e1\"",
                             QStringLiteral("k9"), contentHash(party), contentHash(party), copy}}};
    SyncState state = before;
    DavTransport transport(Ann);
    PassRunner runner;
    EXPECT_EQ(runner.pass(transport, calendar, state).error, SyncError::ServerError);
    EXPECT_EQ(state, before);
    EXPECT_EQ(server.requests.back().method, "DELETE");
}

#include "FakeDavServer.h"
#include "PassRunner.h"

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

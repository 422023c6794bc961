#include "FakeDavServer.h"
#include "PassRunner.h"
#include "sync/ServerEvent.h"

#include <gtest/gtest.h>

namespace {

// The server's answer to the changes since t1: the one event, as it was.
const QByteArray Unchanged = "<multistatus xmlns=\"DAV:\"><response><href>/ann/cal/1.ics</href><propstat><prop>"
                             "<getetag>\"e1\"</getetag></prop><status>HTTP/1.1 200 OK</status></propstat>"
                             "</response><sync-token>t2</sync-token></multistatus>";

} // namespace

// A pass that did not do its work leaves the calendar and the state as they
// were, for the next pass to try again: whatever keeps the server from
// answering (how the client names it is its own rule), a step the server
// refused, or the user's no to the question before it. The entry of an event
// not deleted there stays, so the event does not come back here. A change
// over an ETag the server no longer has is refused, and never forced.
TEST(SyncPass, APassNotDoneLeavesCalendarAndStateAsTheyWere)
{
    struct Row {
        const char *name;
        const char *token;
        bool listed;    // else the listing fails as every other request does
        bool movedHere; // else deleted here
        bool answer;
        int status;
        SyncError error;
        QByteArray lastMethod;
    };
    // clang-format off
    const Row rows[] = {
        {"the changes since a token failed", "t1", false, true, true, 503, SyncError::ServerError, "REPORT"},
        {"the full listing failed", "", false, true, true, 503, SyncError::ServerError, "PROPFIND"},
        {"a deletion the server refused", "t1", true, false, true, 503, SyncError::ServerError, "DELETE"},
        {"a deletion the user declined", "t1", true, false, false, 503, SyncError::None, "REPORT"},
        {"a change over an ETag gone stale", "t1", true, true, true, 412, SyncError::PreconditionFailed, "PUT"},
    };
    // clang-format on
    for (const Row &row : rows) {
        FakeDavServer server;
        server.answer([&row](const FakeRequest &request) {
            return request.method == "REPORT" && row.listed ? httpAnswer(207, Unchanged) : httpAnswer(row.status);
        });
        FakeCalendar calendar;
        const CalendarFields party = eventFields("Party", {2027, 3, 15});
        if (row.movedHere)
            calendar.add(eventFields("Party", {2027, 3, 16}));
        const QStringList titles = calendar.titles();
        const QByteArray copy =
            newServerEvent(QStringLiteral("u-1"), party, QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
        const SyncState before{server.url("/ann/cal/"),
                               QString::fromLatin1(row.token),
                               {{QStringLiteral("u-1"), server.url("/ann/cal/1.ics").toString(), "\"e1\"",
                                 row.movedHere ? calendar.keyOf(QStringLiteral("Party")) : QStringLiteral("k9"),
                                 contentHash(party), contentHash(party), copy}}};
        SyncState state = before;
        DavTransport transport(Ann);
        PassRunner runner;
        EXPECT_EQ(runner.pass(transport, calendar, state, row.answer).error, row.error) << row.name;
        EXPECT_EQ(state, before) << row.name;
        EXPECT_EQ(calendar.titles(), titles) << row.name;
        EXPECT_EQ(server.requests.back().method, row.lastMethod) << row.name;
    }
}

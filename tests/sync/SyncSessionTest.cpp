#include "Await.h"
#include "FakeCalendar.h"
#include "RadicaleServer.h"
#include "TestSupport.h"
#include "sync/SyncSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SyncOutcome runSession(const SyncSettings &settings, const QString &folder, FakeCalendar &calendar,
                       int *requests = nullptr)
{
    const FakeClock clock(QDate(2026, 12, 6));
    SyncSession session(settings, QStringLiteral("secret"), syncStatePath(folder), calendar, clock);
    const auto sameKey = [](const QString &key) { return key; };
    const auto yes = [](const SyncPlan &, const std::function<void(bool)> &answer) { answer(true); };
    const SyncOutcome outcome = answerOf<SyncOutcome>([&](auto done) { session.run(sameKey, yes, done); });
    if (requests)
        *requests = session.requestsSent();
    return outcome;
}

} // namespace

// The address the user gave is looked up again only when it no longer
// leads to the collection remembered.
TEST(SyncSession, KnowsWhenTheAddressLeadsToTheCollection)
{
    const QUrl collection(QStringLiteral("https://dav.example/ann/tarrowby/"));
    // clang-format off
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"the collection", "https://dav.example/ann/tarrowby/", true},
        {"the collection without its slash", "https://dav.example/ann/tarrowby", true},
        {"the server", "https://dav.example/", true},
        {"a neighbour of the same start", "https://dav.example/ann/tarrow", false},
        {"another host", "https://other.example/ann/tarrowby/", false},
    };
    // clang-format on
    for (const auto &[name, address, leads] : rows)
        EXPECT_EQ(leadsTo(QUrl(QString::fromLatin1(address)), collection), leads) << name;
    EXPECT_FALSE(leadsTo(QUrl(QStringLiteral("https://dav.example/")), QUrl())) << "nothing remembered";
}

// A state file that does not read is never replaced by a pass that forgot it.
TEST(SyncSession, AStateThatDoesNotReadStopsThePass)
{
    const QTemporaryDir folder;
    QFile state(syncStatePath(folder.path()));
    ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    state.write("not a state\n");
    state.close();
    FakeCalendar calendar;
    calendar.add(eventFields("Party", {2027, 3, 15}));
    const SyncOutcome outcome =
        runSession({QStringLiteral("http://127.0.0.1:1/"), QStringLiteral("ann"), 0}, folder.path(), calendar);
    EXPECT_EQ(outcome.error, SyncError::StateFile);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readAll(), "not a state\n");
}

// The server's address finds the collection once; the next pass starts from
// the state saved and asks the server only what changed.
TEST(SyncSession, FindsTheCollectionOnceAndKeepsTheState)
{
    const RadicaleServer server;
    ASSERT_EQ(server.problem(), QString());
    const QTemporaryDir folder;
    const SyncSettings settings{server.url().toString(), QStringLiteral("ann"), 0};
    FakeCalendar calendar;
    calendar.add(eventFields("Party", {2027, 3, 15}));
    const SyncOutcome first = runSession(settings, folder.path(), calendar);
    ASSERT_EQ(first.error, SyncError::None);
    EXPECT_EQ(first.changes, (std::vector<SyncChange>{{SyncStep::Upload, QStringLiteral("Party")}}));
    int requests = 0;
    const SyncOutcome second = runSession(settings, folder.path(), calendar, &requests);
    EXPECT_EQ(second.error, SyncError::None);
    EXPECT_TRUE(second.changes.empty());
    EXPECT_EQ(requests, 1);
}

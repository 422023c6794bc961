#include "Await.h"
#include "FakeCalendar.h"
#include "TestSupport.h"
#include "sync/SyncSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SyncOutcome runSession(const SyncSettings &settings, const QString &folder, FakeCalendar &calendar)
{
    const FakeClock clock(QDate(2026, 12, 6));
    SyncSession session(settings, QStringLiteral("secret"), syncStatePath(folder), calendar, clock);
    const auto sameKey = [](const QString &key) { return key; };
    const auto yes = [](const SyncPlan &, const std::function<void(bool)> &answer) { answer(true); };
    return answerOf<SyncOutcome>([&](auto done) { session.run(sameKey, yes, done); });
}

} // namespace

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

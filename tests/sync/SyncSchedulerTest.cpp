#include "sync/SyncScheduler.h"

#include "TestSupport.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// A pass at the start, reached through the timer's shot; whatever asks for one while it runs gets exactly one more
// after it, never a second beside it; then the interval counts from the end of the last pass.
TEST(SyncScheduler, NeverTwoPassesAtOnceAndOneMoreForWhatAskedDuringOne)
{
    const SyncSettings hourly{QStringLiteral("https://dav.example.org/cal/"), QStringLiteral("ann"), 60};
    FakeClock clock(QDate(2026, 12, 6));
    QTimer timer;
    int started = 0;
    SyncScheduler scheduler(clock, timer, [&] { ++started; });
    scheduler.configure(hourly);
    ASSERT_TRUE(QTest::qWaitFor([&] { return started == 1; }, 5000));
    scheduler.syncNow();
    scheduler.calendarChanged();
    scheduler.wokeUp();
    clock.pass(60);
    scheduler.tick();
    EXPECT_EQ(started, 1);
    scheduler.passFinished();
    scheduler.tick();
    EXPECT_EQ(started, 2);
    scheduler.passFinished();
    clock.pass(59 * 60);
    scheduler.tick();
    EXPECT_EQ(started, 2);
    clock.pass(60);
    scheduler.tick();
    EXPECT_EQ(started, 3);
}

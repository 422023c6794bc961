#include "datelogic/AlertScheduler.h"

#include "eventdata/CalendarStore.h"
#include "datelogic/AlertCheck.h"
#include "TestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Shown = ScriptedAlertWindow::Shown;

// At 9:00; the timer never runs by itself.
const QDate Today(2026, 12, 6);

class AlertSchedulerTest : public ::testing::Test {
protected:
    FakeClock clock{Today};
    std::unique_ptr<EventTable> events = std::make_unique<EventTable>();
    QString lastCheck;
    ScriptedAlertWindow window;
    CalendarStore store{*events, [](const EventTable &) {}};
    AlertCheck check{*events, lastCheck, store, clock, window};
    QTimer timer;
    int startups = 0;
    std::function<void()> loading = [this] { ++startups; }; // the start-up's loading of the files
    AlertScheduler scheduler{*events, clock, check, timer, [this] { loading(); }};

    int add(const QDate &date, qint16 notifyingDays)
    {
        events->addEvent(makeEvent(QStringLiteral("E%1").arg(events->size()), storedText(date), notifyingDays));
        return events->eventCount;
    }
    // Minutes pass, and the timer fires after each.
    void minuteTicks(int count = 1)
    {
        for (int minute = 0; minute < count; ++minute) {
            clock.pass(60);
            scheduler.tick();
        }
    }
};

} // namespace

TEST_F(AlertSchedulerTest, StartupTickLoadsChecksAndSwitchesToMinuteTicks)
{
    add(Today.addDays(2), 3);
    add(Today.addDays(4), 3);
    add(Today, 3);
    scheduler.clockChanged(); // before start-up there is nothing to catch up with
    EXPECT_TRUE(window.shown.empty());
    scheduler.tick();
    EXPECT_EQ(startups, 1);
    EXPECT_EQ(timer.interval(), AlertScheduler::RunningInterval);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {2, 0}})); // in table order
    minuteTicks();
    EXPECT_EQ(startups, 1);
    EXPECT_EQ(window.shown.size(), 2u); // the full pass runs once per start
}

TEST_F(AlertSchedulerTest, TicksDuringStartupRunItOnlyOnce)
{
    loading = [this] {
        ++startups;
        add(Today, 1);
        // A report shown while loading lets the 250 ms timer fire again.
        scheduler.tick();
        scheduler.tick();
    };
    scheduler.tick();
    EXPECT_EQ(startups, 1);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}}));
    EXPECT_EQ(timer.interval(), AlertScheduler::RunningInterval);
}

// A sleep across midnight, reported at the wake: the alerts that began today come first, then the reminders that fell
// due, each once. Events answered "on next start up" or with a pending delay get no new-day check.
TEST_F(AlertSchedulerTest, NewDayBringsTheAlertsThatBeganTodayThenTheDueReminders)
{
    const int tomorrowsPeriod = add(Today.addDays(4), 3); // due from tomorrow
    const int answeredNext = add(Today.addDays(1), 3);
    const int pending = add(Today.addDays(2), 3);
    window.answers = {RemindNextStart, remindAfter(120)};
    scheduler.tick();
    ASSERT_EQ(window.shown, (std::vector<Shown>{{answeredNext, 0}, {pending, 0}}));
    window.shown.clear();
    clock.pass(16 * 3600);
    scheduler.clockChanged();
    EXPECT_EQ(window.shown, (std::vector<Shown>{{tomorrowsPeriod, 0}, {pending, 0}}));
    minuteTicks();
    EXPECT_EQ(window.shown.size(), 2u);
}

// The ticks of an alert left open past midnight are not lost for the new day.
TEST_F(AlertSchedulerTest, NewDayThatBeganWhileAnAlertWasOpenIsCheckedWhenItCloses)
{
    clock.setWall(QDateTime(Today, QTime(23, 50)));
    add(Today, 3);
    const int tomorrowsPeriod = add(Today.addDays(4), 3);
    window.answers = {remindAfter(5)};
    scheduler.tick();
    window.whileOpen = [this] { // the reminder at 23:55 stays open until after midnight
        window.whileOpen = nullptr;
        minuteTicks(15);
    };
    minuteTicks(5);
    EXPECT_EQ(window.shown.back(), (Shown{tomorrowsPeriod, 0}));
}

TEST_F(AlertSchedulerTest, SeveralDueAtOnceShowInTableOrderOneAtATime)
{
    for (int i = 0; i < 3; ++i)
        add(Today.addDays(1), 3);
    window.answers = {remindAfter(5), remindAfter(5), remindAfter(5)};
    scheduler.tick();
    window.shown.clear();
    window.whileOpen = [this] {
        const size_t open = window.shown.size();
        minuteTicks();
        EXPECT_EQ(window.shown.size(), open);
    };
    minuteTicks(5);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {1, 0}, {2, 0}}));
}

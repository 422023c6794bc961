#include "datelogic/AlertScheduler.h"

#include "appstate/AppState.h"
#include "datelogic/AlertCheck.h"
#include "TestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Shown = ScriptedAlertWindow::Shown;

// Today is 6 December 2026, 9:00; the timer never runs by itself.
class AlertSchedulerTest : public ::testing::Test {
protected:
    FakeClock clock{QDate(2026, 12, 6)};
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    ScriptedAlertWindow window;
    AlertCheck check{*state, clock, window};
    QTimer timer;
    int startups = 0;
    AlertScheduler scheduler{*state, clock, check, timer, [this] { ++startups; }};

    AlertSchedulerTest() { timer.setInterval(AlertScheduler::StartupInterval); }

    QDate today() const { return clock.today(); }
    int add(const QDate &date, qint16 notifyingDays)
    {
        state->addEvent(makeEvent(QStringLiteral("E%1").arg(state->size()), storedText(date), notifyingDays));
        return state->eventCount;
    }
    // One minute passes and the timer fires.
    void minuteTick()
    {
        clock.pass(60);
        scheduler.tick();
    }
    // Ticks until an alert shows; returns after how many minutes, -1 when none did.
    int minutesUntilShownAgain(int maxMinutes)
    {
        const size_t before = window.shown.size();
        for (int minute = 1; minute <= maxMinutes; ++minute) {
            minuteTick();
            if (window.shown.size() > before)
                return minute;
        }
        return -1;
    }
    // The computer sleeps: no ticks, then the platform reports the wake.
    void sleepFor(qint64 seconds)
    {
        clock.pass(seconds);
        scheduler.clockChanged();
    }
};

} // namespace

TEST_F(AlertSchedulerTest, StartupTickLoadsChecksAndSwitchesToMinuteTicks)
{
    add(today().addDays(2), 3);
    add(today().addDays(4), 3);
    add(today(), 3);
    scheduler.clockChanged(); // before start-up there is nothing to catch up with
    EXPECT_TRUE(window.shown.empty());
    scheduler.tick();
    EXPECT_EQ(startups, 1);
    EXPECT_EQ(timer.interval(), AlertScheduler::RunningInterval);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {2, 0}})); // in table order
    minuteTick();
    EXPECT_EQ(startups, 1);
    EXPECT_EQ(window.shown.size(), 2u); // the full pass runs once per start
}

TEST_F(AlertSchedulerTest, EmptyTableStartsAndChecksNothing)
{
    scheduler.tick();
    minuteTick();
    EXPECT_EQ(startups, 1);
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AlertSchedulerTest, DelaysComeBackAfterTheirMinutes)
{
    add(today().addDays(1), 3);
    window.answers = {remindAfter(5), remindAfter(15), remindAfter(300), remindAfter(5)};
    scheduler.tick();
    EXPECT_EQ(minutesUntilShownAgain(10), 5);
    EXPECT_EQ(minutesUntilShownAgain(20), 15);
    EXPECT_EQ(minutesUntilShownAgain(400), 300);
}

// Across a new day, too: "on next start up" and "Never" end the alerts of this run.
TEST_F(AlertSchedulerTest, NextStartAndNeverStopTheAlertsForThisRun)
{
    add(today().addDays(2), 3);
    add(today().addDays(2), 3);
    window.answers = {RemindNextStart, RemindNever};
    scheduler.tick();
    for (int minute = 0; minute < 24 * 60; ++minute)
        minuteTick();
    EXPECT_EQ(window.shown.size(), 2u);
    EXPECT_EQ(state->events[1].notifyingDays, -3);
}

TEST_F(AlertSchedulerTest, ReminderThatRunsOutAfterTheDayUsesTheMissedRule)
{
    clock.setWall(QDateTime(today(), QTime(23, 58)));
    add(today(), 3);
    state->lastCheck = storedText(today().addDays(-30));
    window.answers = {remindAfter(5)};
    scheduler.tick();
    EXPECT_EQ(minutesUntilShownAgain(10), 5);
    EXPECT_EQ(window.shown.back().missed, 1);
}

TEST_F(AlertSchedulerTest, NewDayBringsTheAlertsThatBeganToday)
{
    const int tomorrowsPeriod = add(today().addDays(4), 3); // due from tomorrow
    const int answeredNext = add(today().addDays(1), 3);
    const int pending = add(today().addDays(2), 3);
    window.answers = {RemindNextStart, remindAfter(120)};
    scheduler.tick();
    ASSERT_EQ(window.shown.size(), 2u);

    clock.setWall(QDateTime(today(), QTime(23, 59)));
    minuteTick(); // midnight
    EXPECT_EQ(window.shown.back(), (Shown{tomorrowsPeriod, 0}));
    EXPECT_EQ(window.shown.size(), 3u); // not the "next" one, not the pending one
    EXPECT_EQ(state->events[answeredNext].remindAgain.state, Reminder::State::Stopped);
    EXPECT_EQ(state->events[pending].remindAgain.state, Reminder::State::Pending);
    minuteTick();
    EXPECT_EQ(window.shown.size(), 3u); // once per day
}

// The ticks of an alert left open past midnight are not lost for the new day.
TEST_F(AlertSchedulerTest, NewDayThatBeganWhileAnAlertWasOpenIsCheckedWhenItCloses)
{
    clock.setWall(QDateTime(today(), QTime(23, 50)));
    add(today(), 3);
    const int tomorrowsPeriod = add(today().addDays(4), 3);
    window.answers = {remindAfter(5)};
    scheduler.tick();
    window.whileOpen = [this] { // the reminder at 23:55 stays open until after midnight
        window.whileOpen = nullptr;
        for (int minute = 0; minute < 15; ++minute)
            minuteTick();
    };
    for (int minute = 0; minute < 5; ++minute)
        minuteTick();
    EXPECT_EQ(window.shown.back(), (Shown{tomorrowsPeriod, 0}));
}

// Minute ticks that came while the window was open do not count down the delay just chosen.
TEST_F(AlertSchedulerTest, DelayChosenInAnAlertLeftOpenCountsFromTheAnswer)
{
    add(today().addDays(1), 3);
    window.answers = {remindAfter(5), remindAfter(5), remindAfter(5)};
    scheduler.tick();
    window.whileOpen = [this] {
        window.whileOpen = nullptr;
        for (int minute = 0; minute < 12; ++minute)
            minuteTick();
        EXPECT_EQ(window.shown.size(), 2u); // no second window meanwhile
    };
    EXPECT_EQ(minutesUntilShownAgain(10), 5); // then open for 12 minutes
    EXPECT_EQ(minutesUntilShownAgain(10), 5);
}

TEST_F(AlertSchedulerTest, SeveralDueAtOnceShowInTableOrderOneAtATime)
{
    for (int i = 0; i < 3; ++i)
        add(today().addDays(1), 3);
    window.answers = {remindAfter(5), remindAfter(5), remindAfter(5)};
    scheduler.tick();
    window.shown.clear();
    window.whileOpen = [this] {
        const size_t open = window.shown.size();
        minuteTick();
        EXPECT_EQ(window.shown.size(), open);
    };
    for (int minute = 0; minute < 5; ++minute)
        minuteTick();
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {1, 0}, {2, 0}}));
}

TEST_F(AlertSchedulerTest, ReminderDueDuringASleepShowsOnceAtTheWake)
{
    add(today().addDays(1), 3);
    window.answers = {remindAfter(60), remindAfter(60)};
    scheduler.tick();
    sleepFor(2 * 3600);
    EXPECT_EQ(window.shown.size(), 2u);
    EXPECT_EQ(minutesUntilShownAgain(120), 60); // the new delay counts from the answer after the wake
}

TEST_F(AlertSchedulerTest, SleepAcrossMidnightRunsTheNewDayAndShowsDueRemindersOnce)
{
    clock.setWall(QDateTime(today(), QTime(23, 0)));
    const int pending = add(today().addDays(1), 3);
    window.answers = {remindAfter(30)};
    scheduler.tick();
    const int tomorrowsPeriod = add(today().addDays(4), 3);
    window.shown.clear();
    sleepFor(8 * 3600);
    minuteTick();
    EXPECT_EQ(window.shown, (std::vector<Shown>{{tomorrowsPeriod, 0}, {pending, 0}}));
}

// A clock set back or forward keeps the time a reminder had left; it shows once.
TEST_F(AlertSchedulerTest, ClockSetKeepsTheRemainingTimeOfReminders)
{
    const struct {
        const char *name;
        qint64 jumpSeconds;
    } rows[] = {{"set back an hour", -3600}, {"set forward an hour", 3600}, {"a second of drift", 1}};
    scheduler.tick();
    for (const auto &row : rows) {
        state->eventCount = -1;
        add(today().addDays(3), 5);
        window.shown.clear();
        window.answers = {remindAfter(15), RemindNextStart};
        check.checkEventAlert(state->eventCount);
        for (int minute = 0; minute < 5; ++minute)
            minuteTick();
        clock.setWall(clock.now().addSecs(row.jumpSeconds));
        scheduler.clockChanged();
        EXPECT_EQ(minutesUntilShownAgain(120), 10) << row.name;
        EXPECT_EQ(minutesUntilShownAgain(120), -1) << row.name;
    }
}

TEST_F(AlertSchedulerTest, TicksDuringStartupRunItOnlyOnce)
{
    QTimer startupTimer;
    startupTimer.setInterval(AlertScheduler::StartupInterval);
    int loads = 0;
    std::unique_ptr<AlertScheduler> starting;
    starting = std::make_unique<AlertScheduler>(*state, clock, check, startupTimer, [&] {
        ++loads;
        add(today(), 1);
        // A report shown while loading lets the 250 ms timer fire again.
        starting->tick();
        starting->tick();
    });
    starting->tick();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}}));
    EXPECT_EQ(startupTimer.interval(), AlertScheduler::RunningInterval);
}

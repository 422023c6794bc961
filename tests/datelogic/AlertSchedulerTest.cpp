#include "datelogic/AlertScheduler.h"

#include "core/AppState.h"
#include "datelogic/AlertCheck.h"
#include "TestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Shown = ScriptedAlertWindow::Shown;

class AlertSchedulerTest : public ::testing::Test {
protected:
    QDateTime now{QDate(2026, 12, 6), QTime(9, 0)};
    FakeClock clock{now.date()};
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    ScriptedAlertWindow window{*state};
    AlertCheck check{*state, clock, window};
    QTimer timer;
    int startups = 0;
    AlertScheduler scheduler{*state, clock, check, timer, [this] { ++startups; }};

    AlertSchedulerTest() { timer.setInterval(AlertScheduler::StartupInterval); }

    QDate today() const { return now.date(); }
    int add(const QDate &date, qint16 notifyingDays)
    {
        state->AddEvent(makeEvent(QStringLiteral("E%1").arg(state->size()), storedText(date), notifyingDays));
        return state->EventCount;
    }
    // One minute passes and the timer fires.
    void minuteTick()
    {
        now = now.addSecs(60);
        clock.set(now.date());
        scheduler.tick();
    }
    // Ticks until the event has been shown again; returns how many ticks that took.
    int ticksUntilShownAgain(int maxTicks)
    {
        const size_t before = window.shown.size();
        for (int tick = 1; tick <= maxTicks; ++tick) {
            minuteTick();
            if (window.shown.size() > before)
                return tick;
        }
        return -1;
    }
};

} // namespace

TEST_F(AlertSchedulerTest, StartupTickLoadsChecksAndSwitchesToMinuteTicks)
{
    add(today().addDays(2), 3);
    add(today().addDays(4), 3);
    add(today(), 3);
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

TEST_F(AlertSchedulerTest, DelayChosenAtStartupComesBackOneTickEarly)
{
    add(today().addDays(1), 3);
    window.answers = {"5", "5", "15", "next"};
    scheduler.tick();
    // The start-up tick already counted one minute of the delay.
    EXPECT_EQ(ticksUntilShownAgain(10), 4);
    // A delay chosen in a re-check counts from the next tick.
    EXPECT_EQ(ticksUntilShownAgain(10), 5);
    EXPECT_EQ(ticksUntilShownAgain(20), 15);
    // "on next start up": not again in this run.
    EXPECT_EQ(ticksUntilShownAgain(300), -1);
}

TEST_F(AlertSchedulerTest, NeverSwitchesTheEventOff)
{
    add(today().addDays(1), 3);
    window.answers = {"never"};
    scheduler.tick();
    EXPECT_EQ(state->Events[0].NotifyingDays, -3);
    EXPECT_EQ(ticksUntilShownAgain(3 * 24 * 60), -1);
}

TEST_F(AlertSchedulerTest, ReminderThatRunsOutAfterTheDayUsesTheMissedRule)
{
    now.setTime(QTime(23, 58));
    add(today(), 3);
    state->LastCheck = storedText(today().addDays(-30));
    window.answers = {"5"};
    scheduler.tick();
    EXPECT_EQ(ticksUntilShownAgain(10), 4);
    EXPECT_EQ(window.shown.back().missed, 1);
}

TEST_F(AlertSchedulerTest, FortyDaysOfTicksRaiseNoSpuriousAlert)
{
    add(today().addDays(60), 3);     // comes due only after the run
    add(today().addDays(-1), 0);     // never alerts
    add(today().addDays(2), -3);     // switched off
    scheduler.tick();
    for (int minute = 0; minute < 40 * 24 * 60; ++minute)
        minuteTick();
    EXPECT_TRUE(window.shown.empty());
    for (int i = 0; i <= state->EventCount; ++i)
        EXPECT_EQ(state->Events[i].RemindCountdown, 0);
}

TEST_F(AlertSchedulerTest, NewDayBringsTheAlertsThatBeganToday)
{
    const int tomorrowsPeriod = add(today().addDays(4), 3); // due from tomorrow
    const int answeredNext = add(today().addDays(1), 3);
    const int pending = add(today().addDays(2), 3);
    window.answers = {"next", "120"};
    scheduler.tick();
    ASSERT_EQ(window.shown.size(), 2u);

    now.setTime(QTime(23, 59));
    minuteTick(); // midnight
    EXPECT_EQ(window.shown.back(), (Shown{tomorrowsPeriod, 0}));
    EXPECT_EQ(window.shown.size(), 3u); // not the "next" one, not the pending one
    EXPECT_EQ(state->Events[answeredNext].RemindCountdown, -1);
    EXPECT_GT(state->Events[pending].RemindCountdown, 0);
    minuteTick();
    EXPECT_EQ(window.shown.size(), 3u); // once per day
}

TEST_F(AlertSchedulerTest, TicksDuringAnOpenAlertAreKeptAndRunAfterwards)
{
    add(today().addDays(1), 3);
    add(today().addDays(1), 3);
    window.answers = {"5", "5", "5", "5"};
    scheduler.tick(); // both alerts delayed; the countdowns stand at 4

    // While the first re-check's window is open, six more minutes pass.
    window.whileOpen = [this] {
        window.whileOpen = nullptr;
        for (int i = 0; i < 6; ++i)
            minuteTick();
        EXPECT_EQ(window.shown.size(), 3u); // no second window meanwhile
        EXPECT_EQ(state->AlertEventIndex, 0);
    };
    for (int i = 0; i < 4; ++i)
        minuteTick();
    // Event 1 fell due in the same tick and shows after the window closed;
    // the six kept ticks then ran out both new delays of five minutes.
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {1, 0}, {0, 0}, {1, 0}, {0, 0}, {1, 0}}));
    EXPECT_EQ(state->Events[0].RemindCountdown, -1); // the script's answers ran out
    EXPECT_EQ(state->Events[1].RemindCountdown, -1);
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

#include "datelogic/AlertCheck.h"

#include "core/AppState.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Shown = ScriptedAlertWindow::Shown;

class AlertCheckTest : public ::testing::Test {
protected:
    const QDate today{2026, 12, 6};
    FakeClock clock{today};
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    ScriptedAlertWindow window{*state};
    AlertCheck check{*state, clock, window};

    int add(const QDate &date, qint16 notifyingDays)
    {
        state->AddEvent(makeEvent(QStringLiteral("E%1").arg(state->size()), storedText(date), notifyingDays));
        return state->EventCount;
    }
    int addYearly(const QDate &date, qint16 notifyingDays)
    {
        state->AddEvent(makeEvent("yearly", QStringLiteral("0000") + storedText(date).mid(4), notifyingDays));
        return state->EventCount;
    }
    const Event &event(int index) const { return state->Events[index]; }
};

} // namespace

TEST_F(AlertCheckTest, RegularAlertIsDueFromTheLeadTimeUpToTheDay)
{
    add(today.addDays(2), 3);
    add(today.addDays(3), 3);
    add(today.addDays(4), 3);
    add(today, 3);
    add(today.addDays(3), 2);
    add(today, 0);
    addYearly(today, 1);
    addYearly(today.addDays(-1), 400); // next year's occurrence, 364 days ahead
    check.CheckAllAlerts();
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {1, 0}, {3, 0}, {6, 0}, {7, 0}}));
}

TEST_F(AlertCheckTest, SwitchedOffAndImpossibleEventsNeverAlert)
{
    add(today, -3);
    state->AddEvent(makeEvent("leap", "00000229", 30)); // 2027 is a common year
    state->AddEvent(makeEvent("broken", "2026ab06", 3));
    state->LastCheck = "20200101";
    add(today.addDays(-1), -3);
    check.CheckAllAlerts();
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AlertCheckTest, MissedAlertShowsWhenTheAlertPeriodBeganAfterThePreviousSave)
{
    const int passed = add(today.addDays(-5), 3);
    state->LastCheck = storedText(today.addDays(-10)); // +3 days is still before the event
    check.CheckEventAlert(passed);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{passed, 1}}));
    EXPECT_EQ(event(passed).RemindCountdown, 0); // nothing is recorded after a missed alert
    EXPECT_EQ(event(passed).NotifyingDays, 3);

    window.shown.clear();
    state->LastCheck = storedText(today.addDays(-7)); // +3 days reaches the event day
    check.CheckEventAlert(passed);
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AlertCheckTest, NoMissedAlertWithoutAUsableLastCheck)
{
    const int passed = add(today.addDays(-1), 3);
    for (const char *lastCheck : {"", "2026", "yesterday", "20261340"}) {
        state->LastCheck = lastCheck;
        check.CheckEventAlert(passed);
    }
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AlertCheckTest, AnswersSetTheReminder)
{
    struct Case {
        const char *answer;
        qint16 countdown;
        qint16 notifyingDays;
    };
    const Case cases[] = {
        {"never", -1, -3}, {"next", -1, 3}, {"5", 5, 3},     {"300", 300, 3},
        {"", -1, 3},       {"soon", -1, 3}, {"99999", -1, 3}, {"14.6", 15, 3},
    };
    for (const Case &c : cases) {
        state = std::make_unique<AppState>();
        ScriptedAlertWindow answering(*state);
        AlertCheck checking(*state, clock, answering);
        state->AddEvent(makeEvent("due", storedText(today.addDays(1)), 3));
        answering.answers = {c.answer};
        checking.CheckEventAlert(0);
        ASSERT_EQ(answering.shown.size(), 1u) << c.answer;
        EXPECT_EQ(state->Events[0].RemindCountdown, c.countdown) << c.answer;
        EXPECT_EQ(state->Events[0].NotifyingDays, c.notifyingDays) << c.answer;
    }
}

TEST_F(AlertCheckTest, RegularOnlyPassSkipsMissedAlerts)
{
    const int passed = add(today.addDays(-1), 3);
    const int due = add(today.addDays(1), 3);
    state->LastCheck = "20200101";
    check.CheckEventAlert(passed, AlertCheck::Pass::RegularOnly);
    check.CheckEventAlert(due, AlertCheck::Pass::RegularOnly);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{due, 0}}));
}

TEST_F(AlertCheckTest, AlertWindowOpenSetsTheWindowsGlobals)
{
    add(today, 1);
    state->DialogResult = "stale";
    window.whileOpen = [this] { EXPECT_EQ(state->DialogResult, ""); };
    check.AlertWindowOpen(0, true);
    EXPECT_EQ(state->AlertEventIndex, 0);
    EXPECT_EQ(state->AlertMissed, 1);
}

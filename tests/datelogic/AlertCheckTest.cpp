#include "datelogic/AlertCheck.h"

#include "appstate/AppState.h"
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
    ScriptedAlertWindow window;
    AlertCheck check{*state, clock, window};

    int add(const QDate &date, qint16 notifyingDays)
    {
        state->addEvent(makeEvent(QStringLiteral("E%1").arg(state->size()), storedText(date), notifyingDays));
        return state->eventCount;
    }
    int addYearly(const QDate &date, qint16 notifyingDays)
    {
        state->addEvent(makeEvent("yearly", QStringLiteral("0000") + storedText(date).mid(4), notifyingDays));
        return state->eventCount;
    }
    const Event &event(int index) const { return state->events[index]; }
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
    check.checkAllAlerts();
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, 0}, {1, 0}, {3, 0}, {6, 0}, {7, 0}}));
}

TEST_F(AlertCheckTest, SwitchedOffAndImpossibleEventsNeverAlert)
{
    add(today, -3);
    state->addEvent(makeEvent("leap", "00000229", 30)); // 2027 is a common year
    state->addEvent(makeEvent("broken", "2026ab06", 3));
    state->lastCheck = "20200101";
    add(today.addDays(-1), -3);
    check.checkAllAlerts();
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AlertCheckTest, MissedAlertShowsWhenTheAlertPeriodBeganAfterThePreviousSave)
{
    const int passed = add(today.addDays(-5), 3);
    state->lastCheck = storedText(today.addDays(-10)); // +3 days is still before the event
    check.checkEventAlert(passed);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{passed, 1}}));
    EXPECT_EQ(event(passed).remindAgain, Reminder()); // nothing is recorded after a missed alert
    EXPECT_EQ(event(passed).notifyingDays, 3);

    window.shown.clear();
    for (int daysAgo : {8, 7}) { // +3 days reaches the event day, or passes it
        state->lastCheck = storedText(today.addDays(-daysAgo));
        check.checkEventAlert(passed);
    }
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AlertCheckTest, NoMissedAlertWithoutAUsableLastCheck)
{
    const int passed = add(today.addDays(-1), 3);
    for (const char *lastCheck : {"", "2026", "yesterday", "20261340"}) {
        state->lastCheck = lastCheck;
        check.checkEventAlert(passed);
    }
    EXPECT_TRUE(window.shown.empty());
}

// However long the window stayed open, a delay counts from the answer.
TEST_F(AlertCheckTest, AnswerSetsTheReminderWhenItIsGiven)
{
    const struct {
        const char *name;
        RemindAnswer answer;
        Reminder::State state;
        qint16 notifyingDays;
    } rows[] = {{"never", RemindNever, Reminder::State::Stopped, -3},
                {"next", RemindNextStart, Reminder::State::Stopped, 3},
                {"5", remindAfter(5), Reminder::State::Pending, 3}};
    window.whileOpen = [this] { clock.pass(12 * 60); };
    for (const auto &row : rows) {
        const int index = add(today.addDays(1), 3);
        window.answers = {row.answer};
        check.checkEventAlert(index);
        const Reminder expected = reminderForAnswer(row.answer, clock.now().toMSecsSinceEpoch());
        ASSERT_EQ(expected.state, row.state) << row.name;
        EXPECT_EQ(event(index).remindAgain, expected) << row.name;
        EXPECT_EQ(event(index).notifyingDays, row.notifyingDays) << row.name;
    }
}

TEST_F(AlertCheckTest, RegularOnlyPassSkipsMissedAlerts)
{
    const int passed = add(today.addDays(-1), 3);
    const int due = add(today.addDays(1), 3);
    state->lastCheck = "20200101";
    check.checkEventAlert(passed, AlertCheck::Pass::RegularOnly);
    check.checkEventAlert(due, AlertCheck::Pass::RegularOnly);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{due, 0}}));
}

TEST_F(AlertCheckTest, AlertWindowOpenShowsTheEventAndItsPassing)
{
    add(today, 1);
    check.alertWindowOpen(0, true);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{0, true}}));
}

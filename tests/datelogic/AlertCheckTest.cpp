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

    int add(const QString &date, qint16 notifyingDays)
    {
        state->addEvent(makeEvent(QStringLiteral("E%1").arg(state->size()), date, notifyingDays));
        return state->eventCount;
    }
};

enum class Alert { None, Regular, Missed };

} // namespace

// The alert is due from the lead time before the day up to the day; a day
// that passed alerts once as missed when its alert period began after the
// previous save (LastCheck).
TEST_F(AlertCheckTest, EachEventAlertsByItsDaysLeftLeadTimeAndLastCheck)
{
    const auto once = [this](int days) { return storedText(today.addDays(days)); };
    const auto yearly = [this](int days) { return "0000" + storedText(today.addDays(days)).mid(4); };
    const struct {
        const char *name;
        QString date;
        qint16 notifyingDays;
        QString lastCheck;
        Alert alert;
    } rows[] = {
        {"day itself", once(0), 1, {}, Alert::Regular},
        {"at the lead time", once(3), 3, {}, Alert::Regular},
        {"a day before the lead time", once(4), 3, {}, Alert::None},
        {"lead time 0", once(0), 0, {}, Alert::None},
        {"switched off", once(0), -3, once(-30), Alert::None},
        {"longest lead time", once(32767), 32767, {}, Alert::Regular},
        {"yearly today", yearly(0), 1, {}, Alert::Regular},
        {"yearly yesterday, next year's within the lead", yearly(-1), 400, once(-400), Alert::Regular},
        {"yearly yesterday, next year's beyond the lead", yearly(-1), 300, once(-400), Alert::None},
        {"yearly 29 February of a common year", "00000229", 400, once(-400), Alert::None},
        {"broken date", "2026ab06", 3, once(-30), Alert::None},
        {"missed: period began a day after the save", once(-5), 3, once(-9), Alert::Missed},
        {"not missed: period began on the save day", once(-5), 3, once(-8), Alert::None},
        {"not missed: saved within the period", once(-1), 3, once(-2), Alert::None},
        {"missed yesterday, saved long ago", once(-1), 1, once(-30), Alert::Missed},
        {"switched off and passed", once(-1), -3, once(-30), Alert::None},
        {"passed without an alert", once(-1), 0, once(-30), Alert::None},
        {"no LastCheck", once(-1), 3, {}, Alert::None},
        {"short LastCheck", once(-1), 3, "2026", Alert::None},
        {"LastCheck no date", once(-1), 3, "20261340", Alert::None},
    };
    for (const auto &row : rows) {
        state->eventCount = -1;
        window.shown.clear();
        state->lastCheck = row.lastCheck;
        const int index = add(row.date, row.notifyingDays);
        check.checkEventAlert(index);
        std::vector<Shown> expected;
        if (row.alert != Alert::None)
            expected.push_back({index, row.alert == Alert::Missed});
        EXPECT_EQ(window.shown, expected) << row.name;
    }
}

TEST_F(AlertCheckTest, RegularOnlyPassSkipsMissedAlertsAndTheFullPassGoesInTableOrder)
{
    state->lastCheck = "20200101";
    const int passed = add(storedText(today.addDays(-1)), 3);
    const int due = add(storedText(today.addDays(1)), 3);
    add(storedText(today.addDays(9)), 3);
    check.checkEventAlert(passed, AlertCheck::Pass::RegularOnly);
    check.checkEventAlert(due, AlertCheck::Pass::RegularOnly);
    EXPECT_EQ(window.shown, (std::vector<Shown>{{due, false}}));
    window.shown.clear();
    check.checkAllAlerts();
    EXPECT_EQ(window.shown, (std::vector<Shown>{{passed, true}, {due, false}}));
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
        const int index = add(storedText(today.addDays(1)), 3);
        window.answers = {row.answer};
        check.checkEventAlert(index);
        const Reminder expected = reminderForAnswer(row.answer, clock.now().toMSecsSinceEpoch());
        ASSERT_EQ(expected.state, row.state) << row.name;
        EXPECT_EQ(state->events[index].remindAgain, expected) << row.name;
        EXPECT_EQ(state->events[index].notifyingDays, row.notifyingDays) << row.name;
    }
    // After a missed alert nothing is recorded.
    state->lastCheck = "20200101";
    const int passed = add(storedText(today.addDays(-1)), 3);
    window.answers = {RemindNever};
    check.checkEventAlert(passed);
    EXPECT_EQ(state->events[passed].remindAgain, Reminder());
    EXPECT_EQ(state->events[passed].notifyingDays, 3);
}

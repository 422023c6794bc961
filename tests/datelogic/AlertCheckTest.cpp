#include "datelogic/AlertCheck.h"

#include "eventdata/CalendarStore.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Shown = ScriptedAlertWindow::Shown;

const QDate Today(2026, 12, 6);

QString once(int days)
{
    return storedText(Today.addDays(days));
}

class AlertCheckTest : public ::testing::Test {
protected:
    FakeClock clock{Today};
    std::unique_ptr<EventTable> events = std::make_unique<EventTable>();
    QString lastCheck;
    ScriptedAlertWindow window;
    CalendarStore store{*events, [](const EventTable &) {}};
    AlertCheck check{*events, lastCheck, store, clock, window};

    int add(int daysFromToday, qint16 notifyingDays)
    {
        events->addEvent(makeEvent(QStringLiteral("E%1").arg(events->size()), once(daysFromToday), notifyingDays));
        return events->eventCount;
    }
};

enum class Alert { None, Regular, Missed };

} // namespace

// The alert is due from the lead time before the day up to the day; a day that passed alerts once as missed when its
// alert period began after the previous save (LastCheck). The pass of a new day leaves missed alerts to the start-up.
TEST_F(AlertCheckTest, EachEventAlertsByItsDaysLeftLeadTimeAndLastCheck)
{
    const struct {
        const char *name;
        QString date;
        qint16 notifyingDays;
        QString lastCheck;
        Alert alert;
        AlertCheck::Pass pass = AlertCheck::Pass::All;
    } rows[] = {
        {"day itself", once(0), 1, {}, Alert::Regular},
        {"at the lead time", once(3), 3, {}, Alert::Regular},
        {"a day before the lead time", once(4), 3, {}, Alert::None},
        {"lead time 0", once(0), 0, {}, Alert::None},
        {"broken date", "2026ab06", 3, once(-30), Alert::None},
        {"missed: period began a day after the save", once(-5), 3, once(-9), Alert::Missed},
        {"not missed: period began on the save day", once(-5), 3, once(-8), Alert::None},
        {"switched off and passed", once(-1), -3, once(-30), Alert::None},
        {"no LastCheck", once(-1), 3, {}, Alert::None},
        {"regular-only pass, missed", once(-1), 3, once(-30), Alert::None, AlertCheck::Pass::RegularOnly},
        {"regular-only pass, due", once(1), 3, once(-30), Alert::Regular, AlertCheck::Pass::RegularOnly},
    };
    for (const auto &row : rows) {
        events->eventCount = -1;
        window.shown.clear();
        lastCheck = row.lastCheck;
        events->addEvent(makeEvent("E", row.date, row.notifyingDays));
        check.checkEventAlert(0, row.pass);
        const std::vector<Shown> none, shown{{0, row.alert == Alert::Missed}};
        EXPECT_EQ(window.shown, row.alert == Alert::None ? none : shown) << row.name;
    }
}

// However long the window stayed open, a delay counts from the answer; after a missed alert nothing is recorded.
TEST_F(AlertCheckTest, AnswerSetsTheReminderWhenItIsGiven)
{
    // clang-format off
    const struct { RemindAnswer answer; int daysFromToday; Reminder::State state; qint16 notifyingDays; } rows[] = {
        {RemindNever, 1, Reminder::State::Stopped, -3}, {RemindNextStart, 1, Reminder::State::Stopped, 3},
        {remindAfter(5), 1, Reminder::State::Pending, 3}, {RemindNever, -1, Reminder::State::None, 3}};
    lastCheck = "20200101";
    window.whileOpen = [this] { clock.pass(12 * 60); };
    for (const auto &row : rows) {
        const int index = add(row.daysFromToday, 3);
        window.answers = {row.answer};
        check.checkEventAlert(index);
        const qint64 answeredAt = clock.now().toMSecsSinceEpoch();
        const Reminder expected = row.daysFromToday < 0 ? Reminder() : reminderForAnswer(row.answer, answeredAt);
        EXPECT_EQ(expected.state, row.state) << index;
        EXPECT_EQ(events->events[index].remindAgain, expected) << index;
        EXPECT_EQ(events->events[index].notifyingDays, row.notifyingDays) << index;
    }
    // clang-format on
}

#include "datelogic/ReminderClock.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 Now = 1'800'000'000'000; // some moment in 2027
constexpr qint64 Minute = 60'000;
constexpr qint64 Hour = 60 * Minute;
using State = Reminder::State;

} // namespace

// Only a pending reminder at or past its time is due.
TEST(ReminderClock, AnswerBecomesADueTime)
{
    EXPECT_EQ(reminderForAnswer(remindAfter(1), Now), (Reminder{State::Pending, Now + Minute}));
    EXPECT_EQ(reminderForAnswer(remindAfter(0), Now), (Reminder{State::Stopped, 0}));
    EXPECT_EQ(reminderForAnswer(RemindNextStart, Now), (Reminder{State::Stopped, 0}));
    EXPECT_FALSE(isDue({State::Pending, Now + 1}, Now));
    EXPECT_TRUE(isDue({State::Pending, Now}, Now));
    EXPECT_FALSE(isDue({State::None, Now - Hour}, Now));
    EXPECT_FALSE(isDue({State::Stopped, Now - Hour}, Now));
}

// Readings a minute of the boot clock apart, unless the row says otherwise.
TEST(ReminderClock, JumpIsWhereTheWallClockLeftTheBootClock)
{
    // clang-format off
    const struct { const char *name; qint64 wallMs, bootMs, jump; } rows[] = {
        {"drift back", Minute - ClockJumpToleranceMs, Minute, 0},
        {"drift ahead", Minute + ClockJumpToleranceMs, Minute, 0},
        {"set back just past the drift", Minute - ClockJumpToleranceMs - 1, Minute, -ClockJumpToleranceMs - 1},
        {"set ahead just past the drift", Minute + ClockJumpToleranceMs + 1, Minute, ClockJumpToleranceMs + 1},
    };
    // clang-format on
    const ClockReading before{Now, 5 * Hour};
    for (const auto &row : rows)
        EXPECT_EQ(clockJump(before, {Now + row.wallMs, before.bootMs + row.bootMs}), row.jump) << row.name;
}

// Each reading moves the pending reminders, and only those, by the jump of
// the wall clock since the reading before; a sleep moves nothing.
TEST(ReminderClock, SettingTheClockMovesPendingRemindersAlongAndASleepDoesNot)
{
    FakeClock clock(QDate(2027, 1, 1));
    EventTable table;
    const Reminder kept[] = {{State::Pending, Now}, {State::None, Now}, {State::Stopped, Now}, {State::Pending, 1}};
    for (const Reminder &reminder : kept) {
        table.addEvent(makeEvent("e", "20270101"));
        table.events[table.eventCount].remindAgain = reminder;
    }
    ReminderClock reminders(clock, table);
    const qint64 start = reminders.nowMs();
    clock.setWall(clock.now().addSecs(-3600));
    EXPECT_EQ(reminders.nowMs(), start - Hour);
    clock.pass(8 * 3600);
    reminders.nowMs();
    const Reminder shifted[] = {{State::Pending, Now - Hour}, kept[1], kept[2], {State::Pending, 1 - Hour}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(table.events[i].remindAgain, shifted[i]) << i;
}

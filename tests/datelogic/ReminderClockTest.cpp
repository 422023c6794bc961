#include "datelogic/ReminderClock.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 Now = 1'800'000'000'000; // some moment in 2027
constexpr qint64 Minute = 60'000;
constexpr qint64 Hour = 60 * Minute;
using State = Reminder::State;

} // namespace

TEST(ReminderClock, AnswerBecomesADueTime)
{
    const struct {
        const char *name;
        RemindAnswer answer;
        Reminder expected;
    } rows[] = {
        {"1 minute", remindAfter(1), {State::Pending, Now + Minute}},
        {"300 minutes", remindAfter(300), {State::Pending, Now + 300 * Minute}},
        {"0 minutes", remindAfter(0), {State::Stopped, 0}},
        {"next start", RemindNextStart, {State::Stopped, 0}},
        {"never", RemindNever, {State::Stopped, 0}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(reminderForAnswer(row.answer, Now), row.expected) << row.name;
}

TEST(ReminderClock, OnlyAPendingReminderAtOrPastItsTimeIsDue)
{
    const struct {
        const char *name;
        Reminder reminder;
        bool due;
    } rows[] = {
        {"a millisecond early", {State::Pending, Now + 1}, false},
        {"on time", {State::Pending, Now}, true},
        {"late", {State::Pending, Now - Hour}, true},
        {"none", {State::None, Now - Hour}, false},
        {"stopped", {State::Stopped, Now - Hour}, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(isDue(row.reminder, Now), row.due) << row.name;
}

// Readings a minute of the boot clock apart, unless the row says otherwise.
TEST(ReminderClock, JumpIsWhereTheWallClockLeftTheBootClock)
{
    const struct {
        const char *name;
        qint64 wallMs;
        qint64 bootMs;
        qint64 jump;
    } rows[] = {
        {"awake", Minute, Minute, 0},
        {"a night asleep", 8 * Hour, 8 * Hour, 0},
        {"set back an hour", Minute - Hour, Minute, -Hour},
        {"set forward an hour", Minute + Hour, Minute, Hour},
        {"drift back", Minute - ClockJumpToleranceMs, Minute, 0},
        {"drift ahead", Minute + ClockJumpToleranceMs, Minute, 0},
        {"set back just past the drift", Minute - ClockJumpToleranceMs - 1, Minute, -ClockJumpToleranceMs - 1},
        {"set ahead just past the drift", Minute + ClockJumpToleranceMs + 1, Minute, ClockJumpToleranceMs + 1},
    };
    const ClockReading before{Now, 5 * Hour};
    for (const auto &row : rows) {
        const ClockReading after{Now + row.wallMs, before.bootMs + row.bootMs};
        EXPECT_EQ(clockJump(before, after), row.jump) << row.name;
    }
}

TEST(ReminderClock, ShiftMovesOnlyPendingReminders)
{
    EventTable table;
    const Reminder kept[] = {{State::Pending, Now}, {State::None, Now}, {State::Stopped, Now}, {State::Pending, 1}};
    for (const Reminder &reminder : kept) {
        table.addEvent(makeEvent("e", "20270101"));
        table.events[table.eventCount].remindAgain = reminder;
    }
    shiftReminders(table, -Hour);
    const Reminder shifted[] = {{State::Pending, Now - Hour}, kept[1], kept[2], {State::Pending, 1 - Hour}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(table.events[i].remindAgain, shifted[i]) << i;
}

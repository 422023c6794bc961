#include "datelogic/ReminderClock.h"

#include "platform/Clock.h"

#include <QtGlobal>

namespace {

constexpr qint64 MinuteMs = qint64{60} * 1000;

} // namespace

qint64 clockJump(const ClockReading &before, const ClockReading &after)
{
    const qint64 jump = (after.wallMs - before.wallMs) - (after.bootMs - before.bootMs);
    return qAbs(jump) > ClockJumpToleranceMs ? jump : 0;
}

Reminder reminderForAnswer(const RemindAnswer &answer, qint64 nowMs)
{
    if (answer.when != RemindAnswer::When::After || answer.minutes < 1)
        return {Reminder::State::Stopped, 0};
    return {Reminder::State::Pending, nowMs + answer.minutes * MinuteMs};
}

bool isDue(const Reminder &reminder, qint64 nowMs)
{
    return reminder.state == Reminder::State::Pending && reminder.dueMs <= nowMs;
}

void shiftReminders(EventTable &table, qint64 jumpMs)
{
    for (int i = 0; i <= table.eventCount; ++i) {
        Reminder &reminder = table.events[i].remindAgain;
        if (reminder.state == Reminder::State::Pending)
            reminder.dueMs += jumpMs;
    }
}

ReminderClock::ReminderClock(const Clock &clock, EventTable &table) : clock_(clock), table_(table) {}

qint64 ReminderClock::nowMs()
{
    const ClockReading reading{clock_.now().toMSecsSinceEpoch(), clock_.sinceBootMs()};
    if (last_)
        shiftReminders(table_, clockJump(*last_, reading));
    last_ = reading;
    return reading.wallMs;
}

#pragma once

#include "eventdata/EventTable.h"

#include <QString>

#include <optional>

class Clock;

// One look at both clocks: the wall clock and the one that is never set.
struct ClockReading {
    qint64 wallMs = 0;
    qint64 bootMs = 0;
};

// A wall clock that differs from the boot clock by more than this between two
// readings was set; less is the ordinary drift of the two and the network's
// gentle corrections.
constexpr qint64 ClockJumpToleranceMs = 2000;

// How far the wall clock was set between two readings, 0 when it kept pace
// with the boot clock (across a sleep, too).
qint64 clockJump(const ClockReading &before, const ClockReading &after);

// When the user wants to be reminded again, as the alert window answers.
struct RemindAnswer {
    enum class When {
        After,     // minutes from the answer
        NextStart, // not again in this run
        Never,     // not again for this event, until it is edited
    };
    When when = When::NextStart;
    int minutes = 0;
    bool operator==(const RemindAnswer &) const = default;
};

// The reminder an answer given at nowMs asks for: a delay of at least a
// minute is due that much later; anything else stops the alerts for this run.
Reminder reminderForAnswer(const RemindAnswer &answer, qint64 nowMs);

bool isDue(const Reminder &reminder, qint64 nowMs);

// Moves every pending reminder by a jump of the wall clock, so each keeps
// the time it had left.
void shiftReminders(EventTable &table, qint64 jumpMs);

// The time reminders are due by. Each reading compares the wall clock with
// the boot clock: when they parted since the previous reading the clock was
// set and the pending reminders move with it; when both moved on together
// (a sleep), what fell due meanwhile is simply due.
class ReminderClock {
public:
    ReminderClock(const Clock &clock, EventTable &table);

    // The wall clock in milliseconds since the epoch.
    qint64 nowMs();

private:
    const Clock &clock_;
    EventTable &table_;
    std::optional<ClockReading> last_;
};

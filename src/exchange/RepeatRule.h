#pragma once

#include <QDate>
#include <QList>
#include <QTime>

#include <optional>

// A moment on the wall clock that a calendar file gives its times on, in
// seconds from the start of Julian day 0. Repeat rules step on the wall clock:
// an event at 9:00 stays at 9:00 across a change to summer time.
using WallTime = qint64;

WallTime wallTime(QDate date, QTime time);
QDate wallDate(WallTime time);
QTime wallClock(WallTime time);

// A repeat rule of an iCalendar file (RRULE), Gregorian. The lists are the
// rule's BY parts; an empty list is a part the rule does not have. Values a
// calendar cannot have (month 13, second 60) never match.
struct RepeatRule {
    enum class Frequency { Secondly, Minutely, Hourly, Daily, Weekly, Monthly, Yearly };
    struct Weekday {
        int day = 1;      // 1 = Monday .. 7 = Sunday
        int position = 0; // 0: every such day; n: the nth in the month or year; -n: the nth from its end
        bool operator==(const Weekday &) const = default;
    };

    Frequency frequency = Frequency::Daily;
    int interval = 1;
    int count = 0; // 0: the rule has no COUNT
    std::optional<WallTime> until;
    QList<int> seconds;
    QList<int> minutes;
    QList<int> hours;
    QList<Weekday> weekdays;
    QList<int> monthDays;
    QList<int> yearDays;
    QList<int> weekNumbers;
    QList<int> months;
    QList<int> setPositions;
    int weekStart = 1;
};

struct RepeatSearch {
    enum class Outcome {
        Found,     // at is the occurrence
        Ended,     // the rule's COUNT or UNTIL ends it before
        NotWithin, // no occurrence up to the limit
        GaveUp,    // the search would cost more days than it was given
    };
    Outcome outcome = Outcome::NotWithin;
    WallTime at = 0;
};

// The first occurrence of the rule at or after from, for an event that
// starts at start (which is its first occurrence) and no later than limit.
// The search never looks at more days than daysLeft holds, and takes what it
// looked at from it, so that a rule whose occurrences are rare or that never
// occurs costs a bounded time.
RepeatSearch firstOccurrence(const RepeatRule &rule, WallTime start, WallTime from, WallTime limit, qint64 &daysLeft);

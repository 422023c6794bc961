#pragma once

#include <QDate>

#include <optional>
#include <vector>

struct EventTable;

// A day as the main window's month view names it. The day-by-day walks
// below use day numbers a month may not have (0, 31 in April, 32); such days
// hold no event.
struct CalendarDay {
    int day = 1;
    int month = 1;
    int year = 2000;
    bool operator==(const CalendarDay &) const = default;
};

// One step of the walks: every month has the day numbers 1 to 31 forward,
// 32 down to 0 backward.
void stepForward(CalendarDay &date);
void stepBack(CalendarDay &date);

// The nearest later day with an event, searched day by day for at most 3651
// steps and never beyond the shown years. Day
// numbers a month does not have are walked but never found: a hand-edited
// event on 32 March is on no day the calendar can show.
std::optional<QDate> findNextEvent(const EventTable &table, const QDate &from, int currentYear);
// The nearest earlier day with an event, never before the current year.
std::optional<QDate> findPreviousEvent(const EventTable &table, const QDate &from, int currentYear);

// The events on a day, as the day's list shows them: by title, capitals
// aside; events of the same title keep their table order, so the list stays
// the same from one drawing to the next.
std::vector<int> eventsOnDay(const EventTable &table, const QDate &day);

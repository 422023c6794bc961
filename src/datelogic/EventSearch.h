#pragma once

#include <optional>

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

// How many years after the current year the searches for a coming event look.
constexpr int SearchYearsAhead = 10;

// The nearest later day with an event, searched day by day for at most 3651
// steps and never beyond SearchYearsAhead years after the current year.
std::optional<CalendarDay> findNextEvent(const EventTable &table, CalendarDay from, int currentYear);
// The nearest earlier day with an event, never before the current year.
std::optional<CalendarDay> findPreviousEvent(const EventTable &table, CalendarDay from, int currentYear);

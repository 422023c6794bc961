#include "datelogic/EventSearch.h"

#include "datelogic/Occurrence.h"
#include "eventdata/EventTable.h"

namespace {

constexpr int MaxSteps = 3650;

bool anyEventOn(const EventTable &table, const CalendarDay &date)
{
    for (int i = 0; i <= table.eventCount; ++i) {
        if (eventOnDate(table.events[i], date.day, date.month, date.year))
            return true;
    }
    return false;
}

} // namespace

void stepForward(CalendarDay &date)
{
    if (date.day >= 31) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    } else {
        ++date.day;
    }
}

void stepBack(CalendarDay &date)
{
    if (date.day <= 0) {
        date.day = 32;
        if (--date.month < 1) {
            date.month = 12;
            --date.year;
        }
    } else {
        --date.day;
    }
}

std::optional<CalendarDay> findNextEvent(const EventTable &table, CalendarDay from, int currentYear)
{
    for (int step = 0; step <= MaxSteps; ++step) {
        stepForward(from);
        if (from.year > currentYear + SearchYearsAhead)
            return std::nullopt;
        if (anyEventOn(table, from))
            return from;
    }
    return std::nullopt;
}

std::optional<CalendarDay> findPreviousEvent(const EventTable &table, CalendarDay from, int currentYear)
{
    for (int step = 0; step <= MaxSteps; ++step) {
        stepBack(from);
        if (from.year < currentYear)
            return std::nullopt;
        if (anyEventOn(table, from))
            return from;
    }
    return std::nullopt;
}

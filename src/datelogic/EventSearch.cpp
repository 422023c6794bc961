#include "datelogic/EventSearch.h"

#include "datelogic/MonthLayout.h"
#include "datelogic/Occurrence.h"
#include "eventdata/EventTable.h"

#include <algorithm>

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

namespace {

template <typename Step, typename Beyond>
std::optional<QDate> findEvent(const EventTable &table, const QDate &from, Step step, Beyond beyond)
{
    CalendarDay walked{from.day(), from.month(), from.year()};
    for (int i = 0; i <= MaxSteps; ++i) {
        step(walked);
        if (beyond(walked.year))
            return std::nullopt;
        const QDate day(walked.year, walked.month, walked.day);
        if (day.isValid() && anyEventOn(table, walked))
            return day;
    }
    return std::nullopt;
}

} // namespace

std::optional<QDate> findNextEvent(const EventTable &table, const QDate &from, int currentYear)
{
    return findEvent(table, from, stepForward,
                     [currentYear](int year) { return year > currentYear + ShownYearsAhead; });
}

std::optional<QDate> findPreviousEvent(const EventTable &table, const QDate &from, int currentYear)
{
    return findEvent(table, from, stepBack, [currentYear](int year) { return year < currentYear; });
}

std::vector<int> eventsOnDay(const EventTable &table, const QDate &day)
{
    std::vector<int> indexes;
    for (int i = 0; i < table.size(); ++i) {
        if (eventOnDate(table.events[i], day.day(), day.month(), day.year()))
            indexes.push_back(i);
    }
    std::stable_sort(indexes.begin(), indexes.end(), [&table](int a, int b) {
        return table.events[a].title.compare(table.events[b].title, Qt::CaseInsensitive) < 0;
    });
    return indexes;
}

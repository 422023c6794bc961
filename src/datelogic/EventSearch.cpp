#include "datelogic/EventSearch.h"

#include "eventdata/EventTable.h"
#include "eventdata/NumberText.h"

#include <array>

namespace {

constexpr int MaxSteps = 3650;

int twoDigitValue(QStringView text)
{
    return text.size() == 2 ? digitsValue(text) : -1;
}

// The days the table's events fall on, read once so that a walk of ten years
// compares numbers. Matches exactly the days EventOnDate accepts: the year
// text of a walked year has four characters only from 1000 on.
class EventDays {
public:
    explicit EventDays(const EventTable &table)
    {
        for (int i = 0; i <= table.eventCount; ++i) {
            const Event &event = table.events[i];
            const int month = twoDigitValue(event.monthText());
            const int day = twoDigitValue(event.dayText());
            if (month < 1 || month > 12 || day < 0 || day > 32)
                continue;
            if (event.isEveryYear()) {
                everyYear_[month][day] = true;
                continue;
            }
            const int high = twoDigitValue(event.yearText().mid(0, 2));
            const int low = twoDigitValue(event.yearText().mid(2, 2));
            if (high >= 10 && low >= 0)
                oneTime_[oneTimeCount_++] = {day, month, high * 100 + low};
        }
    }

    bool anyOn(const CalendarDay &date) const
    {
        if (date.month < 1 || date.month > 12 || date.day < 0 || date.day > 32)
            return false;
        if (everyYear_[date.month][date.day])
            return true;
        for (int i = 0; i < oneTimeCount_; ++i) {
            if (oneTime_[i] == date)
                return true;
        }
        return false;
    }

private:
    std::array<std::array<bool, 33>, 13> everyYear_{};
    std::array<CalendarDay, EventTable::Capacity> oneTime_{};
    int oneTimeCount_ = 0;
};

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
    const EventDays days(table);
    for (int step = 0; step <= MaxSteps; ++step) {
        stepForward(from);
        if (from.year > currentYear + SearchYearsAhead)
            return std::nullopt;
        if (days.anyOn(from))
            return from;
    }
    return std::nullopt;
}

std::optional<CalendarDay> findPreviousEvent(const EventTable &table, CalendarDay from, int currentYear)
{
    const EventDays days(table);
    for (int step = 0; step <= MaxSteps; ++step) {
        stepBack(from);
        if (from.year < currentYear)
            return std::nullopt;
        if (days.anyOn(from))
            return from;
    }
    return std::nullopt;
}

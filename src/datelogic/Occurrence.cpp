#include "datelogic/Occurrence.h"

#include "eventdata/Event.h"

QDate readStoredDay(QStringView yyyymmdd)
{
    if (yyyymmdd.size() < Event::DateWidth)
        return {};
    const EventDate date = readEventDate(yyyymmdd.left(Event::DateWidth));
    return date.isReadable() ? date.inYear(date.year) : QDate();
}

std::optional<QDate> nextOccurrence(const Event &event, const QDate &today)
{
    const EventDate &date = event.date;
    if (!date.isReadable())
        return std::nullopt;
    int year = date.year;
    if (date.isEveryYear()) {
        const bool passedThisYear =
            date.month < today.month() || (date.month == today.month() && date.day < today.day());
        year = today.year() + (passedThisYear ? 1 : 0);
    }
    const QDate day = date.inYear(year);
    return day.isValid() ? std::optional(day) : std::nullopt;
}

std::optional<qint64> daysLeft(const Event &event, const QDate &today)
{
    const std::optional<QDate> next = nextOccurrence(event, today);
    if (!next)
        return std::nullopt;
    return today.daysTo(*next);
}

bool eventOnDate(const Event &event, int day, int month, int year)
{
    return event.date.day == day && event.date.month == month && (event.date.year == year || event.isEveryYear());
}

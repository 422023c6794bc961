#include "datelogic/Occurrence.h"

#include "eventdata/DateText.h"
#include "eventdata/Event.h"
#include "eventdata/NumberText.h"

QDate storedDate(QStringView yyyymmdd)
{
    if (yyyymmdd.size() < 8)
        return {};
    const int year = digitsValue(yyyymmdd.mid(0, 4));
    const int month = digitsValue(yyyymmdd.mid(4, 2));
    const int day = digitsValue(yyyymmdd.mid(6, 2));
    // A month or day of -1 makes no valid QDate, but a year of -1 would.
    return year < 0 ? QDate() : QDate(year, month, day);
}

std::optional<QDate> nextOccurrence(const Event &event, const QDate &today)
{
    if (!event.isEveryYear()) {
        const QDate date = storedDate(event.date);
        return date.isValid() ? std::optional(date) : std::nullopt;
    }
    const int month = digitsValue(event.monthText());
    const int day = digitsValue(event.dayText());
    const bool passedThisYear = month < today.month() || (month == today.month() && day < today.day());
    const QDate date(today.year() + (passedThisYear ? 1 : 0), month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<qint64> daysLeft(const Event &event, const QDate &today)
{
    const std::optional<QDate> next = nextOccurrence(event, today);
    if (!next)
        return std::nullopt;
    return today.daysTo(*next);
}

bool eventOnDate(const Event &event, int day, int month, const QString &year)
{
    return event.dayText() == twoDigits(day) && event.monthText() == twoDigits(month)
           && (event.yearText() == year || event.isEveryYear());
}

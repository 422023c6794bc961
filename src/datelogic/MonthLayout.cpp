#include "datelogic/MonthLayout.h"

#include "eventdata/DateText.h"

#include <QDate>

#include <algorithm>

MonthLayout::MonthLayout(int year, int month) : first_(year, month, 1)
{
    // Monday = 0 .. Sunday = 6; Friday to Sunday start in the first row.
    const int weekday = first_.dayOfWeek() - 1;
    origin_ = weekday >= 4 ? weekday : weekday + Columns;

    const int previousLength = daysInMonth(month == 1 ? 12 : month - 1, year);
    for (int k = 0; k < origin_; ++k)
        cells_[k] = {previousLength - (origin_ - 1 - k), false};
    const int length = daysInMonth(month, year);
    for (int d = 1; d <= length; ++d)
        cells_[origin_ + d - 1] = {d, true};
    int next = 1;
    for (int k = origin_ + length; k < CellCount; ++k)
        cells_[k] = {next++, false};
}

QDate MonthLayout::date(int index) const
{
    return first_.addDays(index - origin_);
}

bool isShownYear(int year, int currentYear)
{
    return year >= currentYear && year <= currentYear + ShownYearsAhead;
}

QStringList shownYearTexts(int currentYear)
{
    QStringList years;
    for (int year = currentYear; year <= currentYear + ShownYearsAhead; ++year)
        years << QString::number(year);
    return years;
}

QDate dayInMonth(int year, int month, int day)
{
    const int length = daysInMonth(month, year);
    if (length == 0)
        return {};
    return {year, month, std::clamp(day, 1, length)};
}

QString dateHeading(int year, int month, int day)
{
    return monthName(month) + QLatin1Char(' ') + QString::number(day) + QStringLiteral(", ") + QString::number(year);
}

QString displayedDateRecord(const QDate &day)
{
    return QStringLiteral("DisplayedDate(short)=") + day.toString(QStringLiteral("yyyyMMdd"))
           + QStringLiteral("\r\nDisplayedDate(long)=") + dateHeading(day.year(), day.month(), day.day());
}

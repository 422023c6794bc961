#include "datelogic/MonthLayout.h"

#include "eventdata/DateText.h"

#include <QDate>

#include <algorithm>

MonthLayout::MonthLayout(int year, int month) : first_(year, month, 1)
{
    // Monday = 0 .. Sunday = 6; Friday to Sunday start in the first row.
    const int weekday = first_.dayOfWeek() - 1;
    origin_ = weekday >= 4 ? weekday : weekday + Columns;

    QDate day = date(0);
    for (GridCell &cell : cells_) {
        cell = {day.day(), day.month() == month};
        day = day.addDays(1);
    }
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
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    return first.addDays(std::clamp(day, 1, first.daysInMonth()) - 1);
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

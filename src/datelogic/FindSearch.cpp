#include "datelogic/FindSearch.h"

#include "datelogic/MonthLayout.h"
#include "eventdata/DateText.h"
#include "eventdata/EventTable.h"

#include <algorithm>

namespace {

const QString EveryYearText = QStringLiteral("every year");

} // namespace

std::vector<int> findEvents(const EventTable &table, const QString &text, const QString &monthName, const QString &year)
{
    const int month = monthNumber(monthName);
    std::vector<int> found;
    for (int i = 0; i <= table.eventCount; ++i) {
        const Event &event = table.events[i];
        const bool textMatches = !event.title.isEmpty() && event.title.contains(text, Qt::CaseInsensitive);
        const bool monthMatches = month == 0 || event.date.month == month;
        const bool yearMatches = year.isEmpty() || event.date.year == digitsValue(year) || event.isEveryYear();
        if (textMatches && monthMatches && yearMatches)
            found.push_back(i);
    }
    std::stable_sort(found.begin(), found.end(), [&table](int a, int b) {
        return table.events[a].title.compare(table.events[b].title, Qt::CaseInsensitive) < 0;
    });
    return found;
}

FindResult findResultAt(const EventTable &table, int index)
{
    const Event &event = table.events[index];
    FindResult result;
    result.yearText = event.isEveryYear() ? EveryYearText : QString::number(event.date.year);
    result.monthName = monthName(event.date.month);
    result.dayText = QString::number(event.date.day);
    result.tooltip = event.title + QStringLiteral(", ") + result.monthName + QLatin1Char(' ') + result.dayText
                     + QStringLiteral(", ") + result.yearText;
    return result;
}

QDate FindResult::jumpDate(const QDate &today) const
{
    const int month = monthNumber(monthName);
    int year = yearText.toInt();
    if (yearText == EveryYearText)
        year = today.month() <= month ? today.year() : today.year() + 1;
    return dayInMonth(year, month, dayText.toInt());
}

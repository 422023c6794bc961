#include "datelogic/FindSearch.h"

#include "eventdata/DateText.h"
#include "eventdata/EventTable.h"

#include <algorithm>

namespace {

const QString EveryYearText = QStringLiteral("every year");

} // namespace

QStringList FindEventTitles(const EventTable &table, const QString &text, const QString &monthName,
                            const QString &year)
{
    const int month = MonthNumber(monthName);
    const QString monthFilter = TwoDigits(month);
    QStringList titles;
    for (int i = 0; i <= table.EventCount; ++i) {
        const Event &event = table.Events[i];
        const bool textMatches = !event.Title.isEmpty() && event.Title.contains(text, Qt::CaseInsensitive);
        const bool monthMatches = month == 0 || event.monthText() == monthFilter;
        const bool yearMatches = year.isEmpty() || event.yearText() == year || event.isEveryYear();
        if (textMatches && monthMatches && yearMatches)
            titles += event.Title;
    }
    std::stable_sort(titles.begin(), titles.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return titles;
}

std::optional<FindResult> FindResultFor(const EventTable &table, const QString &title)
{
    const int index = table.indexOfTitle(title);
    if (index < 0)
        return std::nullopt;
    const Event &event = table.Events[index];
    FindResult result;
    result.yearText = event.isEveryYear() ? EveryYearText : event.yearText().toString();
    result.monthName = MonthName(event.monthText().toInt());
    result.dayText = QString::number(event.dayText().toInt());
    result.tooltip = event.Title + QStringLiteral(", ") + result.monthName + QLatin1Char(' ') + result.dayText
                     + QStringLiteral(", ") + result.yearText;
    return result;
}

int FindResult::jumpYear(const QDate &today) const
{
    if (yearText != EveryYearText)
        return yearText.toInt();
    return today.month() <= MonthNumber(monthName) ? today.year() : today.year() + 1;
}

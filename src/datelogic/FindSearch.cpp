#include "datelogic/FindSearch.h"

#include "eventdata/DateText.h"
#include "eventdata/EventTable.h"

#include <algorithm>

namespace {

const QString EveryYearText = QStringLiteral("every year");

} // namespace

std::vector<int> FindEvents(const EventTable &table, const QString &text, const QString &monthName,
                            const QString &year)
{
    const int month = MonthNumber(monthName);
    const QString monthFilter = TwoDigits(month);
    std::vector<int> found;
    for (int i = 0; i <= table.EventCount; ++i) {
        const Event &event = table.Events[i];
        const bool textMatches = !event.Title.isEmpty() && event.Title.contains(text, Qt::CaseInsensitive);
        const bool monthMatches = month == 0 || event.monthText() == monthFilter;
        const bool yearMatches = year.isEmpty() || event.yearText() == year || event.isEveryYear();
        if (textMatches && monthMatches && yearMatches)
            found.push_back(i);
    }
    std::stable_sort(found.begin(), found.end(), [&table](int a, int b) {
        return table.Events[a].Title.compare(table.Events[b].Title, Qt::CaseInsensitive) < 0;
    });
    return found;
}

FindResult FindResultAt(const EventTable &table, int index)
{
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

#include "exchange/ImportTable.h"

#include "eventdata/Categories.h"
#include "eventdata/DataFile.h"
#include "eventdata/DateText.h"

namespace {

// Any leap year: every-year dates are checked against the longest February.
constexpr int LeapYear = 2000;
const QString February29 = QStringLiteral("0229");

} // namespace

ImportTable::ImportTable(const EventTable &table, const ImportContext &context)
    : table(table), context_(context), categories_(categoryChoices(context.userCategories))
{
}

void ImportTable::offer(Event event)
{
    event.title = toSingleLine(event.title).trimmed().left(Event::TitleLength);
    event.description = toSingleLine(event.description).left(Event::DescriptionLength);
    if (event.title.isEmpty() || event.date.trimmed().size() != Event::DateWidth) {
        skip(SkipReason::Unusable);
        return;
    }
    if (event.isEveryYear() && event.date.endsWith(February29)) {
        event.date = storedDate(0, 2, 28);
        ++report.february29Moved;
    }
    if (!event.isEveryYear() && event.yearText().toInt() < context_.today.year())
        skip(SkipReason::Past);
    else if (holds(event))
        skip(SkipReason::AlreadyThere);
    else if (table.indexOfTitle(event.title) >= 0)
        skip(SkipReason::TitleTaken);
    else if (!table.addEvent(event))
        skip(SkipReason::NoRoom);
    else
        ++report.imported;
}

QString ImportTable::categoryFor(const QString &name) const
{
    for (const QString &category : categories_) {
        if (!category.isEmpty() && category.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return category;
    }
    return {};
}

bool ImportTable::holds(const Event &event) const
{
    for (int i = 0; i < table.size(); ++i) {
        if (table.events[i].title == event.title && table.events[i].date == event.date)
            return true;
    }
    return false;
}

QString storedDate(int year, int month, int day)
{
    if (year < 0 || year > 9999 || day < 1 || day > daysInMonth(month, year == 0 ? LeapYear : year))
        return {};
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')) + twoDigits(month) + twoDigits(day);
}

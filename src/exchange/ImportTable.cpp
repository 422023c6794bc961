#include "exchange/ImportTable.h"

#include "eventdata/Categories.h"
#include "eventdata/DateText.h"

#include <optional>

namespace {

// Any leap year: every-year dates are checked against the longest February.
constexpr int LeapYear = 2000;

// The copy of the calendar that an import fills.
class ImportTable {
public:
    ImportTable(const EventTable &calendar, const ImportReport &report, QDate today)
        : result{calendar, report}, today_(today)
    {
    }

    void offer(const ReadEvent &read);

    ImportResult result;

private:
    std::optional<SkipReason> refusalOf(const Event &event) const;
    bool holds(const Event &event) const;

    QDate today_;
};

void ImportTable::offer(const ReadEvent &read)
{
    Event event = read.event;
    fitTextsToTheDialog(event);
    const bool moved = event.date == EventDate{0, 2, 29};
    if (moved)
        event.date = {0, 2, 28};
    std::optional<SkipReason> reason = refusalOf(event);
    if (!reason && !result.table.addEvent(event))
        reason = SkipReason::NoRoom;
    if (reason) {
        ++result.report.skippedFor(*reason);
        return;
    }
    ++result.report.imported;
    result.report.repeatsAsOneTime += read.repeating;
    result.report.february29Moved += moved;
}

std::optional<SkipReason> ImportTable::refusalOf(const Event &event) const
{
    if (event.title.isEmpty() || !event.date.isReadable())
        return SkipReason::Unusable;
    if (!event.isEveryYear() && event.date.year < today_.year())
        return SkipReason::Past;
    if (holds(event))
        return SkipReason::AlreadyThere;
    if (result.table.indexOfTitle(event.title) >= 0)
        return SkipReason::TitleTaken;
    return std::nullopt;
}

bool ImportTable::holds(const Event &event) const
{
    for (int i = 0; i < result.table.size(); ++i) {
        if (result.table.events[i].title == event.title && result.table.events[i].date == event.date)
            return true;
    }
    return false;
}

} // namespace

ImportReading::ImportReading(const ImportContext &context)
    : context_(context), categories_(categoryChoices(context.userCategories))
{
}

QString ImportReading::categoryFor(const QString &name) const
{
    for (const QString &category : categories_) {
        if (!category.isEmpty() && category.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return category;
    }
    return {};
}

ImportResult enterImport(const ImportReading &reading, const EventTable &calendar)
{
    ImportTable table(calendar, reading.report, reading.context().today);
    if (!reading.report.refused()) {
        for (const ReadEvent &read : reading.events)
            table.offer(read);
    }
    return table.result;
}

EventDate importedDate(int year, int month, int day)
{
    if (year < 0 || year > 9999 || day < 1 || day > daysInMonth(month, year == 0 ? LeapYear : year))
        return EventDate::none();
    return {year, month, day};
}

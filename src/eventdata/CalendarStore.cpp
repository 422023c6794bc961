#include "eventdata/CalendarStore.h"

CalendarStore::CalendarStore(EventTable &table, Save save, QObject *parent)
    : QObject(parent), table_(table), save_(std::move(save))
{
}

bool CalendarStore::add(const Event &event)
{
    if (!table_.addEvent(event))
        return false;
    announceAndSave({CalendarChange::Kind::Added, table_.eventCount, {}, table_.events[table_.eventCount]});
    return true;
}

void CalendarStore::change(int index, const Event &event)
{
    const Event before = table_.events[index];
    table_.events[index] = event;
    announceAndSave({CalendarChange::Kind::Changed, index, before, event});
}

void CalendarStore::remove(int index)
{
    const Event before = table_.events[index];
    table_.removeEvent(index);
    announceAndSave({CalendarChange::Kind::Removed, index, before, {}});
}

void CalendarStore::replaceAll(const EventTable &table)
{
    table_ = table;
    announceAndSave({});
}

void CalendarStore::answerAlert(int index, const Event &event)
{
    const Event before = table_.events[index];
    table_.events[index] = event;
    emit changed({CalendarChange::Kind::Answered, index, before, event});
}

void CalendarStore::announceAndSave(const CalendarChange &change)
{
    emit changed(change);
    save_(table_);
}

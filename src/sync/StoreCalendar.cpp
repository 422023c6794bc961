#include "sync/StoreCalendar.h"

#include "eventdata/CalendarStore.h"

#include <QScopedValueRollback>

#include <algorithm>

CalendarFields fieldsOf(const Event &event)
{
    CalendarFields fields;
    fields.title = event.title;
    fields.description = event.description;
    fields.category = event.category;
    fields.date = event.date;
    fields.time = event.time;
    fields.leadDays = qAbs(event.notifyingDays);
    fields.alertOff = event.notifyingDays < 0;
    fields.sound = event.sound;
    return fields;
}

bool isSyncable(const Event &event)
{
    return event.unreadDate.isEmpty() && event.unreadTime.isEmpty() && event.date.fallsOnADay();
}

StoreCalendar::StoreCalendar(CalendarStore &store, QObject *parent) : QObject(parent), store_(store)
{
    connect(&store_, &CalendarStore::changed, this, &StoreCalendar::noteChange);
}

void StoreCalendar::noteChange(const CalendarChange &change)
{
    if (writing_)
        return;
    if (change.kind == CalendarChange::Kind::Changed && change.before.title != change.after.title) {
        bool followed = false;
        for (QString &now : renamed_)
            if (now == change.before.title) {
                now = change.after.title;
                followed = true;
            }
        if (!followed && !renamed_.contains(change.before.title))
            renamed_.insert(change.before.title, change.after.title);
    }
    emit changedElsewhere();
}

std::vector<LocalItem> StoreCalendar::items() const
{
    std::vector<LocalItem> all;
    const EventTable &table = store_.table();
    for (int i = 0; i < table.size(); ++i)
        if (isSyncable(table.events[i]))
            all.push_back(itemAt(i));
    return all;
}

// A key the calendar no longer holds gives no title: the event went while
// the pass ran, and nothing is sent for it.
CalendarFields StoreCalendar::fields(const QString &key) const
{
    const int index = indexOf(key);
    return index < 0 ? CalendarFields() : fieldsOf(store_.table().events[index]);
}

LocalItem StoreCalendar::add(const CalendarFields &fields)
{
    const QScopedValueRollback writing(writing_, true);
    if (!store_.add(eventFor(fields, -1)))
        return {};
    return itemAt(store_.table().eventCount);
}

LocalItem StoreCalendar::replace(const QString &key, const CalendarFields &fields)
{
    const int index = indexOf(key);
    if (index < 0)
        return {};
    const QScopedValueRollback writing(writing_, true);
    Event event = eventFor(fields, index);
    event.remindAgain = store_.table().events[index].remindAgain;
    store_.change(index, event);
    return itemAt(index);
}

void StoreCalendar::remove(const QString &key)
{
    const int index = indexOf(key);
    if (index < 0)
        return;
    const QScopedValueRollback writing(writing_, true);
    store_.remove(index);
}

int StoreCalendar::room() const
{
    return EventTable::Capacity - store_.table().size();
}

int StoreCalendar::indexOf(const QString &key) const
{
    return key.isEmpty() ? -1 : store_.table().indexOfTitle(key);
}

// As the event dialog would keep it: one line of title and description, cut
// to their lengths, and a title no other event has (a number added).
Event StoreCalendar::eventFor(const CalendarFields &fields, int except) const
{
    Event event;
    event.title = fields.title;
    event.description = fields.description;
    fitTextsToTheDialog(event);
    event.category = fields.category;
    event.date = fields.date;
    event.time = fields.time;
    event.sound = fields.sound;
    // The event dialog takes two digits of lead days; a phone may give more.
    const int leadDays = std::clamp(fields.leadDays, 0, Event::MostLeadDays);
    event.notifyingDays = static_cast<qint16>(fields.alertOff ? -leadDays : leadDays);
    const QString title = event.title;
    const auto taken = [this, except](const QString &candidate) {
        const int index = store_.table().indexOfTitle(candidate);
        return index >= 0 && index != except;
    };
    for (int number = 2; taken(event.title); ++number) {
        const QString suffix = QStringLiteral(" (%1)").arg(number);
        event.title = title.left(Event::TitleLength - suffix.size()) + suffix;
    }
    return event;
}

LocalItem StoreCalendar::itemAt(int index) const
{
    const Event &event = store_.table().events[index];
    return {event.title, event.title, event.date, contentHash(fieldsOf(event))};
}

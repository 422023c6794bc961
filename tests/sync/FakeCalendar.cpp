#include "FakeCalendar.h"

std::vector<LocalItem> FakeCalendar::items() const
{
    std::vector<LocalItem> all;
    for (const auto &[key, fields] : events_)
        all.push_back(itemOf(key));
    return all;
}

CalendarFields FakeCalendar::fields(const QString &key) const
{
    return events_.at(key);
}

LocalItem FakeCalendar::add(const CalendarFields &fields)
{
    if (room() <= 0)
        return {};
    const QString key = QStringLiteral("k%1").arg(nextKey_++);
    events_[key] = fields;
    return itemOf(key);
}

LocalItem FakeCalendar::replace(const QString &key, const CalendarFields &fields)
{
    events_.at(key) = fields;
    return itemOf(key);
}

void FakeCalendar::remove(const QString &key)
{
    events_.erase(key);
}

QString FakeCalendar::keyOf(const QString &title) const
{
    for (const auto &[key, fields] : events_)
        if (fields.title == title)
            return key;
    return {};
}

QStringList FakeCalendar::titles() const
{
    QStringList all;
    for (const auto &[key, fields] : events_)
        all.append(fields.title);
    all.sort();
    return all;
}

LocalItem FakeCalendar::itemOf(const QString &key) const
{
    const CalendarFields &fields = events_.at(key);
    return {key, fields.title, fields.date, contentHash(fields)};
}

CalendarFields eventFields(const char *title, EventDate date, int leadDays)
{
    CalendarFields fields;
    fields.title = QString::fromUtf8(title);
    fields.date = date;
    fields.leadDays = leadDays;
    return fields;
}

#include "FakeCalendar.h"

#include <algorithm>

std::vector<LocalItem> FakeCalendar::items() const
{
    std::vector<LocalItem> all;
    for (const auto &[key, fields] : events_)
        all.push_back(itemOf(key));
    return all;
}

CalendarFields FakeCalendar::fields(const QString &key) const
{
    if (atNextRead)
        std::exchange(const_cast<FakeCalendar *>(this)->atNextRead, nullptr)();
    return events_.at(key);
}

LocalItem FakeCalendar::add(const CalendarFields &fields)
{
    if (room() <= 0)
        return {};
    const QString key = QStringLiteral("k%1").arg(nextKey_++);
    events_[key] = fields;
    events_[key].title = uniqueTitle(fields.title, key);
    return itemOf(key);
}

LocalItem FakeCalendar::replace(const QString &key, const CalendarFields &fields)
{
    events_.at(key) = fields;
    events_[key].title = uniqueTitle(fields.title, key);
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

QString FakeCalendar::uniqueTitle(const QString &title, const QString &except) const
{
    const auto taken = [this, &except](const QString &candidate) {
        return std::any_of(events_.begin(), events_.end(),
                           [&](const auto &event) { return event.first != except && event.second.title == candidate; });
    };
    QString unique = title;
    for (int number = 2; taken(unique); ++number)
        unique = QStringLiteral("%1 (%2)").arg(title).arg(number);
    return unique;
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

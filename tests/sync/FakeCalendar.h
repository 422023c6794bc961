#pragma once

#include "sync/LocalCalendar.h"

#include <map>

// The calendar here, held in memory as the application holds its table,
// with room for a fixed number of events.
class FakeCalendar : public LocalCalendar {
public:
    explicit FakeCalendar(int capacity = 256) : capacity_(capacity) {}

    std::vector<LocalItem> items() const override;
    CalendarFields fields(const QString &key) const override;
    LocalItem add(const CalendarFields &fields) override;
    LocalItem replace(const QString &key, const CalendarFields &fields) override;
    void remove(const QString &key) override;
    int room() const override { return capacity_ - static_cast<int>(events_.size()); }

    // The key of the event with title; empty when there is none.
    QString keyOf(const QString &title) const;
    // Every title, sorted.
    QStringList titles() const;

private:
    LocalItem itemOf(const QString &key) const;

    int capacity_;
    int nextKey_ = 1;
    std::map<QString, CalendarFields> events_;
};

CalendarFields eventFields(const char *title, EventDate date, int leadDays = 0);

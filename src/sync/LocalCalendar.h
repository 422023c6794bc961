#pragma once

#include "sync/CalendarFields.h"
#include "sync/SyncDecision.h"

#include <QString>

#include <vector>

// The calendar here, as a sync pass reads and changes it. The application
// puts its event table behind it; every change goes through its one change
// path, so that the windows and the saved file follow.
class LocalCalendar {
public:
    virtual ~LocalCalendar() = default;

    // Each item's hash is contentHash of its fields().
    virtual std::vector<LocalItem> items() const = 0;
    virtual CalendarFields fields(const QString &key) const = 0;
    // The event as the calendar keeps it: a title made unique, a text cut to
    // its length; its hash is that of what was kept. An empty key when the
    // event could not be added.
    virtual LocalItem add(const CalendarFields &fields) = 0;
    virtual LocalItem replace(const QString &key, const CalendarFields &fields) = 0;
    virtual void remove(const QString &key) = 0;
    // How many more events the calendar can take.
    virtual int room() const = 0;
};

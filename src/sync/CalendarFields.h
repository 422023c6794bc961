#pragma once

#include "eventdata/EventDate.h"

#include <QByteArray>
#include <QString>
#include <QTime>

#include <optional>

// What the calendar holds of one event, in the terms the server exchange
// uses; everything else of a server's event is left as the server has it.
struct CalendarFields {
    QString title;
    QString description;
    QString category;
    EventDate date;
    std::optional<QTime> time; // the wall clock wherever the calendar is read
    int leadDays = 0;          // days of alert ahead; 0 for none
    bool alertOff = false;     // switched off, leadDays kept for when it is on again
    QString sound;
    bool operator==(const CalendarFields &) const = default;
};

// The same fields give the same hash on every machine and in every run; any
// difference in any field gives another.
QByteArray contentHash(const CalendarFields &fields);

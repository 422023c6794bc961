#pragma once

#include "sync/CalendarFields.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

// Why the calendar cannot hold a server's item. Such items stay on the
// server as they are: never rewritten, never deleted.
enum class HoldProblem : quint8 {
    None,
    Unreadable,  // not iCalendar
    NotAnEvent,  // a to-do, a journal entry, or not exactly one event
    Untitled,    // no summary
    NoStart,     // no start date
    Repeats,     // a rule other than every year, extra or skipped dates, changed occurrences
    SeveralDays, // lasts longer than one day
    UnknownZone, // a time in a time zone that cannot be found
    Past,        // a one-time event of a past year, which the calendar drops
};

struct ServerEvent {
    QString uid;
    HoldProblem problem = HoldProblem::None;
    CalendarFields fields; // what the calendar holds of it, when problem is None
};

// Reads one calendar resource as the server keeps it. A time in a time zone
// becomes the local wall clock; a date stays the same day everywhere.
ServerEvent readServerEvent(const QByteArray &ics, QDate today);

// A new resource for fields, with its UID; stamp is the moment of writing.
QByteArray newServerEvent(const QString &uid, const CalendarFields &fields, const QDateTime &stamp);

// The server's copy with the fields put in, every property the calendar does
// not hold kept (a location, a second alarm, an attendee). When the copy
// already holds these fields it comes back byte for byte, so an unchanged
// event is never written again.
QByteArray mergeServerEvent(const QByteArray &serverCopy, const CalendarFields &fields, const QDateTime &stamp);

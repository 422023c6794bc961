#pragma once

#include <QDate>
#include <QString>

#include <optional>

struct Event;

// The day an event falls on next: its own date for a one-time event; for an
// every-year event its month and day this year, or next year once that day
// has passed. Empty when the stored date names no real day (31 April, or an
// every-year 29 February in a common year).
std::optional<QDate> nextOccurrence(const Event &event, const QDate &today);

// Whole days from today to NextOccurrence (today 0, tomorrow 1, yesterday -1).
std::optional<qint64> daysLeft(const Event &event, const QDate &today);

// Whether the event belongs on a calendar day; every-year events match any
// year. The day may be one a month does not have (0, 31 April), as the
// day-by-day searches walk them; a date that is no day matches none.
bool eventOnDate(const Event &event, int day, int month, int year);

// A stored yyyymmdd date such as LastCheck; invalid unless its first eight
// characters are digits that name a real day.
QDate readStoredDay(QStringView yyyymmdd);

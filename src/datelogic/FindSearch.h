#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

struct EventTable;

// The titles of the events whose title holds text (ignoring case), narrowed
// by an optional month name and year ("" for no filter; every-year events
// pass any year). Events with an empty title are never listed. The titles
// come in case-insensitive alphabetical order, once per matching event.
QStringList FindEventTitles(const EventTable &table, const QString &text, const QString &monthName,
                            const QString &year);

// What the find dialog keeps of the chosen result.
struct FindResult {
    QString yearText;  // four digits, or "every year"
    QString monthName;
    QString dayText;   // without a leading zero
    QString tooltip;   // "Dentist, March 5, 2002"

    // The year to show: the event's own, or for an every-year event this year
    // until its month has passed, then next year.
    int jumpYear(const QDate &today) const;
};

// The first event with exactly this title.
std::optional<FindResult> FindResultFor(const EventTable &table, const QString &title);

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

struct EventTable;

// The events whose title holds text (ignoring case), narrowed by an optional
// month name and year ("" for no filter; every-year events pass any year), as
// indexes in the case-insensitive alphabetical order of their titles. Events
// with an empty title are never found.
std::vector<int> findEvents(const EventTable &table, const QString &text, const QString &monthName,
                            const QString &year);

// What the find dialog keeps of the chosen result.
struct FindResult {
    QString yearText; // four digits, or "every year"
    QString monthName;
    QString dayText; // without a leading zero
    QString tooltip; // "Dentist, March 5, 2002"

    // The day to show in the event's own year, or for an every-year event this
    // year until its month has passed, then next year. A day number the month
    // lacks (a hand-edited 32) takes the month's nearest day; invalid when the
    // month is none.
    QDate jumpDate(const QDate &today) const;
};

// The details of the event at index. Each result keeps its own event, so two
// events of the same title lead to their own dates.
FindResult findResultAt(const EventTable &table, int index);

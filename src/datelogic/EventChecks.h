#pragma once

#include <QDate>
#include <QString>

#include <optional>

struct EventTable;

// The fields of the event dialog as typed.
struct EventForm {
    QString title;
    QString year;      // empty: every year
    QString monthName;
    QString day;
    QString hours;     // empty with minutes empty: no time of day
    QString minutes;
};

struct CheckMessage {
    QString title;
    QString text;
};

// Runs every check of the event dialog in order; when several fail, the last
// one's message is the one to show. editedIndex is the event being edited,
// -1 when a new one is added. Empty when the form may be saved.
std::optional<CheckMessage> checkEventForm(const EventTable &table, const EventForm &form, int editedIndex,
                                           const QDate &today);

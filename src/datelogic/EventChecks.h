#pragma once

#include "datelogic/EventForm.h"

#include <QDate>
#include <QString>

#include <optional>

struct EventTable;

struct CheckMessage {
    QString title;
    QString text;
};

// Runs every check of the event dialog in order; when several fail, the last
// one's message is the one to show. editedIndex is the event being edited,
// -1 when a new one is added. Empty when the form may be saved.
std::optional<CheckMessage> checkEventForm(const EventTable &table, const EventForm &form, int editedIndex,
                                           const QDate &today);

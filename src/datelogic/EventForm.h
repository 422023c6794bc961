#pragma once

#include "eventdata/Event.h"

#include <QString>

// The fields of the event dialog as typed.
struct EventForm {
    QString title;
    QString year; // empty: every year
    QString monthName;
    QString day;
    QString hours; // empty with minutes empty: no time of day
    QString minutes;
    QString description = {};
    QString category = {};
    QString sound = {};
    QString alertDays = {}; // lead time in days, empty for none
    bool alertOffThisYear = false;
    bool twelveHourClock = false; // the hours are read with pm
    bool pm = false;
};

// The number the leading digits of a box spell, 0 when there are none (or
// more than the nine the boxes never hold).
int boxNumber(const QString &text);

// The checked form written into event; what the form does not show, such as
// a pending reminder, stays as it was.
Event eventFromForm(const EventForm &form, Event event);

// An event as the dialog shows it for a change.
EventForm formFromEvent(const Event &event, bool twelveHourClock, int currentYear);

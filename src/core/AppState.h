#pragma once

#include "eventdata/EventTable.h"
#include "notes/NoteTable.h"
#include "settings/Settings.h"

#include <QString>

// Everything the program knows during a run. The program owns one instance
// and hands it to its windows by reference.
struct AppState : EventTable, NoteTable, Settings, MainWindowPosition {
    QString DataFolder;
    // Date of the previous save of calendar.dat (yyyymmdd) as loaded; saving
    // does not change it.
    QString LastCheck;

    // The date the main window shows: the day as text, with the month name and
    // year of its lists.
    QString DisplayedDay;
    // The last drawn date in both its forms, for the diagnostics window.
    QString DisplayedDateInfo;
    // Set while the program itself changes the displayed date, so the month and
    // year lists ignore their change signals.
    bool Navigating = true;
    qint16 SelectedEvent = -1;
    qint16 OpenNoteIndex = -1;

    // The alert window's event and whether its date has already passed.
    qint16 AlertEventIndex = -1;
    qint16 AlertMissed = 0;
    // The answer the last modal dialog left: a button caption of the general
    // dialog, or the alert window's remind-again choice.
    QString DialogResult;
    bool DialogCheckbox = false;
};

#pragma once

#include "eventdata/EventTable.h"
#include "notes/NoteTable.h"
#include "settings/Settings.h"

#include <QString>

// Everything the program knows during a run. The program owns one instance
// and hands it to its windows by reference.
struct AppState : EventTable, NoteTable, Settings, MainWindowPosition {
    QString dataFolder;
    // Date of the previous save of calendar.dat (yyyymmdd) as loaded; saving
    // does not change it.
    QString lastCheck;

    // The date the main window shows: the day as text, with the month name and
    // year of its lists.
    QString displayedDay;
    // The last drawn date in both its forms, for the diagnostics window.
    QString displayedDateInfo;
    // Set while the program itself changes the displayed date, so the month and
    // year lists ignore their change signals.
    bool navigating = true;
};

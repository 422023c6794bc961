#pragma once

#include "eventdata/EventTable.h"
#include "notes/NoteTable.h"
#include "settings/Settings.h"

#include <QString>

// Everything the program knows during a run. The program owns one instance
// and hands each window and rule only the part it uses.
struct AppState {
    EventTable events;
    NoteTable notes;
    Settings settings;
    MainWindowPosition position;
    QString dataFolder;
    // Date of the previous save of calendar.dat (yyyymmdd) as loaded; saving
    // does not change it.
    QString lastCheck;
};

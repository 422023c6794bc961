#pragma once

#include "settings/SyncSettings.h"

#include <QString>

#include <array>

// The user's preferences and category names. Flags are 1 for on, 0 for off.
struct Settings {
    qint16 autostart = 0;
    qint16 loadMinimized = 0;
    qint16 mute = 0;
    qint16 timeFormat = 24; // 12 = 12-hour clock with AM/PM; anything else = 24-hour clock
    qint16 confirmExit = 1;
    qint16 confirmRemoveE = 1;
    qint16 confirmRemoveN = 1;
    std::array<QString, 3> userCategories;
    qint16 markDays = 0; // 1 = the month grid marks days with events and today
    SyncSettings sync{};

    bool uses12HourClock() const { return timeFormat == 12; }
    // Back to the defaults of the [General] values; the category names stay.
    void resetGeneralToDefaults();
};

// The main window's stored position, in twips.
struct MainWindowPosition {
    qint16 mainTop = 200;
    qint16 mainLeft = 200;
};

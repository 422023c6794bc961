#pragma once

#include <QString>

#include <array>

// The user's preferences and category names. Flags are 1 for on, 0 for off.
struct Settings {
    qint16 Autostart = 0;
    qint16 LoadMinimized = 0;
    qint16 Mute = 0;
    qint16 TimeFormat = 24; // 12 = 12-hour clock with AM/PM; anything else = 24-hour clock
    qint16 ConfirmExit = 1;
    qint16 ConfirmRemoveE = 1;
    qint16 ConfirmRemoveN = 1;
    std::array<QString, 3> UserCategories;

    bool uses12HourClock() const { return TimeFormat == 12; }
    // Back to the defaults of the [General] values; the category names stay.
    void resetGeneralToDefaults();
};

// The main window's stored position, in twips.
struct MainWindowPosition {
    qint16 MainTop = 200;
    qint16 MainLeft = 200;
};

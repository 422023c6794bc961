#pragma once

#include "eventdata/FileErrors.h"
#include "eventdata/DataFile.h"

struct MainWindowPosition;
struct Settings;

// tarrow.ini: the preferences, the main window's position and the user
// category names.
class SettingsFile {
public:
    static const QString FileName;
    // What a failure of the file means to the user.
    static FileStakes stakes();

    SettingsFile(const QString &dataFolder, FileErrorReporter &reporter);

    // Starts from the defaults (the category names stay as they are); after a
    // failure the values read before it stay.
    bool loadSettings(Settings &settings, MainWindowPosition &position, MissingFile missing = MissingFile::IsAnError);
    bool saveSettings(const Settings &settings, const MainWindowPosition &position);

    static QString format(const Settings &settings, const MainWindowPosition &position);
    // Applies the lines over the values as they are. Text in which no item
    // matches a key is no settings file: unreadable.
    static FileError parse(const QStringList &lines, Settings &settings, MainWindowPosition &position);

private:
    DataFile file_;
};

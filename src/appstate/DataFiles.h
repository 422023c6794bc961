#pragma once

#include "eventdata/CalendarFile.h"
#include "eventdata/FileErrorCollector.h"
#include "notes/NotesFile.h"
#include "settings/SettingsFile.h"

#include <functional>
#include <vector>

class Clock;
struct AppState;

// The program's three data files in its data folder: read at start, the
// calendar saved on every change, all three saved together at the end.
class DataFiles {
public:
    DataFiles(const QString &folder, FileErrorReporter &reporter, const Clock &clock);

    // Reads the settings. This instance holds the folder's lock, so a
    // temporary file left there is a killed save's; and in a folder without
    // any data file, none is missing: it is a first start.
    void loadSettings(AppState &state);
    void loadTables(AppState &state);
    // Until the tables were read there is nothing to save: saving would
    // write them empty and mark the alerts not yet shown as seen.
    bool tablesLoaded() const { return tablesLoaded_; }

    void saveCalendar(const EventTable &table);
    // Runs before (which may save the notes as their windows close), then
    // saves the settings, the notes and the calendar, in this order; returns
    // the saves that failed, whose reports are held back.
    std::vector<FailedSave> saveAll(const AppState &state, const std::function<void()> &before);

    NotesFile &notesFile() { return notesFile_; }

private:
    QString folder_;
    FileErrorCollector reports_;
    MissingFile missingFiles_ = MissingFile::IsAnError;
    SettingsFile settingsFile_;
    CalendarFile calendarFile_;
    NotesFile notesFile_;
    bool tablesLoaded_ = false;
};

#include "appstate/DataFiles.h"

#include "appstate/AppState.h"
#include "eventdata/DataFolder.h"

DataFiles::DataFiles(const QString &folder, FileErrorReporter &reporter, const Clock &clock)
    : folder_(folder), reports_(reporter), settingsFile_(folder, reports_), calendarFile_(folder, reports_, clock),
      notesFile_(folder, reports_)
{
}

void DataFiles::loadSettings(AppState &state)
{
    removeStaleTemporaryFiles(folder_);
    missingFiles_ = holdsNoDataFile(folder_) ? MissingFile::IsEmpty : MissingFile::IsAnError;
    settingsFile_.loadSettings(state.settings, state.position, missingFiles_);
}

void DataFiles::loadTables(AppState &state)
{
    calendarFile_.loadCalendar(state.events, state.lastCheck, missingFiles_);
    notesFile_.loadNotes(state.notes, missingFiles_);
    tablesLoaded_ = true;
}

void DataFiles::saveCalendar(const EventTable &table)
{
    calendarFile_.saveCalendar(table);
}

std::vector<FailedSave> DataFiles::saveAll(const AppState &state, const std::function<void()> &before)
{
    reports_.startCollecting();
    before();
    settingsFile_.saveSettings(state.settings, state.position);
    notesFile_.saveNotes(state.notes);
    calendarFile_.saveCalendar(state.events);
    return reports_.stopCollecting();
}

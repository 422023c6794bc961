#pragma once

#include "appstate/DataFiles.h"

#include <functional>
#include <vector>

class Help;
class NoteWindows;
class Platform;
class QTimer;
class QWidget;
struct AppState;

// Ends the program: the question before Quit when the user wants it, the
// saves of the settings, the notes and the calendar, and the windows closed.
// When a save fails the user may keep the program running, so that nothing
// held only in memory is lost. Before the start-up has read the files
// nothing is saved: the empty tables would overwrite the user's files.
class ProgramExit {
public:
    ProgramExit(AppState &state, Platform &platform, Help &help, DataFiles &files, NoteWindows &notes, QTimer &timer,
                QWidget &window);

    // Returns false when the program keeps running.
    bool requestExit();
    // The system asks the program to end (a signal): everything is kept as at
    // the session's end, and no window waits for an answer that may never come.
    void exitWithoutQuestion();
    // The desktop session is ending: keep everything without asking, and
    // without a window about what could not be kept.
    void saveForSessionEnd();
    bool isExiting() const { return exiting_; }

private:
    bool saveForExit();
    std::vector<FailedSave> saveAll(const std::function<void()> &closeNotes);
    void endProgram();

    AppState &state_;
    Platform &platform_;
    Help &help_;
    DataFiles &files_;
    NoteWindows &notes_;
    QTimer &timer_;
    QWidget &window_;
    bool exiting_ = false;
};

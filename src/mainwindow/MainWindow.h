#pragma once

#include "appstate/DataFiles.h"
#include "menus/MenuItem.h"
#include "platform/Autostart.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <initializer_list>
#include <memory>

class AlertCheck;
class AlertScheduler;
class AlertWindow;
class CalendarStore;
class CalendarView;
class DayNavigator;
class EventDialog;
class ExchangeCommands;
class FileErrorReporter;
class Help;
class NotesMenu;
class NoteWindows;
class Platform;
class ProgramExit;
class ProgramMenus;
class QAction;
class QLabel;
class QMenu;
class SyncController;
struct AppState;

// The program's main window. Creating it and calling start() starts the
// program; only requestExit() ends it, closing or minimizing the window hides
// it in the tray.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState &state, Platform &platform, FileErrorReporter &reporter, Help &help, AlertWindow &alertWindow);
    ~MainWindow() override;

    // Reads the settings, places and shows the window (unless it starts in the
    // tray), adds the tray icon and starts the timer whose first tick loads
    // the calendar and the notes.
    void start();
    // Asks before quitting when the user wants to be asked, then saves the
    // settings, the notes and the calendar, in this order, and ends the program.
    // When a save fails the user may keep it running instead, so that nothing
    // held only in memory is lost. Returns false when it keeps running.
    // Before the start-up tick has read the files, nothing is saved.
    bool requestExit();
    // The system asks the program to end: as Quit, without any question.
    void exitWithoutQuestion();
    // The desktop session is ending: keep everything without asking, and
    // without a window about what could not be kept.
    void saveForSessionEnd();
    // Brings the window back from the tray in front of other programs.
    void restoreFromTray();

    // Opens the event dialog on the displayed day, unless the table is full.
    void addEvent();
    // Opens a new note, unless every note is taken.
    void addNote();
    // Opens the stored note at index.
    void editNote(int index);

    QTimer &timer() { return timer_; }
    // File > Import events... and Export events...
    ExchangeCommands &exchange() { return *exchange_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildToolbar(QWidget *client);
    QMenu *addMenu(const QString &caption, const QString &objectName, std::initializer_list<MenuItem> items);
    QMenu *addPopup(const QString &objectName, std::initializer_list<MenuItem> items);
    void addDiagnosticsKeys();
    void openSettings();
    void openFind();
    void editSelectedEvent();
    void removeSelectedEvent();
    void checkForUpdate();
    void finishStartup();
    void placeWindow();

    AppState &state_;
    Platform &platform_;
    Help &help_;

    DataFiles files_;
    Autostart autostart_;
    CalendarStore *store_ = nullptr;

    QTimer timer_;
    std::unique_ptr<AlertCheck> alertCheck_;
    std::unique_ptr<AlertScheduler> scheduler_;
    std::unique_ptr<ExchangeCommands> exchange_;

    QLabel *labelLoading_ = nullptr;
    QLabel *labelHelp_ = nullptr;
    QLabel *labelSync_ = nullptr;
    SyncController *sync_ = nullptr;
    CalendarView *calendar_ = nullptr;
    DayNavigator *navigator_ = nullptr;
    std::unique_ptr<ProgramExit> exit_;
    std::array<QWidget *, 3> shownAfterLoad_{};
    QAction *toolbarRemove_ = nullptr;
    QMenu *menuSystray_ = nullptr;
    ProgramMenus *menus_ = nullptr;
    NotesMenu *notesMenu_ = nullptr;
    NoteWindows *noteWindows_ = nullptr;
    QMenu *menuPopupCalendar_ = nullptr;
};

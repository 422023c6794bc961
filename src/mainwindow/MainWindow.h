#pragma once

#include "eventdata/CalendarFile.h"
#include "notes/NotesFile.h"
#include "settings/SettingsFile.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class AlertCheck;
class AlertScheduler;
class AlertWindow;
class FileErrorReporter;
class Help;
class Platform;
class QComboBox;
class QLabel;
class QMenu;
struct AppState;

// The program's main window. Creating it and calling start() starts the
// program; only requestExit() ends it, closing or minimizing the window hides
// it in the tray.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState &state, Platform &platform, FileErrorReporter &reporter, Help &help,
               AlertWindow &alertWindow);
    ~MainWindow() override;

    // Reads the settings, places and shows the window (unless it starts in the
    // tray), adds the tray icon and starts the timer whose first tick loads
    // the calendar and the notes.
    void start();
    // Asks before quitting when the user wants to be asked, then saves the
    // settings, the notes and the calendar, in this order, and ends the program.
    // Returns false when the user chose to keep it running.
    bool requestExit();
    // The desktop session is ending: keep everything without asking.
    void saveForSessionEnd();
    // Brings the window back from the tray in front of other programs.
    void restoreFromTray();

    QTimer &timer() { return timer_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void finishStartup();
    void placeWindow();
    void storePosition();
    void saveAll();

    AppState &state_;
    Platform &platform_;
    FileErrorReporter &reporter_;
    Help &help_;

    SettingsFile settingsFile_;
    CalendarFile calendarFile_;
    NotesFile notesFile_;

    QTimer timer_;
    std::unique_ptr<AlertCheck> alertCheck_;
    std::unique_ptr<AlertScheduler> scheduler_;

    QLabel *labelLoading_ = nullptr;
    QWidget *pictureCalendar_ = nullptr;
    QComboBox *comboMonth_ = nullptr;
    QComboBox *comboYear_ = nullptr;
    QMenu *menuSystray_ = nullptr;
    bool exiting_ = false;
};

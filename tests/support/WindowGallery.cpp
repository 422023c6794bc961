#include "WindowGallery.h"

#include "appstate/AppState.h"
#include "alerts/AlertDialog.h"
#include "datelogic/AlertScheduler.h"
#include "datelogic/MonthLayout.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ErrorTrackingWindow.h"
#include "messages/FileErrorDialogReporter.h"
#include "dialogs/SettingsDialog.h"
#include "settings/SettingsFile.h"
#include "editing/EventDialog.h"
#include "eventdata/CalendarFile.h"
#include "eventdata/CalendarStore.h"
#include "exchange/ImportReport.h"
#include "find/FindDialog.h"
#include "help/Help.h"
#include "help/HelpViewer.h"
#include "mainwindow/ExchangeCommands.h"
#include "mainwindow/MainWindow.h"
#include "notes/NotesFile.h"
#include "notewindows/NoteWindow.h"
#include "dialogs/SyncPage.h"
#include "platform/Autostart.h"
#include "platform/MemoryCredentialStore.h"
#include "FakePlatform.h"
#include "ModalDriver.h"

#include <QtWidgets>
#include <QtTest>

#include <memory>

namespace {

// The system every entry runs on, with long texts that fill the windows.
struct World {
    DataFolderFixture folder;
    FakePlatform platform{QDate(2026, 12, 6)};
    RecordingReporter reporter;
    AppState state;
    CalendarStore store{state.events, [](const EventTable &) {}};
    Autostart autostart;
    MemoryCredentialStore credentials;
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    ScriptedAlertWindow alerts;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<QWidget> window; // the entry's own, gone before what it uses

    World()
    {
        state.dataFolder = folder.path();
        Event dentist = makeEvent("Dentist appointment", "20261206", 3);
        dentist.time = QTime(9, 30);
        dentist.category = "Meeting";
        dentist.description = "Bring the insurance card and the forms from the last visit, and ask whether the bill "
                              "for the crown has been sent to the insurance.";
        state.events.addEvent(dentist);
        Event concert = makeEvent("Rehearsal of the Christmas concert with the whole choir", "00001216", 12);
        concert.time = QTime(19, 30);
        concert.category = "Special event";
        concert.description = "Black trousers and the red folder; the bus leaves at seven from the station, and the "
                              "doors of the hall close at a quarter past.";
        state.events.addEvent(concert);
        state.notes.addNote(Note{"Buy milk\r\ncall the garage about the winter tyres", 3000, 3000});
        state.lastCheck = "20261205";
        state.settings.userCategories = {"Choir", "Grandchildren", QString()};
    }

    QWidget *own(QWidget *made)
    {
        window.reset(made);
        return made;
    }

    // After its first tick has loaded the events and notes.
    MainWindow *startedMain()
    {
        CalendarFile(folder.path(), reporter, platform.clock()).saveCalendar(state.events);
        NotesFile(folder.path(), reporter).saveNotes(state.notes);
        main = std::make_unique<MainWindow>(state, platform, reporter, help, alerts);
        main->start();
        if (!QTest::qWaitFor([this] { return main->timer().interval() == AlertScheduler::RunningInterval; }, 5000))
            qFatal("The main window's first tick never came");
        return main.get();
    }
};

// A window is made and shown, or a message opened by open's exec().
struct Entry {
    const char *name;
    std::function<QWidget *(World &)> make;
    std::function<void(World &)> open = nullptr;
};

EventDialog *eventDialog(World &w, int editIndex = -1)
{
    auto *dialog = new EventDialog(w.state.settings, w.store, w.platform, w.help);
    w.own(dialog);
    if (editIndex < 0)
        dialog->prepareAdd(QDate(2026, 12, 6));
    else
        dialog->prepareEdit(editIndex);
    return dialog;
}

QWidget *settingsPage(World &w, int page)
{
    auto *dialog = new SettingsDialog(w.state.settings, w.autostart, "/opt/tarrowby", w.help);
    w.state.settings.sync = {"https://cloud.example.org/remote.php/dav/calendars/ann.smith/personal/", "ann.smith", 15};
    dialog->addSyncPage(w.credentials)->showLastResult("Offline, will try again");
    dialog->findChild<QListWidget *>("listSettings")->setCurrentRow(page);
    return w.own(dialog);
}

const std::vector<Entry> &entries()
{
    // clang-format off
    static const std::vector<Entry> all = {
        {"formMain", [](World &w) -> QWidget * { return w.startedMain(); }},
        {"formAlertEvent", [](World &w) { return w.own(new AlertDialog(w.state.events, w.state.settings, w.platform, 1, false)); }},
        {"formAlertEvent-missed", [](World &w) { return w.own(new AlertDialog(w.state.events, w.state.settings, w.platform, 1, true)); }},
        {"formAddEditEvent-add", [](World &w) -> QWidget * { return eventDialog(w); }},
        {"formAddEditEvent-edit12",
         [](World &w) -> QWidget * {
             w.state.settings.timeFormat = 12;
             return eventDialog(w, 1);
         }},
        {"formFind", [](World &w) { return w.own(new FindDialog(w.state.events, w.platform.clock(), w.help)); }},
        {"formSettings-General", [](World &w) { return settingsPage(w, 0); }},
        {"formSettings-Time", [](World &w) { return settingsPage(w, 1); }},
        {"formSettings-EventCategories", [](World &w) { return settingsPage(w, 2); }},
        {"formSettings-Sync", [](World &w) { return settingsPage(w, 3); }},
        {"formNote", [](World &w) { return w.own(new NoteWindow(w.state.notes, w.state.settings, w.help, 0, nullptr)); }},
        {"formAboutWelcome", [](World &w) { return w.own(new AboutWindow(w.platform)); }},
        {"formErrorTracking", [](World &w) { return w.own(new ErrorTrackingWindow(w.state.lastCheck, QDate(2026, 12, 6), w.platform)); }},
        {"formHelpViewer",
         [](World &w) -> QWidget * {
             w.help.showHelpTopic(nullptr, HelpTopic::Note);
             return w.help.viewer();
         }},
        // The general dialog in each of its kinds, as the program's callers show it.
        {"formGeneralDialog-YesNo-exit", {}, [](World &w) { w.startedMain()->requestExit(); }},
        {"formGeneralDialog-Ok-check", {},
         [](World &w) { // the longest of the event dialog's checks: a time it cannot read
             EventDialog *dialog = eventDialog(w);
             dialog->findChild<QLineEdit *>("textTitle")->setText("Lunch");
             dialog->findChild<QLineEdit *>("textHours")->setText("9");
             dialog->findChild<QPushButton *>("commandOK")->click();
         }},
        {"formGeneralDialog-Ok-import", {},
         [](World &) { // every line the report can have, with plural counts
             const ZoneChoice zone{"(UTC-05:00) Eastern Time (US & Canada)", "UTC-05:00", false};
             const ZoneChoice defined{"W. Europe Standard Time", "Europe/Berlin", true};
             ImportReport report{.imported = 120, .repeatsAsOneTime = 12, .february29Moved = 12, .withoutBirthday = 12,
                                 .zones = {zone, defined, zone}, .moreZones = 12};
             report.skipped.fill(12);
             showImportReport(nullptr, report);
         }},
        {"formGeneralDialog-Ok-file", {},
         [](World &w) { // the longest: the settings kept under a backup name
             FileErrorDialogReporter(nullptr).reportFileError({"tarrow.ini", FileOperation::Reading,
                                                               FileError::PermissionDenied,
                                                               w.state.dataFolder + "/tarrow.ini.bak12",
                                                               SettingsFile::stakes()});
         }},
        {"formGeneralDialog-YesNo-saves", {},
         [](World &w) { // a data folder that is a file: every exit save fails
             MainWindow *main = w.startedMain();
             w.state.settings.confirmExit = 0; // after the start, which loads the settings
             QDir(w.state.dataFolder).removeRecursively();
             QFile(w.state.dataFolder).open(QIODevice::WriteOnly);
             main->requestExit();
             QFile::remove(w.state.dataFolder);
         }},
        {"formGeneralDialog-Update", {},
         [](World &w) { w.startedMain()->findChild<QAction *>("menuFileUpdate")->trigger(); }},
    };
    // clang-format on
    return all;
}

} // namespace

QStringList WindowGallery::names() const
{
    QStringList all;
    for (const Entry &entry : entries())
        all << entry.name;
    return all;
}

void WindowGallery::visit(const QString &name, const Look &look) const
{
    for (const Entry &entry : entries()) {
        if (name != QLatin1String(entry.name))
            continue;
        World world;
        if (entry.open) {
            const QPointer<ModalWatch> watch = whenModalOpens([&look](QDialog *dialog) {
                look(*dialog);
                dialog->reject();
            });
            entry.open(world);
            delete watch.data();
        } else if (QWidget *window = entry.make(world)) {
            window->show();
            if (QTest::qWaitForWindowExposed(window))
                look(*window);
        }
    }
}

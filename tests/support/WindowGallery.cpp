#include "WindowGallery.h"

#include "alerts/AlertDialog.h"
#include "appstate/AppState.h"
#include "datelogic/AlertScheduler.h"
#include "datelogic/MonthLayout.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ErrorTrackingWindow.h"
#include "dialogs/FileErrorDialogReporter.h"
#include "notewindows/NoteWindow.h"
#include "dialogs/SettingsDialog.h"
#include "editing/EventDialog.h"
#include "eventdata/CalendarFile.h"
#include "find/FindDialog.h"
#include "help/Help.h"
#include "help/HelpViewer.h"
#include "exchange/ImportReport.h"
#include "mainwindow/ExchangeCommands.h"
#include "mainwindow/MainWindow.h"
#include "notes/NotesFile.h"
#include "platform/Autostart.h"
#include "FakePlatform.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// The system every entry runs on, with events and a note that fill the windows.
struct WindowGallery::World {
    DataFolderFixture folder;
    FakePlatform platform{QDate(2026, 12, 6)};
    RecordingReporter reporter;
    AppState state;
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    ScriptedAlertWindow alerts;
    std::unique_ptr<MainWindow> main;

    World()
    {
        state.dataFolder = folder.path();
        Event dentist = makeEvent(QStringLiteral("Dentist appointment"), QStringLiteral("20261206"), 3);
        dentist.time = QStringLiteral("0930");
        dentist.category = QStringLiteral("Meeting");
        dentist.description = QStringLiteral("Bring the insurance card and the forms from the last visit, and ask "
                                             "whether the bill for the crown has been sent to the insurance.");
        state.addEvent(dentist);
        Event concert = makeEvent(QStringLiteral("Rehearsal of the Christmas concert with the whole choir"),
                                  QStringLiteral("00001216"), 12);
        concert.time = QStringLiteral("1930");
        concert.category = QStringLiteral("Special event");
        concert.description = QStringLiteral("Black trousers and the red folder; the bus leaves at seven from the "
                                             "station, and the doors of the hall close at a quarter past.");
        state.addEvent(concert);
        state.addNote(Note{QStringLiteral("Buy milk\r\ncall the garage about the winter tyres"), 3000, 3000});
        state.displayedDateInfo = displayedDateRecord(2026, 12, 6);
        state.lastCheck = QStringLiteral("20261205");
    }

    // The main window after its first tick has loaded the events and notes;
    // null when that tick never came.
    MainWindow *startedMain()
    {
        CalendarFile(folder.path(), reporter, platform.clock()).saveCalendar(state);
        NotesFile(folder.path(), reporter).saveNotes(state);
        main = std::make_unique<MainWindow>(state, platform, reporter, help, alerts);
        main->start();
        const bool started =
            QTest::qWaitFor([this] { return main->timer().interval() == AlertScheduler::RunningInterval; }, 5000);
        return started ? main.get() : nullptr;
    }
};

namespace {

using World = WindowGallery::World;
using Look = WindowGallery::Look;

void lookAtShown(QWidget &window, const Look &look)
{
    window.show();
    if (QTest::qWaitForWindowExposed(&window))
        look(window);
}

// A modal window is looked at while open's exec() shows it, then closed.
void lookAtModal(const std::function<void()> &open, const Look &look)
{
    const QPointer<ModalWatch> watch = whenModalOpens([&look](QDialog *dialog) {
        look(*dialog);
        dialog->reject();
    });
    open();
    delete watch.data();
}

void lookAtAlert(World &world, bool missed, const Look &look)
{
    AlertDialog alert(world.state, world.platform, 1, missed);
    lookAtShown(alert, look);
}

void lookAtEventDialog(World &world, bool twelveHours, const Look &look)
{
    world.state.timeFormat = twelveHours ? 12 : 24;
    EventDialog dialog(world.state, world.platform.clock(), world.help);
    if (twelveHours)
        dialog.prepareEdit(1);
    else
        dialog.prepareAdd(QStringLiteral("6"), QStringLiteral("December"), QStringLiteral("2026"));
    lookAtShown(dialog, look);
}

void lookAtSettingsPage(World &world, int page, const Look &look)
{
    world.state.userCategories = {QStringLiteral("Choir"), QStringLiteral("Grandchildren"), QString()};
    Autostart autostart;
    SettingsDialog dialog(world.state, autostart, QStringLiteral("/opt/tarrowby"), world.help);
    dialog.findChild<QListWidget *>(QStringLiteral("listSettings"))->setCurrentRow(page);
    lookAtShown(dialog, look);
}

// The event dialog's message about a time it cannot read, the longest of its checks.
void lookAtCheckMessage(World &world, const Look &look)
{
    EventDialog dialog(world.state, world.platform.clock(), world.help);
    dialog.prepareAdd(QStringLiteral("6"), QStringLiteral("December"), QStringLiteral("2026"));
    dialog.findChild<QLineEdit *>(QStringLiteral("textTitle"))->setText(QStringLiteral("Lunch"));
    dialog.findChild<QLineEdit *>(QStringLiteral("textHours"))->setText(QStringLiteral("9"));
    lookAtModal([&dialog] { dialog.findChild<QPushButton *>(QStringLiteral("commandOK"))->click(); }, look);
}

void lookAtHelp(World &world, const Look &look)
{
    world.help.showHelpTopic(nullptr, HelpContext::Note);
    if (HelpViewer *viewer = world.help.viewer())
        lookAtShown(*viewer, look);
    world.help.closeHelp();
}

} // namespace

WindowGallery::WindowGallery()
{
    entries_ = {
        {QStringLiteral("formMain"),
         [](World &w, const Look &look) {
             if (MainWindow *main = w.startedMain())
                 lookAtShown(*main, look);
         }},
        {QStringLiteral("formAlertEvent"), [](World &w, const Look &look) { lookAtAlert(w, false, look); }},
        {QStringLiteral("formAlertEvent-missed"), [](World &w, const Look &look) { lookAtAlert(w, true, look); }},
        {QStringLiteral("formAddEditEvent-add"), [](World &w, const Look &look) { lookAtEventDialog(w, false, look); }},
        {QStringLiteral("formAddEditEvent-edit12"),
         [](World &w, const Look &look) { lookAtEventDialog(w, true, look); }},
        {QStringLiteral("formFind"),
         [](World &w, const Look &look) {
             FindDialog dialog(w.state, w.platform.clock(), w.help);
             lookAtShown(dialog, look);
         }},
        {QStringLiteral("formSettings-General"), [](World &w, const Look &look) { lookAtSettingsPage(w, 0, look); }},
        {QStringLiteral("formSettings-Time"), [](World &w, const Look &look) { lookAtSettingsPage(w, 1, look); }},
        {QStringLiteral("formSettings-EventCategories"),
         [](World &w, const Look &look) { lookAtSettingsPage(w, 2, look); }},
        {QStringLiteral("formNote"),
         [](World &w, const Look &look) {
             NoteWindow note(w.state, w.help, 0, nullptr);
             note.setAttribute(Qt::WA_DeleteOnClose, false);
             lookAtShown(note, look);
         }},
        {QStringLiteral("formAboutWelcome"),
         [](World &w, const Look &look) {
             AboutWindow about(w.platform);
             lookAtShown(about, look);
         }},
        {QStringLiteral("formErrorTracking"),
         [](World &w, const Look &look) {
             ErrorTrackingWindow diagnostics(w.state, w.platform);
             lookAtShown(diagnostics, look);
         }},
        {QStringLiteral("formHelpViewer"), lookAtHelp},
    };
    addMessages();
}

// The general dialog in each of its kinds, as the program's callers show it.
void WindowGallery::addMessages()
{
    const std::vector<Entry> messages = {
        {QStringLiteral("formGeneralDialog-YesNo-exit"),
         [](World &w, const Look &look) {
             w.state.confirmExit = 1;
             if (MainWindow *main = w.startedMain())
                 lookAtModal([main] { main->requestExit(); }, look);
         }},
        {QStringLiteral("formGeneralDialog-Ok-check"), lookAtCheckMessage},
        {QStringLiteral("formGeneralDialog-Ok-import"),
         [](World &, const Look &look) {
             ImportReport report; // every line the report can have, with plural counts
             report.imported = 120;
             report.skipped.fill(12);
             report.repeatsAsOneTime = report.february29Moved = report.withoutBirthday = 12;
             lookAtModal([&report] { showImportReport(nullptr, report); }, look);
         }},
        {QStringLiteral("formGeneralDialog-Ok-file"),
         [](World &, const Look &look) {
             FileErrorDialogReporter reporter(nullptr);
             lookAtModal([&reporter] { reporter.reportFileError(QStringLiteral("notes.dat"), QStringLiteral("reading"),
                                                                FileError::PermissionDenied, QString()); },
                         look);
         }},
        {QStringLiteral("formGeneralDialog-YesNo-saves"),
         [](World &w, const Look &look) {
             MainWindow *main = w.startedMain();
             if (!main)
                 return;
             w.state.confirmExit = 0;
             // A data folder that is a file: every exit save fails.
             QDir(w.state.dataFolder).removeRecursively();
             QFile folder(w.state.dataFolder);
             if (folder.open(QIODevice::WriteOnly))
                 folder.close();
             lookAtModal([main] { main->requestExit(); }, look);
             folder.remove();
             QDir().mkdir(w.state.dataFolder);
         }},
        {QStringLiteral("formGeneralDialog-Update"),
         [](World &w, const Look &look) {
             if (MainWindow *main = w.startedMain())
                 lookAtModal([main] { main->findChild<QAction *>(QStringLiteral("menuFileUpdate"))->trigger(); },
                             look);
         }},
    };
    entries_.insert(entries_.end(), messages.begin(), messages.end());
}

QStringList WindowGallery::names() const
{
    QStringList all;
    for (const Entry &entry : entries_)
        all << entry.name;
    return all;
}

void WindowGallery::visit(const QString &name, const Look &look) const
{
    for (const Entry &entry : entries_) {
        if (entry.name == name) {
            World world;
            entry.show(world, look);
            return;
        }
    }
}

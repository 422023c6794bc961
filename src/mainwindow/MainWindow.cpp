#include "mainwindow/MainWindow.h"

#include "appstate/AppState.h"
#include "programinfo/ProgramInfo.h"
#include "datelogic/AlertCheck.h"
#include "datelogic/AlertScheduler.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ErrorTrackingWindow.h"
#include "messages/GeneralDialog.h"
#include "dialogs/SettingsDialog.h"
#include "editing/EventDialog.h"
#include "eventdata/CalendarStore.h"
#include "eventdata/LengthLimit.h"
#include "find/FindDialog.h"
#include "help/Help.h"
#include "mainwindow/CalendarView.h"
#include "mainwindow/DayNavigator.h"
#include "mainwindow/ExchangeCommands.h"
#include "mainwindow/MonthGrid.h"
#include "mainwindow/ProgramExit.h"
#include "mainwindow/SyncController.h"
#include "menus/ProgramMenus.h"
#include "notewindows/NoteWindow.h"
#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindows.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "widgets/ControlTable.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "widgets/WindowFrame.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUrl>

MainWindow::MainWindow(AppState &state, Platform &platform, FileErrorReporter &reporter, Help &help,
                       AlertWindow &alertWindow)
    : state_(state), platform_(platform), help_(help), files_(state.dataFolder, reporter, platform.clock()),
      store_(new CalendarStore(
          state.events, [this](const EventTable &table) { files_.saveCalendar(table); }, this)),
      alertCheck_(std::make_unique<AlertCheck>(state.events, state.lastCheck, *store_, platform.clock(), alertWindow))
{
    setObjectName(QStringLiteral("formMain"));
    setWindowTitle(QStringLiteral("Tarrowby"));
    setFont(programFont());
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarrowby.svg")));
    timer_.setObjectName(QStringLiteral("Timer"));
    scheduler_ = std::make_unique<AlertScheduler>(state_.events, platform_.clock(), *alertCheck_, timer_,
                                                  [this] { finishStartup(); });
    scheduler_->onNewDay([this] { calendar_->markDays(); });
    buildWindow();
    exchange_ = std::make_unique<ExchangeCommands>(*store_, state_.settings, reporter, platform, this);
    // Every change of the calendar shows on the displayed day; an alert's
    // answer changes nothing the window shows and leaves its selection alone.
    connect(store_, &CalendarStore::changed, this, [this](const CalendarChange &change) {
        if (change.kind != CalendarChange::Kind::Answered)
            navigator_->showDisplayedDay();
    });
    menus_ = new ProgramMenus(this);
    // The help line shows what the item under the pointer does.
    connect(menus_, &ProgramMenus::helpLine, labelHelp_, &QLabel::setText);
    menus_->install(calendar_->eventMenu());
    buildMenus();
    exit_ = std::make_unique<ProgramExit>(state_, platform_, help_, files_, *noteWindows_, timer_, *this);
    sync_ = new SyncController(state_.settings, state_.dataFolder, *store_, platform_.credentials(), platform_.clock(),
                               this);
    connect(sync_, &SyncController::statusChanged, this, [this](const QString &status) {
        labelSync_->setText(status);
        platform_.setTrayToolTip(QStringLiteral("Tarrowby\n") + status);
    });
    // The window keeps the size of its fixed client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    auto *client = new QWidget(this);
    client->setFixedSize(twipsToPixels(7020), twipsToPixels(3240));
    setCentralWidget(client);

    buildToolbar(client);
    using enum ControlKind;
    // clang-format off
    const ControlSet controls(client, {
        {Line, u"lineToolbar", {}, 0, 345, 7020, 30},
        {ComboBox, u"comboMonth", {}, 4780, 30, 1320, 315, u"Displayed month"},
        {ComboBox, u"comboYear", {}, 6160, 30, 855, 315, u"Displayed year"},
        {Label, u"labelLoading", u"Loading..", 600, 1500, 6240, 255},
        {TextLabel, u"labelHelp", {}, 50, 2960, 4695, 255},
        {TextLabel, u"labelSync", {}, 4780, 2960, 2235, 255},
    });
    // clang-format on
    auto *comboMonth = controls.get<QComboBox>(u"comboMonth");
    auto *comboYear = controls.get<QComboBox>(u"comboYear");
    labelLoading_ = controls.get<QLabel>(u"labelLoading");
    labelLoading_->setAlignment(Qt::AlignCenter);
    labelHelp_ = controls.get<QLabel>(u"labelHelp");
    labelSync_ = controls.get<QLabel>(u"labelSync");
    labelSync_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    calendar_ = new CalendarView(state_.events, state_.settings, platform_.clock(), client);
    calendar_->setGeometry(twipsRect(260, 380, 6760, 2535)); // up to the window's right edge
    connect(calendar_, &CalendarView::editRequested, this, &MainWindow::editSelectedEvent);
    connect(calendar_, &CalendarView::removeRequested, this, &MainWindow::removeSelectedEvent);
    navigator_ = new DayNavigator(state_.events, platform_.clock(), *calendar_, *comboMonth, *comboYear);
    connect(navigator_, &DayNavigator::dayShown, this,
            [this](bool hasEvents) { toolbarRemove_->setEnabled(hasEvents); });
    connect(navigator_, &DayNavigator::addRequested, this, &MainWindow::addEvent);
    connect(navigator_, &DayNavigator::menuRequested, this,
            [this](const QPoint &at) { menuPopupCalendar_->popup(at); });

    // Hidden until the first tick has loaded the calendar.
    shownAfterLoad_ = {comboMonth, comboYear, calendar_};
    for (QWidget *widget : shownAfterLoad_)
        widget->hide();
}

void MainWindow::buildToolbar(QWidget *client)
{
    auto *toolbar = new QToolBar(client);
    toolbar->setObjectName(QStringLiteral("Toolbar"));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setGeometry(twipsRect(0, 0, 4700, 345));
    const auto addButton = [toolbar](const QString &key, const QString &icon, const QString &toolTip) {
        QAction *button = toolbar->addAction(QIcon(icon), toolTip);
        button->setData(key);
        button->setToolTip(toolTip);
        return button;
    };
    connect(addButton(QStringLiteral("Add"), QStringLiteral(":/icons/add-event.svg"), QStringLiteral("Add event")),
            &QAction::triggered, this, &MainWindow::addEvent);
    toolbarRemove_ =
        addButton(QStringLiteral("Remove"), QStringLiteral(":/icons/remove-event.svg"), QStringLiteral("Remove event"));
    connect(toolbarRemove_, &QAction::triggered, this, &MainWindow::removeSelectedEvent);
    toolbar->addSeparator();
    connect(addButton(QStringLiteral("Add note"), QStringLiteral(":/icons/add-note.svg"), QStringLiteral("Add note")),
            &QAction::triggered, this, &MainWindow::addNote);
    toolbar->addSeparator();
    connect(addButton(QStringLiteral("Help"), QStringLiteral(":/icons/help.svg"), QStringLiteral("Help")),
            &QAction::triggered, this, [this] { help_.showHelpContents(); });
}

QMenu *MainWindow::addMenu(const QString &caption, const QString &objectName, std::initializer_list<MenuItem> items)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(objectName);
    menus_->fill(menu, items);
    return menu;
}

QMenu *MainWindow::addPopup(const QString &objectName, std::initializer_list<MenuItem> items)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(objectName);
    menus_->fill(menu, items);
    return menu;
}

void MainWindow::buildMenus()
{
    const auto trayThen = [this](void (MainWindow::*act)()) {
        return [this, act] {
            restoreFromTray();
            (this->*act)();
        };
    };
    addMenu(QStringLiteral("&File"), QStringLiteral("menuFile"),
            {{u"&Profiles...", u"menuFileProfiles"},
             {u"|Search the net for an update|&Update...", u"menuFileUpdate", [this] { checkForUpdate(); }},
             {{}, u"menuSeparator0"},
             {u"|Import events from an iCalendar or vCard file|&Import events...", u"menuFileImportEvents",
              [this] { exchange_->importEvents(); }},
             {u"|Export the events to an iCalendar file|&Export events...", u"menuFileExportEvents",
              [this] { exchange_->exportEvents(); }},
             {{}, u"menuSeparator10"},
             {u"|Modify settings|&Settings...", u"menuFileSettings", [this] { openSettings(); }},
             {{}, u"menuSeparator1"},
             {u"|Quit the application|&Quit", u"menuFileQuit", [this] { requestExit(); }, Qt::CTRL | Qt::Key_Q}});
    addMenu(QStringLiteral("&Calendar"), QStringLiteral("menuCalendar"),
            {{u"|Add an event to the calendar|&Add event...", u"menuCalendarAddEvent", [this] { addEvent(); },
              Qt::CTRL | Qt::Key_E},
             {{}, u"menuSeparator2"},
             {u"|Browse and find events|&Find event...", u"menuCalendarFindEvent", [this] { openFind(); },
              Qt::CTRL | Qt::Key_F},
             {{}, u"menuSeparator3"},
             {u"|Go to previous event|&Previous event", u"menuCalendarPreviousEvent",
              [this] { navigator_->goToPreviousEvent(); }},
             {u"|Go to next event|&Next event", u"menuCalendarNextEvent", [this] { navigator_->goToNextEvent(); }}});
    QMenu *menuNotes =
        addMenu(QStringLiteral("&Notes"), QStringLiteral("menuNotes"),
                {{u"|Add a note|&Add note...", u"menuNotesAddNote", [this] { addNote(); }, Qt::CTRL | Qt::Key_N}});
    notesMenu_ = new NotesMenu(menuNotes, state_.notes);
    connect(notesMenu_, &NotesMenu::noteChosen, this, &MainWindow::editNote);
    noteWindows_ = new NoteWindows(state_.notes, state_.settings, help_, *notesMenu_, files_.notesFile(), this);
    addMenu(
        QStringLiteral("&Help"), QStringLiteral("menuHelp"),
        {{u"|View help contents|&Contents...", u"menuHelpContents", [this] { help_.showHelpContents(); }, Qt::Key_F1},
         {u"|Getting started with Tarrowby|Getting started...", u"menuHelpGettingStarted",
          [this] { help_.showHelpTopic(this, HelpTopic::GettingStarted); }},
         {{}, u"menuSeparator6"},
         {u"|About this version of Tarrowby|&About Tarrowby...", u"menuHelpAbout",
          [this] { AboutWindow(platform_, this).exec(); }}});
    menuSystray_ = addPopup(QStringLiteral("menuSystray"),
                            {{u"&Open Tarrowby...", u"menuSystrayOpen", [this] { restoreFromTray(); }},
                             {{}, u"menuSeparator8"},
                             {u"&Add event...", u"menuSystrayAddEvent", trayThen(&MainWindow::addEvent)},
                             {u"&Add note...", u"menuSystrayAddNote", trayThen(&MainWindow::addNote)},
                             {{}, u"menuSeparator9"},
                             {u"&Quit", u"menuSystrayQuit", [this] { requestExit(); }}});
    menuSystray_->setDefaultAction(menuSystray_->actions().constFirst());
    menuPopupCalendar_ = addPopup(QStringLiteral("menuPopupCalendar"),
                                  {{u"&Add event...", u"menuPopupCalendarAdd", [this] { addEvent(); }}});
    addDiagnosticsKeys();
}

// F5 with any of Shift, Ctrl and Alt held opens the diagnostics; F5 alone does nothing.
void MainWindow::addDiagnosticsKeys()
{
    auto *diagnostics = new QAction(this);
    diagnostics->setObjectName(QStringLiteral("actionErrorTracking"));
    QList<QKeySequence> keys;
    for (int held = 1; held < 8; ++held) {
        const Qt::KeyboardModifiers modifiers((held & 1 ? Qt::ShiftModifier : Qt::NoModifier)
                                              | (held & 2 ? Qt::ControlModifier : Qt::NoModifier)
                                              | (held & 4 ? Qt::AltModifier : Qt::NoModifier));
        keys.append(QKeySequence(QKeyCombination(modifiers, Qt::Key_F5)));
    }
    diagnostics->setShortcuts(keys);
    addAction(diagnostics);
    connect(diagnostics, &QAction::triggered, this,
            [this] { ErrorTrackingWindow(state_.lastCheck, navigator_->shownDay(), platform_, this).exec(); });
}

void MainWindow::openSettings()
{
    SettingsDialog dialog(state_.settings, autostart_, QCoreApplication::applicationDirPath(), help_, this);
    connect(&dialog, &SettingsDialog::settingsApplied, navigator_, &DayNavigator::showDisplayedDay);
    connect(&dialog, &SettingsDialog::settingsApplied, sync_, &SyncController::configure);
    sync_->addPageTo(dialog);
    dialog.exec();
}

void MainWindow::openFind()
{
    FindDialog dialog(state_.events, platform_.clock(), help_, this);
    connect(&dialog, &FindDialog::jumpRequested, navigator_, &DayNavigator::showDay);
    connect(&dialog, &FindDialog::jumpRefused, navigator_, &DayNavigator::showDateOutOfRange);
    dialog.exec();
}

void MainWindow::start()
{
    files_.loadSettings(state_);
    placeWindow();
    if (!state_.settings.loadMinimized)
        show();
    else if (!platform_.isTrayAvailable())
        showMinimized(); // without a tray a hidden window could never come back
    platform_.addTrayIcon(windowIcon(), QStringLiteral("Tarrowby"), menuSystray_, [this](TrayClick click) {
        if (click == TrayClick::Double)
            restoreFromTray();
    });
    platform_.watchQuitRequests([this] { exitWithoutQuestion(); });
    timer_.start();
}

void MainWindow::finishStartup()
{
    files_.loadTables(state_);
    notesMenu_->refreshNotesMenu();
    navigator_->showToday();
    for (QWidget *widget : shownAfterLoad_)
        widget->show();
    // Nothing could take the focus while the files loaded; without it the
    // keys would reach no control, and a menu opened by its key would keep
    // the focus after its dialog closed.
    calendar_->grid()->setFocus();
    labelLoading_->hide();
    // Only from here on is there anything to catch up with, and the window is
    // already on screen when the system bus is asked about sleep.
    platform_.watchClock([this] {
        if (exit_->isExiting())
            return;
        scheduler_->clockChanged();
        sync_->wokeUp();
    });
    sync_->configure();
}

// The stored place is that of the window's inside: before the window is
// shown the size of the frame the window manager adds is unknown, so a frame
// position would creep on every start.
void MainWindow::placeWindow()
{
    const int captionHeight = frameAllowance(this).top();
    setGeometry(QRect(
        WindowPlacement::fromTwips(state_.position.mainLeft, state_.position.mainTop, size(), captionHeight), size()));
}

void MainWindow::restoreFromTray()
{
    platform_.bringToFront(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (exit_->isExiting()) {
        event->accept();
        return;
    }
    // The window's own close box only puts the program away.
    event->ignore();
    if (platform_.isTrayAvailable())
        hide();
    else
        showMinimized();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && platform_.isTrayAvailable())
        QTimer::singleShot(0, this, &QWidget::hide);
}

void MainWindow::addEvent()
{
    if (state_.events.isFull()) {
        showDatabaseFull(this, eventsFullMessage());
        return;
    }
    EventDialog dialog(state_.settings, *store_, platform_, help_, this);
    dialog.prepareAdd(navigator_->shownDay());
    dialog.exec();
}

void MainWindow::addNote()
{
    if (state_.notes.isFull()) {
        showDatabaseFull(this, notesFullMessage());
        return;
    }
    noteWindows_->openNew();
}

void MainWindow::editNote(int index)
{
    noteWindows_->open(index);
}

void MainWindow::editSelectedEvent()
{
    const int index = calendar_->selectedEventIndex();
    if (index < 0)
        return;
    EventDialog dialog(state_.settings, *store_, platform_, help_, this);
    dialog.prepareEdit(index);
    dialog.exec();
}

void MainWindow::removeSelectedEvent()
{
    const int index = calendar_->selectedEventIndex();
    if (index < 0)
        return;
    const QString shown = shortTitle(state_.events.events[index].title, 20, 20);
    if (!confirmRemoval(this, shown, QStringLiteral("event"), state_.settings.confirmRemoveE))
        return;
    store_->remove(index);
}

void MainWindow::checkForUpdate()
{
    const Message question{MessageKind::Update, QStringLiteral("Connect to ") + ProgramInfo::WebHost,
                           QStringLiteral("This will connect to our web site and look for an updated version of "
                                          "Tarrowby. Do you want to continue?"),
                           1615};
    if (GeneralDialog::ask(this, question).button == MessageButton::Yes)
        platform_.openUrl(
            QUrl(ProgramInfo::WebSite + QStringLiteral("update_") + ProgramInfo::BuildDate + QStringLiteral(".html")));
}

bool MainWindow::requestExit()
{
    return exit_->requestExit();
}

void MainWindow::exitWithoutQuestion()
{
    exit_->exitWithoutQuestion();
}

void MainWindow::saveForSessionEnd()
{
    exit_->saveForSessionEnd();
}

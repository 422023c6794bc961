#include "mainwindow/MainWindow.h"

#include "appstate/AppState.h"
#include "appstate/ProgramInfo.h"
#include "datelogic/AlertCheck.h"
#include "datelogic/AlertScheduler.h"
#include "datelogic/EventSearch.h"
#include "datelogic/MonthLayout.h"
#include "dialogs/AboutWindow.h"
#include "widgets/ComboBox.h"
#include "dialogs/ErrorTrackingWindow.h"
#include "dialogs/GeneralDialog.h"
#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindow.h"
#include "notewindows/NoteWindows.h"
#include "dialogs/SettingsDialog.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "widgets/WindowFrame.h"
#include "editing/EventDialog.h"
#include "eventdata/DataFolder.h"
#include "eventdata/DateText.h"
#include "find/FindDialog.h"
#include "help/Help.h"
#include "mainwindow/CalendarView.h"
#include "mainwindow/ExchangeCommands.h"
#include "mainwindow/MonthGrid.h"
#include "mainwindow/WindowPlacement.h"
#include "menus/WndCoolMenu.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr int MessageWidth = 4815;

// Separators are named like the items, numbered across all menus.
void addSeparator(QMenu *menu, int number)
{
    menu->addSeparator()->setObjectName(QStringLiteral("menuSeparator%1").arg(number));
}

} // namespace

MainWindow::MainWindow(AppState &state, Platform &platform, FileErrorReporter &reporter, Help &help,
                       AlertWindow &alertWindow)
    : state_(state), platform_(platform), reporter_(reporter), help_(help), fileReports_(reporter),
      settingsFile_(state.dataFolder, fileReports_),
      calendarFile_(state.dataFolder, fileReports_, platform.clock()),
      notesFile_(state.dataFolder, fileReports_),
      alertCheck_(std::make_unique<AlertCheck>(state, platform.clock(), alertWindow))
{
    setObjectName(QStringLiteral("formMain"));
    setWindowTitle(QStringLiteral("Tarrowby"));
    setFont(programFont());
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarrowby.svg")));
    timer_.setObjectName(QStringLiteral("Timer"));
    timer_.setInterval(AlertScheduler::StartupInterval);
    scheduler_ = std::make_unique<AlertScheduler>(state_, platform_.clock(), *alertCheck_, timer_,
                                                  [this] { finishStartup(); });
    buildWindow();
    exchange_ = std::make_unique<ExchangeCommands>(state_, calendarFile_, fileReports_, platform.clock(), this,
                                                   [this] { showDisplayedDay(); });
    coolMenu_ = new WndCoolMenu(this);
    connect(coolMenu_->helpObj(), &HelpCallBack::menuHelp, this, &MainWindow::helpObjMenuHelp);
    coolMenu_->install(calendar_->eventMenu());
    buildMenus();
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
    auto *line = new QFrame(client);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twipsRect(0, 345, 7020, 30));

    comboMonth_ = addComboBox(client, QStringLiteral("comboMonth"), QStringLiteral("Displayed month"),
                           twipsRect(4780, 30, 1320, 315));
    comboYear_ = addComboBox(client, QStringLiteral("comboYear"), QStringLiteral("Displayed year"),
                          twipsRect(6160, 30, 855, 315));
    connect(comboMonth_, &QComboBox::currentIndexChanged, this, &MainWindow::displayedMonthChosen);
    connect(comboYear_, &QComboBox::currentIndexChanged, this, &MainWindow::displayedMonthChosen);

    labelLoading_ = new QLabel(QStringLiteral("Loading.."), client);
    labelLoading_->setObjectName(QStringLiteral("labelLoading"));
    labelLoading_->setGeometry(twipsRect(600, 1500, 6240, 255));
    labelLoading_->setAlignment(Qt::AlignCenter);

    calendar_ = new CalendarView(state_, client);
    calendar_->setGeometry(twipsRect(260, 380, 6760, 2535)); // up to the window's right edge
    connect(calendar_, &CalendarView::editRequested, this, &MainWindow::editSelectedEvent);
    connect(calendar_, &CalendarView::removeRequested, this, &MainWindow::removeSelectedEvent);
    connect(calendar_->grid(), &MonthGrid::dayPressed, this, &MainWindow::dayPressed);
    connect(calendar_->grid(), &MonthGrid::dayDoubleClicked, this, &MainWindow::dayDoubleClicked);

    labelHelp_ = new QLabel(client);
    labelHelp_->setObjectName(QStringLiteral("labelHelp"));
    labelHelp_->setTextFormat(Qt::PlainText);
    labelHelp_->setGeometry(twipsRect(50, 2960, 4695, 255));

    // Hidden until the first tick has loaded the calendar.
    for (QWidget *w : {static_cast<QWidget *>(comboMonth_), static_cast<QWidget *>(comboYear_),
                       static_cast<QWidget *>(calendar_)})
        w->hide();
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
    toolbarRemove_ = addButton(QStringLiteral("Remove"), QStringLiteral(":/icons/remove-event.svg"),
                               QStringLiteral("Remove event"));
    connect(toolbarRemove_, &QAction::triggered, this, &MainWindow::removeSelectedEvent);
    toolbar->addSeparator();
    connect(addButton(QStringLiteral("Add note"), QStringLiteral(":/icons/add-note.svg"), QStringLiteral("Add note")),
            &QAction::triggered, this, &MainWindow::addNote);
    toolbar->addSeparator();
    connect(addButton(QStringLiteral("Help"), QStringLiteral(":/icons/help.svg"), QStringLiteral("Help")),
            &QAction::triggered, this, [this] { help_.showHelpContents(); });
}

QMenu *MainWindow::addMenu(const QString &caption, const QString &objectName)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(objectName);
    coolMenu_->install(menu);
    return menu;
}

// The help line shows what the item under the pointer does; a disabled item
// clears it.
void MainWindow::helpObjMenuHelp(const QString &, const QString &menuHelp, bool Enabled)
{
    labelHelp_->setText(Enabled ? menuHelp : QString());
}

void MainWindow::buildMenus()
{
    QMenu *menuFile = addMenu(QStringLiteral("&File"), QStringLiteral("menuFile"));
    coolMenu_->addMenuItem(menuFile, QStringLiteral("&Profiles..."), QStringLiteral("menuFileProfiles"))->setEnabled(false);
    connect(coolMenu_->addMenuItem(menuFile, QStringLiteral("|Search the net for an update|&Update..."),
                        QStringLiteral("menuFileUpdate")),
            &QAction::triggered, this, &MainWindow::checkForUpdate);
    addSeparator(menuFile, 0);
    connect(coolMenu_->addMenuItem(menuFile, QStringLiteral("|Import events from an iCalendar or vCard file|&Import events..."),
                                   QStringLiteral("menuFileImportEvents")),
            &QAction::triggered, this, [this] { exchange_->importEvents(); });
    connect(coolMenu_->addMenuItem(menuFile, QStringLiteral("|Export the events to an iCalendar file|&Export events..."),
                                   QStringLiteral("menuFileExportEvents")),
            &QAction::triggered, this, [this] { exchange_->exportEvents(); });
    addSeparator(menuFile, 10);
    connect(coolMenu_->addMenuItem(menuFile, QStringLiteral("|Modify settings|&Settings..."), QStringLiteral("menuFileSettings")),
            &QAction::triggered, this, [this] {
                SettingsDialog dialog(state_, autostart_, QCoreApplication::applicationDirPath(), help_, this);
                connect(&dialog, &SettingsDialog::settingsApplied, this, &MainWindow::showDisplayedDay);
                dialog.exec();
            });
    addSeparator(menuFile, 1);
    QAction *quit = coolMenu_->addMenuItem(menuFile, QStringLiteral("|Quit the application|&Quit"), QStringLiteral("menuFileQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, [this] { requestExit(); });

    QMenu *menuCalendar = addMenu(QStringLiteral("&Calendar"), QStringLiteral("menuCalendar"));
    QAction *add = coolMenu_->addMenuItem(menuCalendar, QStringLiteral("|Add an event to the calendar|&Add event..."),
                               QStringLiteral("menuCalendarAddEvent"));
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(add, &QAction::triggered, this, &MainWindow::addEvent);
    addSeparator(menuCalendar, 2);
    QAction *find = coolMenu_->addMenuItem(menuCalendar, QStringLiteral("|Browse and find events|&Find event..."),
                                QStringLiteral("menuCalendarFindEvent"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, [this] {
        FindDialog dialog(state_, platform_.clock(), help_, this);
        connect(&dialog, &FindDialog::jumpRequested, this, &MainWindow::showFoundDay);
        connect(&dialog, &FindDialog::jumpRefused, this, &MainWindow::showDateOutOfRange);
        dialog.exec();
    });
    addSeparator(menuCalendar, 3);
    connect(coolMenu_->addMenuItem(menuCalendar, QStringLiteral("|Go to previous event|&Previous event"),
                        QStringLiteral("menuCalendarPreviousEvent")),
            &QAction::triggered, this, &MainWindow::goToPreviousEvent);
    connect(coolMenu_->addMenuItem(menuCalendar, QStringLiteral("|Go to next event|&Next event"),
                        QStringLiteral("menuCalendarNextEvent")),
            &QAction::triggered, this, &MainWindow::goToNextEvent);

    QMenu *menuNotes = addMenu(QStringLiteral("&Notes"), QStringLiteral("menuNotes"));
    QAction *addNote = coolMenu_->addMenuItem(menuNotes, QStringLiteral("|Add a note|&Add note..."),
                                   QStringLiteral("menuNotesAddNote"));
    addNote->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(addNote, &QAction::triggered, this, &MainWindow::addNote);
    notesMenu_ = new NotesMenu(menuNotes, state_);
    connect(notesMenu_, &NotesMenu::noteChosen, this, &MainWindow::editNote);
    noteWindows_ = new NoteWindows(state_, help_, *notesMenu_, notesFile_, this);

    QMenu *menuHelp = addMenu(QStringLiteral("&Help"), QStringLiteral("menuHelp"));
    QAction *contents = coolMenu_->addMenuItem(menuHelp, QStringLiteral("|View help contents|&Contents..."),
                                    QStringLiteral("menuHelpContents"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    connect(contents, &QAction::triggered, this, [this] { help_.showHelpContents(); });
    connect(coolMenu_->addMenuItem(menuHelp, QStringLiteral("|Getting started with Tarrowby|Getting started..."),
                        QStringLiteral("menuHelpGettingStarted")),
            &QAction::triggered, this, [this] { help_.showHelpTopic(this, HelpContext::GettingStarted); });
    addSeparator(menuHelp, 6);
    connect(coolMenu_->addMenuItem(menuHelp, QStringLiteral("|About this version of Tarrowby|&About Tarrowby..."),
                        QStringLiteral("menuHelpAbout")),
            &QAction::triggered, this, [this] { AboutWindow(platform_, this).exec(); });

    // F5 with any of Shift, Ctrl and Alt held opens the diagnostics; F5 alone does nothing.
    auto *diagnostics = new QAction(this);
    diagnostics->setObjectName(QStringLiteral("actionErrorTracking"));
    QList<QKeySequence> keys;
    for (int held = 1; held < 8; ++held) {
        const Qt::KeyboardModifiers modifiers((held & 1 ? Qt::ShiftModifier : Qt::NoModifier) |
                                              (held & 2 ? Qt::ControlModifier : Qt::NoModifier) |
                                              (held & 4 ? Qt::AltModifier : Qt::NoModifier));
        keys.append(QKeySequence(QKeyCombination(modifiers, Qt::Key_F5)));
    }
    diagnostics->setShortcuts(keys);
    addAction(diagnostics);
    connect(diagnostics, &QAction::triggered, this, [this] { ErrorTrackingWindow(state_, platform_, this).exec(); });

    menuSystray_ = new QMenu(this);
    coolMenu_->install(menuSystray_);
    menuSystray_->setObjectName(QStringLiteral("menuSystray"));
    QAction *open = coolMenu_->addMenuItem(menuSystray_, QStringLiteral("&Open Tarrowby..."), QStringLiteral("menuSystrayOpen"));
    connect(open, &QAction::triggered, this, &MainWindow::restoreFromTray);
    menuSystray_->setDefaultAction(open);
    addSeparator(menuSystray_, 8);
    connect(coolMenu_->addMenuItem(menuSystray_, QStringLiteral("&Add event..."), QStringLiteral("menuSystrayAddEvent")),
            &QAction::triggered, this, [this] {
                restoreFromTray();
                addEvent();
            });
    connect(coolMenu_->addMenuItem(menuSystray_, QStringLiteral("&Add note..."), QStringLiteral("menuSystrayAddNote")),
            &QAction::triggered, this, [this] {
                restoreFromTray();
                this->addNote();
            });
    addSeparator(menuSystray_, 9);
    connect(coolMenu_->addMenuItem(menuSystray_, QStringLiteral("&Quit"), QStringLiteral("menuSystrayQuit")),
            &QAction::triggered, this, [this] { requestExit(); });

    menuPopupCalendar_ = new QMenu(this);
    coolMenu_->install(menuPopupCalendar_);
    menuPopupCalendar_->setObjectName(QStringLiteral("menuPopupCalendar"));
    connect(coolMenu_->addMenuItem(menuPopupCalendar_, QStringLiteral("&Add event..."), QStringLiteral("menuPopupCalendarAdd")),
            &QAction::triggered, this, &MainWindow::addEvent);
}

void MainWindow::start()
{
    state_.navigating = true;
    // This instance holds the folder's lock: a temporary file is a killed save's.
    removeStaleTemporaryFiles(state_.dataFolder);
    missingFiles_ = holdsNoDataFile(state_.dataFolder) ? MissingFile::IsEmpty : MissingFile::IsAnError;
    settingsFile_.loadSettings(state_, state_, missingFiles_);
    placeWindow();
    if (!state_.loadMinimized)
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
    calendarFile_.loadCalendar(state_, state_.lastCheck, missingFiles_);
    notesFile_.loadNotes(state_, missingFiles_);
    filesLoaded_ = true;
    notesMenu_->refreshNotesMenu();
    const QDate today = platform_.clock().today();
    comboMonth_->addItems(monthNames());
    for (int year = today.year(); year <= today.year() + ShownYearsAhead; ++year)
        comboYear_->addItem(QString::number(year));
    comboYear_->setCurrentText(QString::number(today.year()));
    comboMonth_->setCurrentText(monthName(today.month()));
    state_.displayedDay = QString::number(today.day());
    showDisplayedDay();
    calendar_->show();
    comboMonth_->show();
    comboYear_->show();
    labelLoading_->hide();
    state_.navigating = false;
    // Only from here on is there anything to catch up with, and the window is
    // already on screen when the system bus is asked about sleep.
    platform_.watchClock([this] {
        if (!exiting_)
            scheduler_->clockChanged();
    });
}

// The stored place is that of the window's inside: before the window is
// shown the size of the frame the window manager adds is unknown, so a frame
// position would creep on every start.
void MainWindow::placeWindow()
{
    const int captionHeight = frameAllowance(this).top();
    setGeometry(QRect(WindowPlacement::fromTwips(state_.mainLeft, state_.mainTop, size(), captionHeight), size()));
}

void MainWindow::storePosition()
{
    const WindowPlacement::Twips twips = WindowPlacement::toTwips(geometry().topLeft());
    state_.mainLeft = twips.left;
    state_.mainTop = twips.top;
}

bool MainWindow::requestExit()
{
    if (exiting_)
        return true;
    if (state_.confirmExit == 1) {
        showGeneralDialog(state_, this, 4815, 1905, QStringLiteral("Please confirm"),
                          QStringLiteral("If you exit now, Tarrowby can not remind you about upcoming events until "
                                         "you run it again. Do you still want to exit?"),
                          615, QStringLiteral("YesNo"), QStringLiteral("Do not ask me this question again."));
        if (exiting_)
            return true; // the system ended the program while the question was open
        if (state_.dialogCheckbox)
            state_.confirmExit = 0;
        if (state_.dialogResult != QLatin1String("Yes") && state_.confirmExit != 0)
            return false;
    }
    exiting_ = true;
    timer_.stop();
    // Before the start-up tick has read the files there is nothing to keep,
    // and saving the empty tables would overwrite the user's files.
    if (filesLoaded_ && !saveForExit()) {
        exiting_ = false;
        timer_.start();
        return false;
    }
    endProgram();
    return true;
}

// The system asks the program to end (a signal): everything is kept as at the
// session's end, and no window waits for an answer that may never come.
void MainWindow::exitWithoutQuestion()
{
    if (exiting_)
        return;
    saveForSessionEnd();
    exiting_ = true;
    timer_.stop();
    endProgram();
}

void MainWindow::endProgram()
{
    platform_.removeTrayIcon();
    help_.closeHelp();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    close();
    QCoreApplication::quit();
}

void MainWindow::saveForSessionEnd()
{
    if (exiting_ || !filesLoaded_)
        return;
    fileReports_.startCollecting();
    noteWindows_->storeAll();
    saveAll();
    fileReports_.stopCollecting();
}

// Failed saves are told once, with the choice to keep running: the next Quit
// saves again.
bool MainWindow::saveForExit()
{
    fileReports_.startCollecting();
    // Open notes keep what was typed in them: the program ends, not the user's edit.
    noteWindows_->closeAll();
    saveAll();
    const std::vector<FailedSave> failures = fileReports_.stopCollecting();
    if (failures.empty())
        return true;
    showGeneralDialog(state_, this, MessageWidth, 2505, failedSavesTitle(), failedSavesMessage(failures), 1575,
                      QStringLiteral("YesNo"), QString());
    return state_.dialogResult == QLatin1String("No");
}

void MainWindow::saveAll()
{
    if (!isMinimized())
        storePosition();
    settingsFile_.saveSettings(state_, state_);
    notesFile_.saveNotes(state_);
    calendarFile_.saveCalendar(state_);
}

void MainWindow::restoreFromTray()
{
    platform_.bringToFront(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (exiting_) {
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

void MainWindow::showDay(const QString &day, const QString &monthName, const QString &yearText)
{
    calendar_->showDay(day.toInt(), monthNumber(monthName), yearText);
    toolbarRemove_->setEnabled(calendar_->hasEvents());
}

void MainWindow::showDisplayedDay()
{
    showDay(state_.displayedDay, comboMonth_->currentText(), comboYear_->currentText());
}

// A month chosen in the lists keeps the displayed day, or takes the month's
// last day when it is shorter.
void MainWindow::displayedMonthChosen()
{
    if (state_.navigating)
        return;
    const int length = daysInMonth(monthNumber(comboMonth_->currentText()), comboYear_->currentText().toInt());
    if (state_.displayedDay.toInt() > length)
        state_.displayedDay = twoDigits(length);
    showDisplayedDay();
}

void MainWindow::dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos)
{
    const GridCell pressed = calendar_->grid()->cell(cell);
    const bool right = button == Qt::RightButton;
    if (button != Qt::LeftButton && !(right && pressed.inMonth))
        return;
    // A grey day belongs to the month before (high numbers) or after (low ones).
    if (!pressed.inMonth && !moveMonth(pressed.day < 15 ? 1 : -1))
        return;
    state_.displayedDay = twoDigits(pressed.day);
    showDisplayedDay();
    if (right && calendar_->grid()->cell(cell).inMonth)
        menuPopupCalendar_->popup(globalPos);
}

bool MainWindow::moveMonth(int direction)
{
    const QScopedValueRollback navigating(state_.navigating, true);
    int month = monthNumber(comboMonth_->currentText()) + direction;
    int year = comboYear_->currentText().toInt();
    if (month == 0) {
        month = 12;
        --year;
    } else if (month == 13) {
        month = 1;
        ++year;
    }
    if (!isShownYear(year, platform_.clock().today().year())) {
        showDateOutOfRange();
        return false;
    }
    comboMonth_->setCurrentText(monthName(month));
    comboYear_->setCurrentText(QString::number(year));
    return true;
}

void MainWindow::showDateOutOfRange()
{
    const int currentYear = platform_.clock().today().year();
    showGeneralDialog(state_, this, MessageWidth, 1615, QStringLiteral("Date out of range"),
                      QStringLiteral("The calendar can show dates between January %1 and December %2.")
                          .arg(currentYear)
                          .arg(currentYear + ShownYearsAhead),
                      615, QStringLiteral("Ok"), QString());
}

void MainWindow::dayDoubleClicked(int cell)
{
    if (calendar_->grid()->cell(cell).inMonth)
        addEvent();
}

void MainWindow::addEvent()
{
    if (static_cast<const EventTable &>(state_).isFull()) {
        showDatabaseFull(state_, this, eventsFullMessage());
        return;
    }
    EventDialog dialog(state_, platform_.clock(), help_, this);
    dialog.prepareAdd(state_.displayedDay, comboMonth_->currentText(), comboYear_->currentText());
    runEventDialog(dialog);
}

// The new or changed event shows on the displayed day and reaches the file
// before the dialog closes.
void MainWindow::runEventDialog(EventDialog &dialog)
{
    connect(&dialog, &EventDialog::eventStored, this, [this] {
        showDisplayedDay();
        calendarFile_.saveCalendar(state_);
    });
    dialog.exec();
}

void MainWindow::addNote()
{
    if (static_cast<const NoteTable &>(state_).isFull()) {
        showDatabaseFull(state_, this, notesFullMessage());
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
    EventDialog dialog(state_, platform_.clock(), help_, this);
    dialog.prepareEdit(index);
    runEventDialog(dialog);
}

void MainWindow::removeSelectedEvent()
{
    const int index = calendar_->selectedEventIndex();
    if (index < 0)
        return;
    const QString &title = state_.events[index].title;
    QString shown = title.left(20);
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    if (title.size() > 20)
        shown += QStringLiteral("...");
    if (!confirmRemoval(state_, this, shown, QStringLiteral("event"), state_.confirmRemoveE))
        return;
    state_.removeEvent(index);
    showDisplayedDay();
    calendarFile_.saveCalendar(state_);
}

CalendarDay MainWindow::displayedCalendarDay() const
{
    return {state_.displayedDay.toInt(), monthNumber(comboMonth_->currentText()), comboYear_->currentText().toInt()};
}

void MainWindow::goToNextEvent()
{
    const CalendarDay from = displayedCalendarDay();
    if (const std::optional<CalendarDay> found = findNextEvent(state_, from, platform_.clock().today().year()))
        showFoundDay(found->day, found->month, found->year);
    else
        showGeneralDialog(state_, this, MessageWidth, 1595, QStringLiteral("Next event"),
                          QStringLiteral("No future event(s) found."), 615, QStringLiteral("Ok"), QString());
}

void MainWindow::goToPreviousEvent()
{
    const CalendarDay from = displayedCalendarDay();
    if (const std::optional<CalendarDay> found = findPreviousEvent(state_, from, platform_.clock().today().year()))
        showFoundDay(found->day, found->month, found->year);
    else
        showGeneralDialog(state_, this, MessageWidth, 1595, QStringLiteral("Previous event"),
                          QStringLiteral("No earlier event(s) found."), 615, QStringLiteral("Ok"), QString());
}

void MainWindow::showFoundDay(int day, int month, int year)
{
    const QScopedValueRollback navigating(state_.navigating, true);
    state_.displayedDay = twoDigits(day);
    comboMonth_->setCurrentText(monthName(month));
    comboYear_->setCurrentText(QString::number(year));
    showDisplayedDay();
}

void MainWindow::checkForUpdate()
{
    showGeneralDialog(state_, this, MessageWidth, 1615, QStringLiteral("Connect to ") + ProgramInfo::WebHost,
                      QStringLiteral("This will connect to our web site and look for an updated version of "
                                     "Tarrowby. Do you want to continue?"),
                      615, QStringLiteral("Update"), QString());
    if (state_.dialogResult == QLatin1String("Yes"))
        platform_.openUrl(QUrl(ProgramInfo::WebSite + QStringLiteral("update_") + ProgramInfo::BuildDate +
                               QStringLiteral(".html")));
}

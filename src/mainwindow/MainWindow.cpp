#include "mainwindow/MainWindow.h"

#include "core/AppState.h"
#include "datelogic/AlertCheck.h"
#include "datelogic/AlertScheduler.h"
#include "dialogs/GeneralDialog.h"
#include "dialogs/Twips.h"
#include "eventdata/DateText.h"
#include "help/Help.h"
#include "mainwindow/WindowPlacement.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace

MainWindow::MainWindow(AppState &state, Platform &platform, FileErrorReporter &reporter, Help &help,
                       AlertWindow &alertWindow)
    : state_(state), platform_(platform), reporter_(reporter), help_(help),
      settingsFile_(state.DataFolder, reporter),
      calendarFile_(state.DataFolder, reporter, platform.clock()),
      notesFile_(state.DataFolder, reporter),
      alertCheck_(std::make_unique<AlertCheck>(state, platform.clock(), alertWindow))
{
    setObjectName(QStringLiteral("formMain"));
    setWindowTitle(QStringLiteral("Tarrowby"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarrowby.svg")));
    timer_.setObjectName(QStringLiteral("Timer"));
    timer_.setInterval(AlertScheduler::StartupInterval);
    scheduler_ = std::make_unique<AlertScheduler>(state_, platform_.clock(), *alertCheck_, timer_,
                                                  [this] { finishStartup(); });
    buildWindow();
    buildMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    auto *client = new QWidget(this);
    client->setFixedSize(twipsToPixels(7020), twipsToPixels(3240));
    setCentralWidget(client);

    comboMonth_ = new QComboBox(client);
    comboMonth_->setObjectName(QStringLiteral("comboMonth"));
    comboMonth_->setGeometry(twipsRect(4780, 30, 1320, 315));
    comboYear_ = new QComboBox(client);
    comboYear_->setObjectName(QStringLiteral("comboYear"));
    comboYear_->setGeometry(twipsRect(6160, 30, 855, 315));

    labelLoading_ = new QLabel(QStringLiteral("Loading.."), client);
    labelLoading_->setObjectName(QStringLiteral("labelLoading"));
    labelLoading_->setGeometry(twipsRect(600, 1500, 6240, 255));
    labelLoading_->setAlignment(Qt::AlignCenter);

    pictureCalendar_ = new QWidget(client);
    pictureCalendar_->setObjectName(QStringLiteral("pictureCalendar"));
    pictureCalendar_->setGeometry(twipsRect(260, 380, 6780, 2535));

    auto *labelHelp = new QLabel(client);
    labelHelp->setObjectName(QStringLiteral("labelHelp"));
    labelHelp->setGeometry(twipsRect(50, 2960, 4695, 255));

    // Hidden until the first tick has loaded the calendar.
    for (QWidget *w : {static_cast<QWidget *>(comboMonth_), static_cast<QWidget *>(comboYear_), pictureCalendar_})
        w->hide();
}

void MainWindow::buildMenus()
{
    QMenu *menuFile = menuBar()->addMenu(QStringLiteral("&File"));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    QAction *quit = menuFile->addAction(QStringLiteral("&Quit"), this, [this] { requestExit(); });
    quit->setObjectName(QStringLiteral("menuFileQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    menuSystray_ = new QMenu(this);
    menuSystray_->setObjectName(QStringLiteral("menuSystray"));
    menuSystray_->addAction(QStringLiteral("&Open"), this, [this] { restoreFromTray(); })
        ->setObjectName(QStringLiteral("menuSystrayOpen"));
    menuSystray_->addSeparator();
    menuSystray_->addAction(QStringLiteral("&Quit"), this, [this] { requestExit(); })
        ->setObjectName(QStringLiteral("menuSystrayQuit"));
}

void MainWindow::start()
{
    state_.Navigating = true;
    settingsFile_.LoadSettings(state_, state_);
    placeWindow();
    if (!state_.LoadMinimized)
        show();
    else if (!platform_.isTrayAvailable())
        showMinimized(); // without a tray a hidden window could never come back
    platform_.addTrayIcon(windowIcon(), QStringLiteral("Tarrowby"), menuSystray_, [this] { restoreFromTray(); });
    timer_.start();
}

void MainWindow::finishStartup()
{
    calendarFile_.LoadCalendar(state_, state_.LastCheck);
    notesFile_.LoadNotes(state_);
    const QDate today = platform_.clock().today();
    comboMonth_->addItems(MonthNames());
    for (int year = today.year(); year <= today.year() + 10; ++year)
        comboYear_->addItem(QString::number(year));
    comboYear_->setCurrentText(QString::number(today.year()));
    comboMonth_->setCurrentText(MonthName(today.month()));
    state_.DisplayedDay = QString::number(today.day());
    pictureCalendar_->show();
    comboMonth_->show();
    comboYear_->show();
    labelLoading_->hide();
    state_.Navigating = false;
}

// The stored place is that of the window's inside: before the window is
// shown the size of the frame the window manager adds is unknown, so a frame
// position would creep on every start.
void MainWindow::placeWindow()
{
    const int captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    setGeometry(QRect(WindowPlacement::fromTwips(state_.MainLeft, state_.MainTop, size(), captionHeight), size()));
}

void MainWindow::storePosition()
{
    const WindowPlacement::Twips twips = WindowPlacement::toTwips(geometry().topLeft());
    state_.MainLeft = twips.left;
    state_.MainTop = twips.top;
}

bool MainWindow::requestExit()
{
    if (exiting_)
        return true;
    if (!isMinimized())
        storePosition();
    if (state_.ConfirmExit == 1) {
        ShowGeneralDialog(state_, this, 4815, 1905, QStringLiteral("Please confirm"),
                          QStringLiteral("If you exit now, Tarrowby can not remind you about upcoming events until "
                                         "you run it again. Do you still want to exit?"),
                          615, QStringLiteral("YesNo"), QStringLiteral("Do not ask me this question again."));
        if (state_.DialogCheckbox)
            state_.ConfirmExit = 0;
        if (state_.DialogResult != QLatin1String("Yes") && state_.ConfirmExit != 0)
            return false;
    }
    exiting_ = true;
    timer_.stop();
    saveAll();
    platform_.removeTrayIcon();
    help_.CloseHelp();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    close();
    QCoreApplication::quit();
    return true;
}

void MainWindow::saveForSessionEnd()
{
    if (exiting_)
        return;
    if (!isMinimized())
        storePosition();
    saveAll();
}

void MainWindow::saveAll()
{
    settingsFile_.SaveSettings(state_, state_);
    notesFile_.SaveNotes(state_);
    calendarFile_.SaveCalendar(state_);
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

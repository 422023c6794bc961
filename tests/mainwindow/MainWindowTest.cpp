#include "MainWindowFixture.h"

#include "KeyPress.h"

namespace {

const QByteArray SoonCalendar = "LastCheck=20261205\r\n[Event]\r\nTitle=Soon\r\nDate=20261208\r\nNotifyingDays=3\r\n";

} // namespace

// Settings come before the window shows, the files and the due alerts on the first tick.
TEST_F(MainWindowTest, StartsInTheTrayAndReadsTheFilesAndAlertsOnTheFirstTick)
{
    folder.write("tarrow.ini", "LoadMinimized=1\r\n");
    folder.write("calendar.dat", SoonCalendar);
    QWidget *calendar = window.findChild<QWidget *>("pictureCalendar");
    window.start();
    EXPECT_FALSE(window.isVisible() || calendar->isVisibleTo(&window));
    EXPECT_TRUE(reporter.reports.empty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !alerts.shown.empty(); }, 5000)); // the first tick
    EXPECT_EQ(reporter.reports, (Reports{{"notes.dat", "reading", FileError::FileNotFound}}));
    EXPECT_TRUE(calendar->isVisibleTo(&window));
    EXPECT_EQ(alerts.shown, (std::vector<ScriptedAlertWindow::Shown>{{0, false}}));
}

TEST_F(MainWindowTest, AWakeCatchesUpTheAlertsAtOnce)
{
    folder.write("calendar.dat", SoonCalendar);
    alerts.answers = {remindAfter(5)};
    window.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !alerts.shown.empty(); }, 5000));
    platform.clock_.pass(10 * 60);
    platform.clockChanged();
    EXPECT_EQ(alerts.shown.size(), 2u);
}

// The tray keeps the window minimized or closed.
TEST_F(MainWindowTest, OnlyADoubleClickOnTheTrayRestoresTheWindow)
{
    folder.write("tarrow.ini", "LoadMinimized=1\r\n");
    startUp();
    // clang-format off
    const struct { const char *name; std::function<void()> act; bool visible; } rows[] = {
        {"at start", [] {}, false}, {"single click", [this] { platform.trayClicked(TrayClick::Single); }, false},
        {"double click", [this] { platform.trayClicked(TrayClick::Double); }, true},
        {"maximized", [this] { window.showMaximized(); }, true},
        {"minimized", [this] { window.showMinimized(); }, false},
        {"double click again", [this] { platform.trayClicked(TrayClick::Double); }, true},
        {"close box", [this] { window.close(); }, false}};
    for (const auto &row : rows) {
        row.act();
        // A change of window state arrives through the event loop.
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isVisible() == row.visible; }, 1000)) << row.name;
    }
    // clang-format on
}

TEST_F(MainWindowTest, NoToTheExitQuestionKeepsTheProgramRunningAndWritesNothing)
{
    startUp(); // ConfirmExit is 1 without settings
    EXPECT_EQ(askedTitle([this] { EXPECT_FALSE(window.requestExit()); }, {MessageButton::No}), "Please confirm");
    EXPECT_TRUE(window.isVisible() && window.timer().isActive() && folder.names().isEmpty());
}

// Failed saves are told once, in the order of the saves, and Yes keeps the program running to save again later.
TEST_F(MainWindowTest, FailedSavesAtExitMayKeepTheProgramRunning)
{
    startUp();
    QDir(folder.path()).removeRecursively(); // every save fails
    QString told;
    whenModalOpens([&told](QDialog *dialog) {
        told = dialog->findChild<QLabel *>("labelMessage")->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandYes"), Qt::LeftButton);
    });
    GeneralDialog::setNextAnswer({MessageButton::Yes}); // to the exit question, the box left alone
    EXPECT_FALSE(window.requestExit());
    EXPECT_EQ(told, failedSavesMessage({{"tarrow.ini", FileError::PathNotFound},
                                        {"notes.dat", FileError::PathNotFound},
                                        {"calendar.dat", FileError::PathNotFound}}));
    EXPECT_TRUE(window.timer().isActive() && reporter.reports.empty());
}

TEST_F(MainWindowTest, ExitSavesEveryFileAndTheTickedQuestion)
{
    startUp();
    GeneralDialog::setNextAnswer({MessageButton::Yes, true}); // and do not ask again
    EXPECT_TRUE(window.requestExit());
    EXPECT_EQ(folder.names(), (QStringList{"calendar.dat", "notes.dat", "tarrow.ini"}));
    EXPECT_TRUE(folder.read("calendar.dat").startsWith("LastCheck=20261206"));
    EXPECT_TRUE(folder.read("tarrow.ini").contains("ConfirmExit=0\r\n"));
    EXPECT_EQ(platform.trayRemovals, 1);
}

// Saving before the start-up tick has read the files would write them empty.
TEST_F(MainWindowTest, EndingBeforeTheFilesAreReadSavesNothing)
{
    // clang-format off
    const std::pair<const char *, std::function<void(MainWindow &)>> rows[] = {
        {"Quit", [](MainWindow &w) { w.requestExit(); }},
        {"a quit signal", [this](MainWindow &) { platform.quitRequested(); }}};
    for (const auto &[row, end] : rows) {
        folder.write("tarrow.ini", "ConfirmExit=0\r\nTop=600\r\n");
        MainWindow loading(*state, platform, reporter, help, alerts);
        loading.start();
        end(loading);
        EXPECT_EQ(folder.names(), QStringList{"tarrow.ini"}) << row; // every save writes all three files
    }
    // clang-format on
}

// The keys reach the shown day at once: Down moves it a week on.
TEST_F(MainWindowTest, StartsWithTheFocusInTheMonthGrid)
{
    startUp();
    ASSERT_TRUE(showActive(window));
    ASSERT_EQ(focusedName(), "pictureMonthlyCalendar");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(window.findChild<QLabel *>("labelDateToday")->text(), "December 13, 2026");
}

// A dialog opened from the menu bar by its keys hands the focus back to the control that had it.
TEST_F(MainWindowTest, TheFocusReturnsFromADialogOpenedByTheMenuKeys)
{
    folder.write("calendar.dat", "[Event]\r\nTitle=Lunch\r\nDate=20261206\r\n");
    startUp();
    const struct {
        const char *focused, *returnsTo;
    } rows[] = {{nullptr, "pictureMonthlyCalendar"}, {"listboxEvents", "listboxEvents"}};
    for (const auto &row : rows) {
        ASSERT_TRUE(showActive(window));
        if (row.focused) // else the focus the window started with
            window.findChild<QWidget *>(row.focused)->setFocus();
        bool opened = false;
        whenModalOpens([&opened](QDialog *dialog) {
            opened = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QMenu *menu = window.findChild<QMenu *>("menuCalendar");
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); })) << row.returnsTo;
        QTest::keyClick(menu, Qt::Key_F); // Find event...
        EXPECT_TRUE(opened) << row.returnsTo;
        ASSERT_TRUE(showActive(window)); // as the window manager does when the dialog closes
        EXPECT_EQ(focusedName().toStdString(), row.returnsTo);
    }
}

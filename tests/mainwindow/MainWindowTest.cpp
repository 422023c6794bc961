#include "MainWindowFixture.h"

#include "appstate/AppState.h"
#include "datelogic/AlertScheduler.h"
#include "FakePlatform.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>


TEST_F(MainWindowTest, StartsWithSettingsThenCalendarAndNotesOnTheFirstTick)
{
    folder.write("calendar.dat", ""); // not a first start: the missing files are reported
    window.start();
    EXPECT_EQ(window.windowTitle(), "Tarrowby");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(platform.trayTip, "Tarrowby");
    EXPECT_TRUE(window.findChild<QLabel *>("labelLoading")->isVisible());
    EXPECT_FALSE(window.findChild<QWidget *>("pictureCalendar")->isVisible());
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", 53}}));
    EXPECT_TRUE(window.timer().isActive());
    EXPECT_EQ(window.timer().interval(), AlertScheduler::StartupInterval);

    waitForFirstTick();
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", 53},
                                                              {"notes.dat", "reading", 53}}));
    EXPECT_TRUE(window.findChild<QWidget *>("pictureCalendar")->isVisible());
    auto *month = window.findChild<QComboBox *>("comboMonth");
    auto *year = window.findChild<QComboBox *>("comboYear");
    EXPECT_EQ(month->count(), 12);
    EXPECT_EQ(month->currentText(), "December");
    ASSERT_EQ(year->count(), 11);
    EXPECT_EQ(year->itemText(0), "2026");
    EXPECT_EQ(year->itemText(10), "2036");
    EXPECT_EQ(year->currentText(), "2026");
    EXPECT_EQ(state->displayedDay, "6");
    EXPECT_FALSE(state->navigating);
    EXPECT_EQ(window.timer().interval(), AlertScheduler::RunningInterval);
}

TEST_F(MainWindowTest, FirstStartInAFolderWithoutDataFilesIsQuietAndLeavesNoTemporaryFiles)
{
    folder.write("calendar.dat.aB3xYz", "left by a killed save");
    startUp();
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(folder.names(), QStringList());
}

TEST_F(MainWindowTest, FirstTickAlertsDueEventsInTableOrder)
{
    folder.write("calendar.dat", "LastCheck=20261205\r\n\r\n[Event]\r\nTitle=Later\r\nDate=20261220\r\n"
                                 "NotifyingDays=3\r\n[Event]\r\nTitle=Soon\r\nDate=20261208\r\nNotifyingDays=3\r\n"
                                 "[Event]\r\nTitle=Today\r\nDate=00001206\r\nNotifyingDays=1\r\n");
    startUp();
    EXPECT_EQ(alerts.shown, (std::vector<Shown>{{1, 0}, {2, 0}}));
    EXPECT_EQ(state->lastCheck, "20261205");
}

// A wake or a set clock catches up at once instead of at the next minute tick.
TEST_F(MainWindowTest, WakeShowsTheRemindersThatFellDueMeanwhile)
{
    folder.write("calendar.dat", "LastCheck=20261205\r\n\r\n[Event]\r\nTitle=Soon\r\nDate=20261208\r\n"
                                 "NotifyingDays=3\r\n");
    alerts.answers = {remindAfter(5)};
    startUp();
    ASSERT_EQ(alerts.shown.size(), 1u);
    platform.clock_.pass(10 * 60);
    platform.clockChanged();
    EXPECT_EQ(alerts.shown.size(), 2u);
}

TEST_F(MainWindowTest, LoadMinimizedStaysInTheTrayWhileLoadingAndAlerting)
{
    writeSettings("LoadMinimized=1\r\n");
    folder.write("calendar.dat", "[Event]\r\nTitle=Soon\r\nDate=20261207\r\nNotifyingDays=3\r\n");
    bool hiddenDuringAlert = false;
    alerts.whileOpen = [&] { hiddenDuringAlert = !window.isVisible(); };
    startUp();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(hiddenDuringAlert);
    EXPECT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(platform.trayTip, "Tarrowby");
}

// The tray icon's menu opens by itself; of the clicks only a double-click restores.
TEST_F(MainWindowTest, OnlyADoubleClickOnTheTrayIconRestoresTheWindow)
{
    startUp();
    const struct {
        TrayClick click;
        bool restores;
    } rows[] = {{TrayClick::Single, false}, {TrayClick::Other, false}, {TrayClick::Double, true}};
    for (const auto &row : rows) {
        window.hide();
        platform.trayClicked(row.click);
        EXPECT_EQ(window.isVisible(), row.restores) << int(row.click);
    }
}

TEST_F(MainWindowTest, WithoutATrayTheWindowStaysReachable)
{
    platform.trayAvailable = false;
    writeSettings("LoadMinimized=1\r\n");
    startUp();
    EXPECT_TRUE(window.isMinimized());
    window.showNormal();
    window.close();
    EXPECT_TRUE(window.isMinimized());
    EXPECT_FALSE(folder.exists("tarrow.ini.bak"));
}

TEST_F(MainWindowTest, CloseBoxHidesAndTheProgramRunsOn)
{
    startUp();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(platform.trayRemovals, 0);
    EXPECT_FALSE(folder.exists("calendar.dat"));
    EXPECT_TRUE(window.timer().isActive());
}

TEST_F(MainWindowTest, ExitSavesThatFailAreToldOnceAndMayKeepTheProgramRunning)
{
    writeSettings("ConfirmExit=0\r\n");
    startUp();
    reporter.reports.clear();
    // With the folder gone every save fails, and the one question names them in the order of the saves.
    QDir(folder.path()).removeRecursively();
    int questions = 0;
    const auto answer = [&](const char *button) {
        whenModalOpens([&, button](QDialog *dialog) {
            ++questions;
            EXPECT_EQ(dialog->windowTitle(), failedSavesTitle());
            EXPECT_EQ(dialog->findChild<QLabel *>("labelMessage")->text(),
                      failedSavesMessage({{"tarrow.ini", 76}, {"notes.dat", 76}, {"calendar.dat", 76}}));
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        });
    };
    answer("commandYes");
    EXPECT_FALSE(window.requestExit());
    EXPECT_EQ(platform.trayRemovals, 0);
    EXPECT_TRUE(window.timer().isActive());

    answer("commandNo");
    EXPECT_TRUE(window.requestExit());
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(platform.trayRemovals, 1);
    EXPECT_FALSE(window.timer().isActive());
}

TEST_F(MainWindowTest, SessionEndSavesWithoutAsking)
{
    writeSettings("ConfirmExit=1\r\n");
    startUp();
    reporter.reports.clear();
    window.saveForSessionEnd();
    EXPECT_TRUE(folder.read("tarrow.ini").contains("ConfirmExit=1"));
    QDir(folder.path()).removeRecursively();
    window.saveForSessionEnd(); // nothing can be saved, and nobody is there to be told
    EXPECT_TRUE(reporter.reports.empty());
}

// Saving before the start-up tick has read the files would write them empty.
TEST_F(MainWindowTest, EndingBeforeTheFilesAreReadSavesNothing)
{
    const QByteArray calendar = "LastCheck=20261201\r\n\r\n[Event]\r\nTitle=Keep\r\nDate=00000101\r\n";
    const QByteArray notes = "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n";
    const QByteArray settings = "ConfirmExit=0\r\nTop=600\r\nLeft=1500\r\n";
    const struct {
        const char *name;
        std::function<void(MainWindow &)> end;
    } rows[] = {
        {"Quit", [](MainWindow &w) { w.requestExit(); }},
        {"a quit signal", [this](MainWindow &) { platform.quitRequested(); }},
        {"the end of the session", [](MainWindow &w) { w.saveForSessionEnd(); }},
    };
    for (const auto &row : rows) {
        folder.write("calendar.dat", calendar);
        folder.write("notes.dat", notes);
        folder.write("tarrow.ini", settings);
        MainWindow loading(*state, platform, reporter, help, alerts);
        loading.start();
        row.end(loading);
        EXPECT_EQ(folder.read("calendar.dat"), calendar) << row.name;
        EXPECT_EQ(folder.read("notes.dat"), notes) << row.name;
        EXPECT_EQ(folder.read("tarrow.ini"), settings) << row.name;
    }
}

TEST_F(MainWindowTest, ExitWritesAllThreeFiles)
{
    writeSettings("ConfirmExit=0\r\nTop=1500\r\nLeft=3000\r\n");
    startUp();
    EXPECT_TRUE(window.requestExit());
    EXPECT_TRUE(folder.read("calendar.dat").startsWith("LastCheck=20261206"));
    EXPECT_TRUE(folder.exists("notes.dat"));
    EXPECT_TRUE(folder.read("tarrow.ini").contains("ConfirmExit=0\r\n"));
}

TEST_F(MainWindowTest, ExitAnsweredNoOrEscapeWritesNothing)
{
    startUp();
    for (const char *button : {"commandNo", ""}) {
        answerExitQuestion(button, true);
        EXPECT_FALSE(window.requestExit());
        EXPECT_EQ(state->confirmExit, 1); // the ticked box counts only with Yes
    }
    EXPECT_FALSE(folder.exists("tarrow.ini"));
    EXPECT_FALSE(folder.exists("calendar.dat"));
    EXPECT_FALSE(folder.exists("notes.dat"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(platform.trayRemovals, 0);
}

TEST_F(MainWindowTest, TickedBoxAndYesStopsTheQuestion)
{
    startUp();
    answerExitQuestion("commandYes", true);
    EXPECT_TRUE(window.requestExit());
    EXPECT_TRUE(folder.read("tarrow.ini").contains("ConfirmExit=0\r\n"));
}

TEST_F(MainWindowTest, PositionIsStoredUnlessMinimized)
{
    writeSettings("ConfirmExit=0\r\nTop=600\r\nLeft=1500\r\n");
    startUp();
    window.move(200, 120);
    window.showMinimized();
    EXPECT_TRUE(window.requestExit());
    EXPECT_TRUE(folder.read("tarrow.ini").contains("Top=600\r\nLeft=1500\r\n"));
}

TEST_F(MainWindowTest, PositionOfAWindowPutInTheTrayByItsCloseBoxIsStored)
{
    writeSettings("ConfirmExit=0\r\n");
    startUp();
    window.move(200, 120);
    window.close();
    EXPECT_TRUE(window.requestExit());
    const QPoint stored = window.geometry().topLeft() * 15;
    EXPECT_TRUE(folder.read("tarrow.ini")
                    .contains(QStringLiteral("Top=%1\r\nLeft=%2\r\n").arg(stored.y()).arg(stored.x()).toLatin1()));
}

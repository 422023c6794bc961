#include "MainWindowFixture.h"

#include <QComboBox>
#include <QLabel>

#include <functional>

// Settings come before the window shows; the calendar, the notes and the due
// alerts on the first tick; a wake or a set clock catches the alerts up at once.
TEST_F(MainWindowTest, StartsWithSettingsThenCalendarNotesAndAlertsOnTheFirstTick)
{
    folder.write("calendar.dat", "LastCheck=20261205\r\n\r\n[Event]\r\nTitle=Later\r\nDate=20261220\r\n"
                                 "NotifyingDays=3\r\n[Event]\r\nTitle=Soon\r\nDate=20261208\r\nNotifyingDays=3\r\n"
                                 "[Event]\r\nTitle=Today\r\nDate=00001206\r\nNotifyingDays=1\r\n");
    alerts.answers = {remindAfter(5), RemindNever};
    window.start();
    EXPECT_FALSE(platform.trayTip.isEmpty());
    EXPECT_TRUE(window.findChild<QLabel *>("labelLoading")->isVisible());
    EXPECT_FALSE(window.findChild<QWidget *>("pictureCalendar")->isVisible());
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", 53}}));
    EXPECT_TRUE(alerts.shown.empty());
    waitForFirstTick();
    EXPECT_EQ(reporter.reports.back(), (FileErrorReport{"notes.dat", "reading", 53}));
    EXPECT_TRUE(window.findChild<QWidget *>("pictureCalendar")->isVisible());
    EXPECT_EQ(window.findChild<QComboBox *>("comboMonth")->currentIndex(), 11);
    EXPECT_EQ(alerts.shown, (std::vector<Shown>{{1, 0}, {2, 0}}));
    platform.clock_.pass(10 * 60);
    platform.clockChanged();
    EXPECT_EQ(alerts.shown.size(), 3u);
}

TEST_F(MainWindowTest, TrayKeepsTheWindowMinimizedOrClosedAndOnlyADoubleClickRestoresIt)
{
    writeSettings("LoadMinimized=1\r\n");
    folder.write("calendar.dat", "[Event]\r\nTitle=Soon\r\nDate=20261207\r\nNotifyingDays=3\r\n");
    bool hiddenDuringAlert = false;
    alerts.whileOpen = [&] { hiddenDuringAlert = !window.isVisible(); };
    startUp();
    EXPECT_TRUE(hiddenDuringAlert);
    const struct { const char *name; std::function<void()> act; bool visible; } rows[] = {
        {"loaded minimized", [] {}, false},
        {"single click", [this] { platform.trayClicked(TrayClick::Single); }, false},
        {"double click", [this] { platform.trayClicked(TrayClick::Double); }, true},
        {"maximized", [this] { window.showMaximized(); QTest::qWait(20); }, true},
        {"minimized", [this] { window.showMinimized(); QTest::qWait(20); }, false},
        {"double click again", [this] { platform.trayClicked(TrayClick::Double); }, true},
        {"close box", [this] { window.close(); }, false},
    };
    for (const auto &row : rows) {
        row.act();
        EXPECT_EQ(window.isVisible(), row.visible) << row.name;
    }
    EXPECT_EQ(platform.trayRemovals, 0);
    EXPECT_TRUE(window.timer().isActive());
}

TEST_F(MainWindowTest, ExitSavesThatFailAreToldOnceAndMayKeepTheProgramRunning)
{
    writeSettings("ConfirmExit=0\r\n");
    startUp();
    reporter.reports.clear();
    // With the folder gone every save fails, and the one question names them in the order of the saves.
    QDir(folder.path()).removeRecursively();
    for (const char *button : {"commandYes", "commandNo"}) {
        QString asked;
        whenModalOpens([&](QDialog *dialog) {
            asked = dialog->findChild<QLabel *>("labelMessage")->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        });
        EXPECT_EQ(window.requestExit(), button == std::string("commandNo")) << button;
        EXPECT_EQ(asked, failedSavesMessage({{"tarrow.ini", 76}, {"notes.dat", 76}, {"calendar.dat", 76}})) << button;
        EXPECT_EQ(window.timer().isActive(), button == std::string("commandYes")) << button;
    }
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(platform.trayRemovals, 1);
}

// Saving before the start-up tick has read the files would write them empty.
TEST_F(MainWindowTest, EndingBeforeTheFilesAreReadSavesNothing)
{
    const std::pair<const char *, QByteArray> files[] = {
        {"calendar.dat", "LastCheck=20261201\r\n\r\n[Event]\r\nTitle=Keep\r\nDate=00000101\r\n"},
        {"notes.dat", "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n"},
        {"tarrow.ini", "ConfirmExit=0\r\nTop=600\r\nLeft=1500\r\n"}};
    const std::pair<const char *, std::function<void(MainWindow &)>> rows[] = {
        {"Quit", [](MainWindow &w) { w.requestExit(); }},
        {"a quit signal", [this](MainWindow &) { platform.quitRequested(); }},
        {"the end of the session", [](MainWindow &w) { w.saveForSessionEnd(); }},
    };
    for (const auto &[row, end] : rows) {
        for (const auto &[name, bytes] : files)
            folder.write(name, bytes);
        MainWindow loading(*state, platform, reporter, help, alerts);
        loading.start();
        end(loading);
        for (const auto &[name, bytes] : files)
            EXPECT_EQ(folder.read(name), bytes) << row << " " << name;
    }
}

TEST_F(MainWindowTest, TheExitQuestionsAnswerDecidesWhatIsWritten)
{
    const struct { const char *name, *button; bool exits; } rows[] = { // button "" for Escape
        {"No", "commandNo", false}, {"Escape", "", false}, {"Yes", "commandYes", true}};
    for (const auto &row : rows) {
        MainWindow main(*state, platform, reporter, help, alerts);
        main.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return main.timer().interval() == AlertScheduler::RunningInterval; }, 5000));
        answerExitQuestion(row.button, true); // the ticked box counts only with Yes
        EXPECT_EQ(main.requestExit(), row.exits) << row.name;
        EXPECT_EQ(main.isVisible(), !row.exits) << row.name;
        EXPECT_EQ(state->confirmExit == 1, !row.exits) << row.name;
        for (const char *file : {"tarrow.ini", "calendar.dat", "notes.dat"})
            EXPECT_EQ(folder.exists(file), row.exits) << row.name << " " << file;
    }
    EXPECT_TRUE(folder.read("calendar.dat").startsWith("LastCheck=20261206"));
    EXPECT_TRUE(folder.read("tarrow.ini").contains("ConfirmExit=0\r\n"));
}

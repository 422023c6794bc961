#include "MainWindowFixture.h"

#include "datelogic/MonthLayout.h"

#include <QComboBox>
#include <QLabel>

#include <functional>

TEST_F(MainWindowTest, StartsWithSettingsThenCalendarAndNotesOnTheFirstTick)
{
    folder.write("calendar.dat", ""); // not a first start: the missing files are reported
    window.start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(platform.trayTip.isEmpty());
    EXPECT_TRUE(window.findChild<QLabel *>("labelLoading")->isVisible());
    EXPECT_FALSE(window.findChild<QWidget *>("pictureCalendar")->isVisible());
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", 53}}));
    EXPECT_EQ(window.timer().interval(), AlertScheduler::StartupInterval);

    waitForFirstTick();
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", 53},
                                                              {"notes.dat", "reading", 53}}));
    EXPECT_TRUE(window.findChild<QWidget *>("pictureCalendar")->isVisible());
    EXPECT_EQ(window.findChild<QComboBox *>("comboMonth")->currentIndex(), 11);
    EXPECT_EQ(window.findChild<QComboBox *>("comboYear")->currentText(), "2026");
    EXPECT_EQ(state->displayedDateInfo, displayedDateRecord(2026, 12, 6));
    EXPECT_FALSE(state->navigating);
}

// The first tick alerts what is due; a wake or a set clock catches up at once.
TEST_F(MainWindowTest, AlertsComeOnTheFirstTickAndOnAWake)
{
    folder.write("calendar.dat", "LastCheck=20261205\r\n\r\n[Event]\r\nTitle=Later\r\nDate=20261220\r\n"
                                 "NotifyingDays=3\r\n[Event]\r\nTitle=Soon\r\nDate=20261208\r\nNotifyingDays=3\r\n"
                                 "[Event]\r\nTitle=Today\r\nDate=00001206\r\nNotifyingDays=1\r\n");
    alerts.answers = {remindAfter(5), RemindNever};
    startUp();
    EXPECT_EQ(alerts.shown, (std::vector<Shown>{{1, 0}, {2, 0}}));
    EXPECT_EQ(state->lastCheck, "20261205");
    platform.clock_.pass(10 * 60);
    platform.clockChanged();
    EXPECT_EQ(alerts.shown.size(), 3u);
}

TEST_F(MainWindowTest, TrayKeepsTheWindowAndOnlyADoubleClickRestoresIt)
{
    writeSettings("LoadMinimized=1\r\n");
    folder.write("calendar.dat", "[Event]\r\nTitle=Soon\r\nDate=20261207\r\nNotifyingDays=3\r\n");
    bool hiddenDuringAlert = false;
    alerts.whileOpen = [&] { hiddenDuringAlert = !window.isVisible(); };
    startUp();
    EXPECT_TRUE(hiddenDuringAlert);
    const struct {
        const char *name;
        std::function<void()> act;
        bool visible;
    } rows[] = {
        {"loaded minimized", [] {}, false},
        {"single click", [this] { platform.trayClicked(TrayClick::Single); }, false},
        {"other click", [this] { platform.trayClicked(TrayClick::Other); }, false},
        {"double click", [this] { platform.trayClicked(TrayClick::Double); }, true},
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
    int questions = 0;
    const auto answer = [&](const char *button) {
        whenModalOpens([&, button](QDialog *dialog) {
            ++questions;
            EXPECT_EQ(dialog->findChild<QLabel *>("labelMessage")->text(),
                      failedSavesMessage({{"tarrow.ini", 76}, {"notes.dat", 76}, {"calendar.dat", 76}}));
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        });
    };
    answer("commandYes");
    EXPECT_FALSE(window.requestExit());
    EXPECT_TRUE(window.timer().isActive());
    answer("commandNo");
    EXPECT_TRUE(window.requestExit());
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(platform.trayRemovals, 1);
    EXPECT_FALSE(window.timer().isActive());
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

TEST_F(MainWindowTest, TheExitQuestionsAnswerDecidesWhatIsWritten)
{
    const struct {
        const char *name;
        const char *button; // "" for Escape
        bool exits;
        bool askedAgain;
    } rows[] = {{"No", "commandNo", false, true}, {"Escape", "", false, true}, {"Yes", "commandYes", true, false}};
    for (const auto &row : rows) {
        MainWindow main(*state, platform, reporter, help, alerts);
        main.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return main.timer().interval() == AlertScheduler::RunningInterval; }, 5000));
        answerExitQuestion(row.button, true); // the ticked box counts only with Yes
        EXPECT_EQ(main.requestExit(), row.exits) << row.name;
        EXPECT_EQ(main.isVisible(), !row.exits) << row.name;
        EXPECT_EQ(state->confirmExit == 1, row.askedAgain) << row.name;
        for (const char *file : {"tarrow.ini", "calendar.dat", "notes.dat"})
            EXPECT_EQ(folder.exists(file), row.exits) << row.name << " " << file;
    }
    EXPECT_TRUE(folder.read("calendar.dat").startsWith("LastCheck=20261206"));
    EXPECT_TRUE(folder.read("tarrow.ini").contains("ConfirmExit=0\r\n"));
}

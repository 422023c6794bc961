#include "MainWindowFixture.h"

#include "KeyPress.h"

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

#include "alerts/AlertDialog.h"
#include "alerts/AlertPresenter.h"
#include "datelogic/AlertTexts.h"

#include "appstate/AppState.h"
#include "eventdata/CalendarFile.h"
#include "FakePlatform.h"
#include "help/Help.h"
#include "mainwindow/MainWindow.h"
#include "ModalDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Today is Sunday 6 December 2026.
class AlertDialogTest : public ::testing::Test {
protected:
    FakePlatform platform{QDate(2026, 12, 6)};
    AppState state;

    std::unique_ptr<AlertDialog> alertFor(const Event &event, bool missed = false)
    {
        state.eventCount = -1;
        state.addEvent(event);
        return std::make_unique<AlertDialog>(state, platform, 0, missed);
    }
    static QLabel *label(const AlertDialog &dialog, const char *name) { return dialog.findChild<QLabel *>(name); }
    static QComboBox *remindAgain(const AlertDialog &dialog)
    {
        return dialog.findChild<QComboBox *>("comboRemindAgain");
    }
};

Event eventOn(const QString &date, const QString &time = QStringLiteral("    "))
{
    Event event = makeEvent(QStringLiteral("Dentist"), date, 3);
    event.time = time;
    return event;
}

} // namespace

TEST_F(AlertDialogTest, ShowsTheEventsTextsAsPlainTextWithTodayInBold)
{
    Event meeting = eventOn("20261206", "0830");
    meeting.category = QStringLiteral("Meeting");
    meeting.title = QStringLiteral("<b>Tom & Jerry</b>");
    const auto today = alertFor(meeting);
    EXPECT_EQ(today->windowTitle(), AlertTexts::caption(meeting));
    EXPECT_EQ(label(*today, "labelDate")->text(), AlertTexts::dateLine(meeting, state.uses12HourClock()));
    EXPECT_EQ(label(*today, "labelDaysLeft")->text(), AlertTexts::daysLeft(0));
    EXPECT_TRUE(label(*today, "labelDaysLeft")->font().bold());
    EXPECT_EQ(label(*today, "labelTitle")->text(), meeting.title);
    for (const char *name : {"labelTitle", "labelDescription"})
        EXPECT_EQ(label(*today, name)->textFormat(), Qt::PlainText) << name;
    // An every-year day that passed this year is next year's.
    const auto yearly = alertFor(eventOn("00001205"));
    EXPECT_EQ(label(*yearly, "labelDaysLeft")->text(), AlertTexts::daysLeft(364));
    EXPECT_FALSE(label(*yearly, "labelDaysLeft")->font().bold());
    Event wide = eventOn("20261208");
    wide.title = QString(60, QLatin1Char('W'));
    EXPECT_GT(label(*yearly, "labelTitle")->y(), label(*alertFor(wide), "labelTitle")->y()); // one line sits lower
}

TEST_F(AlertDialogTest, MissedAlertHidesTheRemindAgainControls)
{
    const auto dialog = alertFor(eventOn("20261201"), true);
    dialog->show();
    EXPECT_NE(label(*dialog, "labelDaysLeft")->text(), AlertTexts::daysLeft(0));
    for (const char *name : {"comboRemindAgain", "labelRemindMeAgain", "labelRemindAgainNote"})
        EXPECT_FALSE(dialog->findChild<QWidget *>(name)->isVisible()) << name;
}

TEST_F(AlertDialogTest, EveryEntryGivesItsAnswer)
{
    const std::vector<std::pair<QString, RemindAnswer>> entries{
        {"Never", RemindNever},          {"in 5 minutes", remindAfter(5)},  {"in 15 minutes", remindAfter(15)},
        {"in 30 minutes", remindAfter(30)}, {"in 1 hour", remindAfter(60)}, {"in 2 hours", remindAfter(120)},
        {"in 5 hours", remindAfter(300)}, {"on next start up", RemindNextStart},
    };
    const auto first = alertFor(eventOn("20261208"));
    ASSERT_EQ(remindAgain(*first)->count(), 8);
    EXPECT_EQ(remindAgain(*first)->currentText(), "in 1 hour");
    for (const auto &[entry, answer] : entries) {
        const auto dialog = alertFor(eventOn("20261208"));
        dialog->show();
        remindAgain(*dialog)->setCurrentText(entry);
        EXPECT_EQ(label(*dialog, "labelRemindAgainNote")->isVisible(), entry.startsWith("in ")) << entry.toStdString();
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        EXPECT_EQ(dialog->answer(), answer) << entry.toStdString();
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(AlertDialogTest, EscapeAndTheCloseBoxKeepTheChosenReminderAndSilence)
{
    Event loud = eventOn("20261208");
    loud.sound = QStringLiteral("/sounds/bell.wav");
    const auto escaped = alertFor(loud);
    escaped->show();
    remindAgain(*escaped)->setCurrentText("in 15 minutes");
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_EQ(escaped->answer(), remindAfter(15));
    EXPECT_EQ(platform.soundStops, 1);

    const auto closed = alertFor(loud);
    closed->show();
    closed->close();
    EXPECT_EQ(closed->answer(), remindAfter(60));
    EXPECT_EQ(platform.soundStops, 2);
}

TEST_F(AlertDialogTest, SoundPlaysOnceUnlessMutedOrNone)
{
    Event loud = eventOn("20261208");
    loud.sound = QStringLiteral("/sounds/bell.wav");
    alertFor(loud);
    ASSERT_EQ(platform.playedSounds.size(), 1u);
    EXPECT_EQ(platform.playedSounds[0], "/sounds/bell.wav");

    state.mute = 1;
    alertFor(loud);
    state.mute = 0;
    alertFor(eventOn("20261208"));
    EXPECT_EQ(platform.playedSounds.size(), 1u);
}

TEST(AlertPresenter, StartUpShowsEveryDueEventInTableOrderInFrontOfOtherPrograms)
{
    DataFolderFixture folder;
    FakePlatform platform{QDate(2026, 12, 6)};
    RecordingReporter reporter;
    AppState state;
    state.dataFolder = folder.path();
    folder.write("tarrow.ini", "[General]\r\nLoadMinimized=1\r\n");
    folder.write("notes.dat", "");
    EventTable table;
    table.addEvent(makeEvent("Later one", "20261209", 5));
    table.addEvent(makeEvent("Not yet", "20261230", 2));
    table.addEvent(makeEvent("Today's", "20261206", 1));
    CalendarFile(folder.path(), reporter, platform.clock()).saveCalendar(table);

    Help help(folder.file("tarrow.hlp"));
    AlertPresenter presenter(state, platform);
    MainWindow window(state, platform, reporter, help, presenter);
    presenter.setParentWindow(&window);

    QStringList shown;
    std::function<void(QDialog *)> answer = [&](QDialog *dialog) {
        shown << dialog->findChild<QLabel *>("labelTitle")->text();
        EXPECT_TRUE(dialog->isVisible());
        dialog->findChild<QComboBox *>("comboRemindAgain")->setCurrentText("in 5 minutes");
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        if (shown.size() < 2)
            whenModalOpens(answer);
    };
    whenModalOpens(answer);
    window.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 2; }, 5000));
    EXPECT_EQ(shown, (QStringList{"Later one", "Today's"}));
    EXPECT_GE(platform.broughtToFront, 2);
    EXPECT_FALSE(window.isVisible()); // still in the tray
    // Both answers ask for another look in a few minutes; the other event was not due.
    for (const char *title : {"Later one", "Today's", "Not yet"})
        EXPECT_EQ(state.events[state.indexOfTitle(title)].remindAgain.state,
                  QLatin1String(title) == "Not yet" ? Reminder::State::None : Reminder::State::Pending)
            << title;
}

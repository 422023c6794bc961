#include "alerts/AlertDialog.h"
#include "alerts/AlertPresenter.h"
#include "datelogic/AlertTexts.h"

#include "appstate/AppState.h"
#include "FakePlatform.h"
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
        state.addEvent(event);
        return std::make_unique<AlertDialog>(state, platform, state.size() - 1, missed);
    }
    static QLabel *label(const QDialog &dialog, const char *name) { return dialog.findChild<QLabel *>(name); }
    static QComboBox *remindAgain(const QDialog &dialog) { return dialog.findChild<QComboBox *>("comboRemindAgain"); }
};

} // namespace

TEST_F(AlertDialogTest, ShowsTheEventsTextsAsPlainTextWithTodayInBoldAndWhenMissedNoRemindAgain)
{
    Event meeting = makeEvent("<b>Tom & Jerry</b>", "20261206");
    meeting.category = QStringLiteral("Meeting");
    const auto today = alertFor(meeting);
    EXPECT_EQ(today->windowTitle(), AlertTexts::caption(meeting));
    EXPECT_EQ(label(*today, "labelDate")->text(), AlertTexts::dateLine(meeting, state.uses12HourClock()));
    EXPECT_EQ(label(*today, "labelTitle")->text(), meeting.title);
    for (const char *name : {"labelTitle", "labelDescription"})
        EXPECT_EQ(label(*today, name)->textFormat(), Qt::PlainText) << name;
    EXPECT_TRUE(label(*today, "labelDaysLeft")->font().bold());
    // An every-year day that passed this year is next year's.
    const auto yearly = alertFor(makeEvent("Dentist", "00001205"));
    EXPECT_EQ(label(*yearly, "labelDaysLeft")->text(), AlertTexts::daysLeft(364));
    EXPECT_FALSE(label(*yearly, "labelDaysLeft")->font().bold());
    const auto wide = alertFor(makeEvent(QString(60, QLatin1Char('W')), "20261208"));
    EXPECT_GT(label(*yearly, "labelTitle")->y(), label(*wide, "labelTitle")->y()); // one line sits lower
    const auto missed = alertFor(makeEvent("Dentist", "20261201"), true);
    missed->show();
    for (const char *name : {"comboRemindAgain", "labelRemindMeAgain", "labelRemindAgainNote"})
        EXPECT_FALSE(missed->findChild<QWidget *>(name)->isVisible()) << name;
}

TEST_F(AlertDialogTest, OkGivesTheChosenEntrysAnswerAndOnlyDelaysShowTheNote)
{
    const std::pair<QString, RemindAnswer> entries[] = {
        {"Never", RemindNever}, {"in 5 minutes", remindAfter(5)}, {"in 5 hours", remindAfter(300)},
        {"on next start up", RemindNextStart}};
    for (const auto &[entry, answer] : entries) {
        const auto dialog = alertFor(makeEvent("Dentist", "20261208"));
        dialog->show();
        remindAgain(*dialog)->setCurrentText(entry);
        EXPECT_EQ(label(*dialog, "labelRemindAgainNote")->isVisible(), entry.startsWith("in ")) << entry.toStdString();
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        EXPECT_EQ(dialog->answer(), answer) << entry.toStdString();
    }
    EXPECT_TRUE(platform.playedSounds.empty()); // the events have no sound
}

TEST_F(AlertDialogTest, SoundPlaysUnlessMutedAndEscapeOrTheCloseBoxKeepTheChosenReminderAndSilenceIt)
{
    Event loud = makeEvent("Dentist", "20261208");
    loud.sound = QStringLiteral("/sounds/bell.wav");
    const auto escaped = alertFor(loud);
    EXPECT_EQ(platform.playedSounds, std::vector<QString>{loud.sound});
    escaped->show();
    remindAgain(*escaped)->setCurrentText("in 15 minutes");
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_EQ(escaped->answer(), remindAfter(15));
    EXPECT_EQ(platform.soundStops, 1);
    state.mute = 1;
    const auto closed = alertFor(loud);
    closed->show();
    closed->close();
    EXPECT_EQ(closed->answer(), remindAfter(60)); // the entry chosen to begin with
    EXPECT_EQ(platform.playedSounds.size(), 1u);  // muted
}

TEST_F(AlertDialogTest, PresenterShowsTheEventInFrontOfOtherProgramsAndWaitsForTheAnswer)
{
    state.addEvent(makeEvent("Dentist", "20261208"));
    QWidget tray; // the main window, hidden in the tray
    AlertPresenter presenter(state, platform);
    presenter.setParentWindow(&tray);
    whenModalOpens([&](QDialog *dialog) {
        EXPECT_EQ(label(*dialog, "labelTitle")->text(), "Dentist");
        remindAgain(*dialog)->setCurrentText("in 5 minutes");
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    EXPECT_EQ(presenter.showAlert(0, false), remindAfter(5));
    EXPECT_EQ(platform.broughtToFront, 1);
}

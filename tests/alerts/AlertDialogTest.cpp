#include "alerts/AlertDialog.h"
#include "alerts/AlertPresenter.h"
#include "datelogic/AlertTexts.h"
#include "eventdata/EventTable.h"
#include "settings/Settings.h"

#include "FakePlatform.h"
#include "KeyPress.h"
#include "ModalDriver.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// Today is Sunday 6 December 2026. The texts are the alert texts' own; here they reach the window.
class AlertDialogTest : public ::testing::Test {
protected:
    FakePlatform platform{QDate(2026, 12, 6)};
    EventTable events;
    Settings settings;
    std::unique_ptr<AlertDialog> alertFor(const Event &event, bool missed = false)
    {
        events.addEvent(event);
        auto dialog = std::make_unique<AlertDialog>(events, settings, platform, events.size() - 1, missed);
        dialog->show();
        return dialog;
    }
    static QLabel *label(const QDialog &dialog, const char *name) { return dialog.findChild<QLabel *>(name); }
    static QString text(const QDialog &dialog, const char *name) { return label(dialog, name)->text(); }
};

} // namespace

TEST_F(AlertDialogTest, ShowsTheEventsTextsAsTheyAre)
{
    Event meeting = makeEvent("<b>Tom & Jerry</b>", "20261206");
    meeting.description = QStringLiteral("<i>Bring</i> the forms");
    const auto today = alertFor(meeting);
    EXPECT_EQ(QStringList({today->windowTitle(), text(*today, "labelDate"), text(*today, "labelTitle"),
                           text(*today, "labelDescription"), text(*today, "labelDaysLeft")}),
              QStringList({AlertTexts::caption(meeting), AlertTexts::dateLine(meeting, settings.uses12HourClock()),
                           meeting.title, meeting.description, AlertTexts::daysLeft(0)}));
    EXPECT_EQ(label(*today, "labelDescription")->textFormat(), Qt::PlainText);
    const auto wide = alertFor(makeEvent(QString(60, QLatin1Char('W')), "20261208"));
    EXPECT_FALSE(text(*wide, "labelDescription").isEmpty()); // says there is none
}

TEST_F(AlertDialogTest, TodaysDaysLeftIsBoldAndAOneLineTitleSitsLower)
{
    const auto today = alertFor(makeEvent("Dentist", "20261206"));
    const auto wide = alertFor(makeEvent(QString(60, QLatin1Char('W')), "20261208"));
    EXPECT_TRUE(label(*today, "labelDaysLeft")->font().bold() && !label(*wide, "labelDaysLeft")->font().bold());
    EXPECT_GT(label(*today, "labelTitle")->y(), label(*wide, "labelTitle")->y());
}

TEST_F(AlertDialogTest, AMissedAlertOffersNoRemindAgain)
{
    const auto missed = alertFor(makeEvent("Dentist", "20261205"), true);
    EXPECT_FALSE(missed->findChild<QWidget *>("comboRemindAgain")->isVisible());
}

// OK, Escape and the close box all keep the chosen entry's answer and silence the sound.
TEST_F(AlertDialogTest, EveryCloseGivesTheChosenAnswer)
{
    const struct {
        const char *entry;
        Qt::Key close;
        RemindAnswer answer;
    } rows[] = {// no key: the close box
                {"Never", Qt::Key_Return, RemindNever},
                {"in 5 hours", Qt::Key_Escape, remindAfter(300)},
                {"on next start up", {}, RemindNextStart},
                {nullptr, {}, remindAfter(60)}}; // the entry it opens with
    Event loud = makeEvent("Dentist", "20261208");
    loud.sound = QStringLiteral("/sounds/bell.wav");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.entry ? row.entry : "as it opens");
        const auto dialog = alertFor(loud);
        auto *remindAgain = dialog->findChild<QComboBox *>("comboRemindAgain");
        if (row.entry)
            remindAgain->setCurrentText(row.entry);
        EXPECT_EQ(label(*dialog, "labelRemindAgainNote")->isVisible(), remindAgain->currentText().startsWith("in "));
        if (row.close)
            QTest::keyClick(dialog.get(), row.close);
        else
            dialog->close();
        EXPECT_EQ(dialog->answer(), row.answer);
    }
    EXPECT_EQ(std::pair(platform.playedSounds.size(), platform.soundStops), std::pair(std::size(rows), 4));
}

TEST_F(AlertDialogTest, PlaysTheEventsSoundUnlessMuted)
{
    Event loud = makeEvent("Dentist", "20261208");
    loud.sound = QStringLiteral("/sounds/bell.wav");
    alertFor(loud);
    alertFor(makeEvent("Quiet", "20261208")); // nothing to play
    settings.mute = 1;
    alertFor(loud);
    EXPECT_EQ(platform.playedSounds, std::vector<QString>{loud.sound});
}

// The program's: in front of other programs, waiting for the answer.
TEST_F(AlertDialogTest, PresenterBringsTheAlertToTheFrontAndWaitsForTheAnswer)
{
    events.addEvent(makeEvent("Dentist", "20261208"));
    AlertPresenter presenter(events, settings, platform);
    whenModalOpens([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(presenter.showAlert(0, false), remindAfter(60));
    EXPECT_EQ(platform.broughtToFront, 1);
}

TEST_F(AlertDialogTest, TheECardButtonOpensThePageAndLeavesTheAlertOpen)
{
    const auto dialog = alertFor(makeEvent("Dentist", "20261208"));
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandEcard"), Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
}

// A missed alert has no remind-again list, so its first control would be the e-card button.
TEST_F(AlertDialogTest, OpensWithTheFocusOnTheRemindAgainListOrOnOkWhenMissed)
{
    const struct {
        bool missed;
        const char *focused;
    } rows[] = {{false, "comboRemindAgain"}, {true, "commandOK"}};
    for (const auto &row : rows) {
        const auto dialog = alertFor(makeEvent("Dentist", "20261208"), row.missed);
        ASSERT_TRUE(showActive(*dialog));
        EXPECT_EQ(focusedName().toStdString(), row.focused) << row.missed;
    }
}

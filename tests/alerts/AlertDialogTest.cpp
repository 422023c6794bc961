#include "alerts/AlertDialog.h"
#include "alerts/AlertPresenter.h"
#include "eventdata/EventTable.h"
#include "settings/Settings.h"

#include "FakePlatform.h"
#include "ModalDriver.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// Today is Sunday 6 December 2026.
class AlertDialogTest : public ::testing::Test {
protected:
    FakePlatform platform{QDate(2026, 12, 6)};
    EventTable events;
    Settings settings;
    std::unique_ptr<AlertDialog> alertFor(const Event &event)
    {
        events.addEvent(event);
        auto dialog = std::make_unique<AlertDialog>(events, settings, platform, events.size() - 1, false);
        dialog->show();
        return dialog;
    }
    static QLabel *label(const QDialog &dialog, const char *name) { return dialog.findChild<QLabel *>(name); }
};

} // namespace

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

// The program's: in front of other programs, waiting for the answer.
TEST_F(AlertDialogTest, PresenterBringsTheAlertToTheFrontAndWaitsForTheAnswer)
{
    events.addEvent(makeEvent("Dentist", "20261208"));
    AlertPresenter presenter(events, settings, platform);
    whenModalOpens([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(presenter.showAlert(0, false), remindAfter(60));
    EXPECT_EQ(platform.broughtToFront, 1);
}

#include "editing/EventDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The dialog as the user fills it in; today is 6 December 2026. The checks OK runs are tested on their own.
class EventDialogTest : public ::testing::Test {
protected:
    FakeClock clock{QDate(2026, 12, 6)};
    AppState state;
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    EventDialog dialog{state, clock, help};

    void SetUp() override { dialog.show(); }
    template <typename T = QLineEdit> T *control(const char *name) const { return dialog.findChild<T *>(name); }
    QPlainTextEdit *description() const { return control<QPlainTextEdit>("textDescription"); }
    void type(const char *name, const QString &text) const { QTest::keyClicks(control(name), text); }
    // Presses OK; returns the title of the message it raised, "" when it stored.
    QString pressOk() const
    {
        QString title;
        const QPointer<ModalWatch> watch = whenModalOpens([&](QDialog *message) {
            title = message->windowTitle();
            message->accept();
        });
        QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton);
        delete watch.data();
        return title;
    }
};

} // namespace

TEST_F(EventDialogTest, AddRefusesUntilTheEventFitsThenStoresEveryFieldInANewSlotAndSignalsBeforeClosing)
{
    dialog.prepareAdd("12", "December", "2026");
    QSignalSpy stored(&dialog, &EventDialog::eventStored);
    EXPECT_NE(pressOk(), ""); // no title
    type("textTitle", "Dentist");
    QTest::keyClicks(description(), "Bring");
    QTest::keyClick(description(), Qt::Key_Return); // a new line, not OK
    QTest::keyClicks(description(), "the forms");
    control<QComboBox>("comboCategory")->setCurrentText("Meeting");
    type("textHours", "9");
    type("textMinutes", "5");
    type("textAlert", "7");
    control<QCheckBox>("checkboxDisableThisYear")->setChecked(true);
    type("textSound", "/sounds/bell.wav");
    while (!state.EventTable::isFull()) // another dialog took the last slot meanwhile
        state.addEvent(makeEvent("Taken", "20261224"));
    EXPECT_EQ(pressOk(), "Database is full");
    EXPECT_TRUE(dialog.isVisible() && stored.isEmpty()); // a refusal keeps the dialog open and the table as it was
    state.eventCount = 0; // all but the first slot free again
    bool openWhenStored = false;
    QObject::connect(&dialog, &EventDialog::eventStored, [&] { openWhenStored = dialog.isVisible(); });
    EXPECT_EQ(pressOk(), "");
    EXPECT_TRUE(openWhenStored && !dialog.isVisible());
    ASSERT_EQ(state.size(), 2);
    const Event &e = state.events[1];
    EXPECT_EQ(QStringList({e.title, e.date, e.time, e.description, e.category, e.sound}),
              QStringList({"Dentist", "20261212", "0905", "Bring the forms", "Meeting", "/sounds/bell.wav"}));
    EXPECT_EQ(e.notifyingDays, -7);
}

TEST_F(EventDialogTest, EditShowsTheEventKeepsLongTextsWholeAndChangesOnlyItsSlot)
{
    Event paused = makeEvent(QString(Event::TitleLength + 6, QLatin1Char('t')), "20261230", -120);
    paused.description = QString(Event::DescriptionLength + 44, QLatin1Char('d'));
    paused.sound = QLatin1Char('/') + QString(304, QLatin1Char('s'));
    paused.category = QStringLiteral("Band"); // a user category renamed since
    state.addEvent(makeEvent("First", "20261220"));
    state.addEvent(paused);
    dialog.prepareEdit(1);
    EXPECT_EQ(QStringList({control("textYear")->text(), control("textDay")->text(), control("textAlert")->text(),
                           control<QComboBox>("comboMonth")->currentText(),
                           control<QComboBox>("comboCategory")->currentText()}),
              QStringList({"2026", "30", "120", "December", "Band"}));
    EXPECT_TRUE(control<QCheckBox>("checkboxDisableThisYear")->isChecked());
    control("textDay")->setText("29");
    const Reminder pending{Reminder::State::Pending, 5}; // set by an alert while the dialog was open
    state.events[1].remindAgain = pending;
    EXPECT_EQ(pressOk(), ""); // its own title is no duplicate
    const Event &e = state.events[1];
    EXPECT_EQ(QStringList({e.title, e.description, e.sound, e.category, e.date}),
              QStringList({paused.title, paused.description, paused.sound, "Band", "20261229"}));
    EXPECT_EQ(std::pair(e.notifyingDays, e.remindAgain), std::pair(qint16(-120), pending));
    EXPECT_EQ(std::pair(state.events[0].title, state.size()), std::pair(QString("First"), 2));
}

// The description takes no tabs: Tab moves on, even from a full box.
TEST_F(EventDialogTest, TypingStopsAtTheLimits)
{
    dialog.prepareAdd("6", "December", "2026");
    type("textTitle", QString(Event::TitleLength + 1, QLatin1Char('t')));
    EXPECT_EQ(control("textTitle")->text().size(), Event::TitleLength);
    QTest::keyClicks(description(), QString(Event::DescriptionLength + 1, QLatin1Char('d')));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    description()->setFocus();
    QTest::keyClick(description(), Qt::Key_Tab);
    EXPECT_FALSE(description()->hasFocus());
    EXPECT_EQ(description()->toPlainText().size(), Event::DescriptionLength);
}

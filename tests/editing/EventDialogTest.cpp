#include "editing/EventDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The dialog as the user fills it in; today is 6 December 2026.
class EventDialogTest : public ::testing::Test {
protected:
    FakeClock clock{QDate(2026, 12, 6)};
    AppState state;
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    std::unique_ptr<EventDialog> dialog;

    EventDialog &open()
    {
        dialog = std::make_unique<EventDialog>(state, clock, help);
        dialog->show();
        return *dialog;
    }
    EventDialog &openAdd(const QString &day = "6", const QString &month = "December", const QString &year = "2026")
    {
        open().prepareAdd(day, month, year);
        return *dialog;
    }
    QLineEdit *box(const char *name) const { return dialog->findChild<QLineEdit *>(name); }
    QComboBox *list(const char *name) const { return dialog->findChild<QComboBox *>(name); }
    void type(const char *name, const QString &text) const
    {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }
    QString lastMessage; // the text of the message OK raised last

    // Presses OK; returns the title of the message it raised, "" when it stored.
    QString pressOk()
    {
        QString title;
        const QPointer<ModalWatch> watch = whenModalOpens([&](QDialog *message) {
            title = message->windowTitle();
            lastMessage = message->findChild<QLabel *>("labelMessage")->text();
            message->accept();
        });
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        delete watch.data();
        return title;
    }
    void fillIn(const QString &day, const QString &month, const QString &year, const QString &hours = {})
    {
        openAdd();
        type("textTitle", "Checked");
        type("textDay", day);
        list("comboMonth")->setCurrentText(month);
        type("textYear", year);
        type("textHours", hours);
    }
};

} // namespace

TEST_F(EventDialogTest, AddStoresTheFieldsInANewSlotAndSignalsBeforeClosing)
{
    state.addEvent(makeEvent("Existing", "20261224"));
    openAdd("12", "December", "2026");
    EXPECT_EQ(box("textDay")->text(), "12");
    type("textTitle", "Dentist");
    auto *description = dialog->findChild<QPlainTextEdit *>("textDescription");
    QTest::keyClicks(description, "Bring");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "the forms");
    list("comboCategory")->setCurrentText("Meeting");
    type("textHours", "9");
    type("textMinutes", "5");
    type("textAlert", "7");
    dialog->findChild<QCheckBox *>("checkboxDisableThisYear")->setChecked(true);
    type("textSound", "/sounds/bell.wav");
    bool openWhenStored = false;
    QObject::connect(dialog.get(), &EventDialog::eventStored, [&] { openWhenStored = dialog->isVisible(); });

    EXPECT_EQ(pressOk(), "");
    EXPECT_TRUE(openWhenStored);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(state.size(), 2);
    const Event &stored = state.events[1];
    EXPECT_EQ(stored.title, "Dentist");
    EXPECT_EQ(stored.date, "20261212");
    EXPECT_EQ(stored.time, "0905");
    EXPECT_EQ(stored.description, "Bring the forms"); // one line, as the main window shows it
    EXPECT_EQ(stored.category, "Meeting");
    EXPECT_EQ(stored.notifyingDays, -7);
    EXPECT_EQ(stored.sound, "/sounds/bell.wav");
}

// The checks themselves are tested on their own; here only that OK runs them
// and that a refusal keeps the dialog open and the table as it was.
TEST_F(EventDialogTest, ARefusalShowsItsMessageAndKeepsTheDialogOpen)
{
    state.addEvent(makeEvent("Dentist", "20261224"));
    const struct {
        const char *name;
        std::function<void()> fill;
        const char *title;
    } rows[] = {
        {"no such date", [this] { fillIn("31", "April", "2027"); }, "Invalid date"},
        {"no such time", [this] { fillIn("5", "May", "2027", "9"); }, "Invalid time"},
        {"duplicate title", [this] { openAdd(); type("textTitle", "Dentist"); }, "Duplicate title"},
        {"table filled meanwhile",
         [this] {
             openAdd();
             type("textTitle", "One too many");
             while (!state.EventTable::isFull())
                 state.addEvent(makeEvent("Taken", "20261224"));
         },
         "Database is full"},
    };
    for (const auto &row : rows) {
        row.fill();
        const int before = state.size();
        QSignalSpy stored(dialog.get(), &EventDialog::eventStored);
        EXPECT_EQ(pressOk(), row.title) << row.name;
        EXPECT_TRUE(dialog->isVisible()) << row.name;
        EXPECT_EQ(stored.count(), 0) << row.name;
        EXPECT_EQ(state.size(), before) << row.name;
    }
    EXPECT_EQ(lastMessage, eventsFullMessage());
    state.eventCount = 0;
    open().prepareEdit(0); // an edited event's own title is no duplicate
    EXPECT_EQ(pressOk(), "");
}

TEST_F(EventDialogTest, EditFillsTheFieldsAndChangesOnlyThatSlot)
{
    Event every = makeEvent("Birthday", "00000314", -3);
    every.category = QStringLiteral("Band"); // a user category renamed since
    state.addEvent(makeEvent("First", "20261220"));
    state.addEvent(every);
    state.addEvent(makeEvent("Paused", "20261230", -2));

    open().prepareEdit(1);
    EXPECT_EQ(box("textYear")->text(), "");
    EXPECT_EQ(box("textDay")->text(), "14");
    EXPECT_EQ(list("comboMonth")->currentIndex(), 2);
    EXPECT_EQ(list("comboCategory")->currentText(), "Band");
    EXPECT_EQ(box("textAlert")->text(), "3");
    EXPECT_FALSE(dialog->findChild<QCheckBox *>("checkboxDisableThisYear")->isChecked());
    type("textTitle", "Birthday of Ann");
    const Reminder pending{Reminder::State::Pending, 5};
    state.events[1].remindAgain = pending;
    EXPECT_EQ(pressOk(), "");
    EXPECT_EQ(state.events[1].title, "Birthday of Ann");
    EXPECT_EQ(state.events[1].category, "Band");
    EXPECT_EQ(state.events[1].notifyingDays, 3); // the box was not ticked
    EXPECT_EQ(state.events[1].remindAgain, pending);
    EXPECT_EQ(state.events[0].title, "First");
    EXPECT_EQ(state.size(), 3);

    open().prepareEdit(2);
    EXPECT_TRUE(dialog->findChild<QCheckBox *>("checkboxDisableThisYear")->isChecked());
}

// The description takes no tabs: Tab moves on, even from a full box.
TEST_F(EventDialogTest, LimitsHoldWhatIsTypedAndLeaveStoredTextsWhole)
{
    Event stored = makeEvent(QString(Event::TitleLength + 6, QLatin1Char('t')), "20261224", 120);
    stored.description = QString(Event::DescriptionLength + 44, QLatin1Char('d'));
    stored.sound = QLatin1Char('/') + QString(304, QLatin1Char('s'));
    state.addEvent(stored);
    open().prepareEdit(0);
    EXPECT_EQ(pressOk(), "");
    EXPECT_EQ(state.events[0].title, stored.title);
    EXPECT_EQ(state.events[0].description, stored.description);
    EXPECT_EQ(state.events[0].sound, stored.sound);
    EXPECT_EQ(state.events[0].notifyingDays, stored.notifyingDays);

    openAdd();
    type("textTitle", stored.title);
    EXPECT_EQ(box("textTitle")->text().size(), Event::TitleLength);
    auto *description = dialog->findChild<QPlainTextEdit *>("textDescription");
    QTest::keyClicks(description, stored.description);
    EXPECT_EQ(description->toPlainText().size(), Event::DescriptionLength);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    description->setFocus();
    QTest::keyClick(description, Qt::Key_Tab);
    EXPECT_FALSE(description->hasFocus());
    EXPECT_EQ(description->toPlainText().size(), Event::DescriptionLength);
}

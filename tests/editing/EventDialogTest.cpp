#include "editing/EventDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "help/HelpViewer.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    QString messageFor(const QString &day, const QString &month, const QString &year, const QString &hours = {},
                       const QString &minutes = {})
    {
        openAdd();
        type("textTitle", QStringList{day, month, year, hours, minutes}.join('/'));
        type("textDay", day);
        list("comboMonth")->setCurrentText(month);
        type("textYear", year);
        type("textHours", hours);
        type("textMinutes", minutes);
        return pressOk();
    }
};

} // namespace

TEST_F(EventDialogTest, AddStoresTheFieldsInANewSlotAndSignalsBeforeClosing)
{
    state.addEvent(makeEvent("Existing", "20261224"));
    openAdd("12", "December", "2026");
    EXPECT_EQ(dialog->windowTitle(), "Add event");
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

// A second add dialog (from the tray menu) took the last slot while this one was open.
TEST_F(EventDialogTest, AddIntoATableFilledMeanwhileSaysDatabaseIsFull)
{
    openAdd();
    type("textTitle", "One too many");
    while (!state.EventTable::isFull())
        state.addEvent(makeEvent("Taken", "20261224"));
    QSignalSpy stored(dialog.get(), &EventDialog::eventStored);
    EXPECT_EQ(pressOk(), "Database is full");
    EXPECT_EQ(lastMessage, eventsFullMessage());
    EXPECT_EQ(state.size(), EventTable::Capacity);
    EXPECT_EQ(stored.count(), 0);
    EXPECT_TRUE(dialog->isVisible());
}

// The checks themselves are tested on their own; here only that OK runs them.
TEST_F(EventDialogTest, AFailedCheckShowsItsMessageAndKeepsTheDialogOpen)
{
    EXPECT_EQ(messageFor("31", "April", "2027"), "Invalid date");
    EXPECT_EQ(lastMessage, "The date you have entered for your event does not exist.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(messageFor("5", "May", "2027", "9"), "Invalid time");
    EXPECT_EQ(state.size(), 0);
}
TEST_F(EventDialogTest, AnEditedEventsOwnTitleIsNoDuplicate)
{
    state.addEvent(makeEvent("Dentist", "20261224"));
    openAdd();
    type("textTitle", "Dentist");
    EXPECT_EQ(pressOk(), "Duplicate title");
    open().prepareEdit(0);
    EXPECT_EQ(pressOk(), "");
}
TEST_F(EventDialogTest, TheAmPmListReachesTheStoredTimeAndBack)
{
    state.timeFormat = 12;
    openAdd("20", "December", "2026");
    type("textTitle", "Timed");
    type("textHours", "3");
    type("textMinutes", "30");
    list("comboAMPM")->setCurrentText("PM");
    EXPECT_EQ(pressOk(), "");
    EXPECT_EQ(state.events[0].time, "1530");
    open().prepareEdit(0);
    EXPECT_EQ(box("textHours")->text(), "3");
    EXPECT_EQ(list("comboAMPM")->currentText(), "PM");
}
TEST_F(EventDialogTest, AmPmListOnlyOnTheTwelveHourClock)
{
    openAdd();
    EXPECT_TRUE(list("comboAMPM")->isHidden());
    EXPECT_EQ(list("comboAMPM")->count(), 0);
    state.timeFormat = 12;
    openAdd();
    EXPECT_FALSE(list("comboAMPM")->isHidden());
}

TEST_F(EventDialogTest, EditFillsTheFieldsAndChangesOnlyThatSlot)
{
    Event every = makeEvent("Birthday", "00000314", -3);
    every.category = QStringLiteral("Birthday");
    state.addEvent(makeEvent("First", "20261220"));
    state.addEvent(every);
    Event thisYear = makeEvent("Paused", "20261230", -2);
    state.addEvent(thisYear);

    open().prepareEdit(1);
    EXPECT_EQ(dialog->windowTitle(), "Edit event");
    EXPECT_EQ(box("textYear")->text(), "");
    EXPECT_EQ(box("textDay")->text(), "14");
    EXPECT_EQ(list("comboMonth")->currentText(), "March");
    EXPECT_EQ(list("comboCategory")->currentText(), "Birthday");
    EXPECT_EQ(box("textAlert")->text(), "3");
    EXPECT_FALSE(dialog->findChild<QCheckBox *>("checkboxDisableThisYear")->isChecked());
    type("textTitle", "Birthday of Ann");
    const Reminder pending{Reminder::State::Pending, 5};
    state.events[1].remindAgain = pending;
    EXPECT_EQ(pressOk(), "");
    EXPECT_EQ(state.events[1].title, "Birthday of Ann");
    EXPECT_EQ(state.events[1].notifyingDays, 3); // the box was not ticked
    EXPECT_EQ(state.events[1].remindAgain, pending);
    EXPECT_EQ(state.events[0].title, "First");
    EXPECT_EQ(state.size(), 3);

    open().prepareEdit(2);
    EXPECT_TRUE(dialog->findChild<QCheckBox *>("checkboxDisableThisYear")->isChecked());
}

TEST_F(EventDialogTest, CancelAndEscapeChangeNothing)
{
    state.addEvent(makeEvent("Dentist", "20261224"));
    for (const bool escape : {false, true}) {
        open().prepareEdit(0);
        QSignalSpy stored(dialog.get(), &EventDialog::eventStored);
        type("textTitle", "Changed");
        if (escape)
            QTest::keyClick(box("textTitle"), Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>("commandCancel"), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(stored.count(), 0);
        EXPECT_EQ(state.events[0].title, "Dentist");
    }
}

TEST_F(EventDialogTest, NumericBoxesTakeOnlyDigitsTypedOrPasted)
{
    openAdd();
    type("textDay", "1a2");
    EXPECT_EQ(box("textDay")->text(), "12");
    box("textYear")->clear();
    QApplication::clipboard()->setText("20x7");
    box("textYear")->paste();
    EXPECT_EQ(box("textYear")->text(), "");
    QApplication::clipboard()->setText("2027");
    box("textYear")->paste();
    EXPECT_EQ(box("textYear")->text(), "2027");
    type("textAlert", "123");
    EXPECT_EQ(box("textAlert")->text(), "12");
}

TEST_F(EventDialogTest, LimitsHoldWhatIsTypedAndLeaveStoredTextsAndSoundPathsWhole)
{
    Event stored = makeEvent(QString(70, QLatin1Char('t')), "20261224", 120);
    stored.description = QString(300, QLatin1Char('d'));
    stored.sound = QLatin1Char('/') + QString(304, QLatin1Char('s'));
    state.addEvent(stored);
    open().prepareEdit(0);
    EXPECT_EQ(pressOk(), "");
    EXPECT_EQ(state.events[0].title, stored.title);
    EXPECT_EQ(state.events[0].description, stored.description);
    EXPECT_EQ(state.events[0].sound, stored.sound);
    EXPECT_EQ(state.events[0].notifyingDays, 120);

    openAdd();
    type("textTitle", QString(70, QLatin1Char('t')));
    EXPECT_EQ(box("textTitle")->text().size(), 64);
    auto *description = dialog->findChild<QPlainTextEdit *>("textDescription");
    QTest::keyClicks(description, QString(260, QLatin1Char('d')));
    EXPECT_EQ(description->toPlainText().size(), 256);
    type("textSound", QString(300, QLatin1Char('s')));
    EXPECT_EQ(box("textSound")->text().size(), 300);
}

TEST_F(EventDialogTest, SoundChooserTrimsTheChoiceAndCancelKeepsTheText)
{
    openAdd();
    QString askedTitle;
    QString askedFolder;
    QString answer = QStringLiteral("  /sounds/gong.wav  ");
    dialog->setFileChooser([&](QWidget *, const QString &title, const QString &folder, const QString &filters) {
        askedTitle = title;
        askedFolder = folder;
        EXPECT_TRUE(filters.startsWith("Sound Files (*.wav)"));
        return answer;
    });
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandSound"), Qt::LeftButton);
    EXPECT_EQ(askedTitle, "Select sound file");
    EXPECT_EQ(box("textSound")->text(), "/sounds/gong.wav");

    answer.clear(); // cancelled
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandSound"), Qt::LeftButton);
    EXPECT_EQ(askedFolder, "/sounds/gong.wav");
    EXPECT_EQ(box("textSound")->text(), "/sounds/gong.wav");
}

TEST_F(EventDialogTest, CategoriesAreSortedWithTheUserNames)
{
    state.userCategories = {QStringLiteral("Zoo trip"), QString(), QStringLiteral("Choir")};
    openAdd();
    QStringList entries;
    for (int i = 0; i < list("comboCategory")->count(); ++i)
        entries << list("comboCategory")->itemText(i);
    EXPECT_EQ(entries.first(), "");
    EXPECT_TRUE(entries.contains("Choir"));
    EXPECT_EQ(entries.last(), "Zoo trip");
    QStringList sorted = entries;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(entries, sorted);
    EXPECT_EQ(entries.size(), 1 + 13 + 2);

    // An event whose user category was renamed since keeps it through an edit.
    Event event = makeEvent("Rehearsal", "20261220");
    event.category = QStringLiteral("Band");
    state.addEvent(event);
    open().prepareEdit(0);
    EXPECT_EQ(list("comboCategory")->currentText(), "Band");
    EXPECT_EQ(list("comboCategory")->itemText(2), "Band"); // in its sorted place, after "Anniversary"
    EXPECT_EQ(pressOk(), "");
    EXPECT_EQ(state.events[0].category, "Band");
}

TEST_F(EventDialogTest, HelpButtonAndF1ShowTheEventDialogTopic)
{
    openAdd();
    const auto shownTopic = [&] {
        HelpViewer *viewer = help.viewer();
        EXPECT_NE(viewer, nullptr);
        if (!viewer)
            return QString();
        EXPECT_EQ(viewer->parentWidget(), dialog.get());
        const QListWidgetItem *topic = viewer->findChild<QListWidget *>("listTopics")->currentItem();
        return topic ? topic->text() : QString();
    };
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandHelp"), Qt::LeftButton);
    EXPECT_EQ(shownTopic(), "The event dialog");

    help.showHelpContents();
    dialog->activateWindow(); // shortcuts reach the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(box("textDay"), Qt::Key_F1);
    EXPECT_EQ(shownTopic(), "The event dialog");
    EXPECT_TRUE(dialog->isVisible());
    help.closeHelp();
}

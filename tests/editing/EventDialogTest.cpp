#include "editing/EventDialog.h"

#include "settings/Settings.h"
#include "eventdata/CalendarStore.h"
#include "AskedMessage.h"
#include "FakePlatform.h"
#include "help/Help.h"
#include "KeyPress.h"
#include "TestSupport.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// The dialog as the user fills it in; today is 6 December 2026. The checks OK runs are tested on their own.
class EventDialogTest : public ::testing::Test {
protected:
    FakePlatform platform{QDate(2026, 12, 6)};
    EventTable events;
    Settings settings;
    int saves = 0;
    CalendarStore store{events, [this](const EventTable &) { ++saves; }};
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    EventDialog dialog{settings, store, platform, help};

    void SetUp() override { dialog.show(); }
    template <typename T = QLineEdit> T *control(const char *name) const { return dialog.findChild<T *>(name); }
    QPlainTextEdit *description() const { return control<QPlainTextEdit>("textDescription"); }
    // Presses OK; returns the title of the message it raised, "" when it stored.
    QString pressOk() const
    {
        return askedTitle([this] { QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton); });
    }
};

} // namespace

// Typing stops at the limits; the description takes no tabs, so Tab moves on, even from a full box.
TEST_F(EventDialogTest, AddRefusesUntilTheEventFitsThenStoresEveryFieldInANewSlotAndSignalsBeforeClosing)
{
    dialog.prepareAdd(QDate(2026, 12, 12));
    EXPECT_NE(pressOk(), ""); // no title
    for (const auto &[box, text] : {std::pair{"textHours", "9"}, std::pair{"textMinutes", "5"},
                                    std::pair{"textAlert", "7"}, std::pair{"textSound", "/sounds/bell.wav"}})
        QTest::keyClicks(control(box), text);
    QTest::keyClicks(control("textTitle"), QString(Event::TitleLength + 1, QLatin1Char('t')));
    QTest::keyClicks(description(), "Bring");
    QTest::keyClick(description(), Qt::Key_Return); // a new line, not OK
    QTest::keyClicks(description(), "the forms" + QString(Event::DescriptionLength, QLatin1Char('.')));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    description()->setFocus();
    QTest::keyClick(description(), Qt::Key_Tab);
    EXPECT_FALSE(description()->hasFocus());
    control<QComboBox>("comboCategory")->setCurrentText("Meeting");
    control<QCheckBox>("checkboxDisableThisYear")->setChecked(true);
    while (!events.isFull()) // another dialog took the last slot meanwhile
        events.addEvent(makeEvent("Taken", "20261224"));
    EXPECT_EQ(pressOk(), "Database is full");
    EXPECT_TRUE(dialog.isVisible()); // a refusal keeps the dialog open and the table as it was
    events.eventCount = 0;           // all but the first slot free again
    bool openWhenStored = false;
    QObject::connect(&store, &CalendarStore::changed, [&] { openWhenStored = dialog.isVisible(); });
    EXPECT_EQ(pressOk(), "");
    EXPECT_TRUE(openWhenStored && !dialog.isVisible());
    EXPECT_EQ(saves, 1);
    ASSERT_EQ(events.size(), 2);
    Event stored = makeEvent(QString(Event::TitleLength, QLatin1Char('t')), "20261212", -7);
    stored.time = QTime(9, 5);
    const QString typed = "Bring the forms" + QString(Event::DescriptionLength, QLatin1Char('.'));
    stored.description = typed.left(Event::DescriptionLength); // the line break became a blank
    stored.category = "Meeting";
    stored.sound = "/sounds/bell.wav";
    EXPECT_EQ(events.events[1], stored);
}

// What the edit shows comes back whole: texts longer than the boxes take, a category renamed since, the alert.
TEST_F(EventDialogTest, EditOfTheFirstSlotShowsTheEventWholeAndChangesOnlyIt)
{
    Event paused = makeEvent(QString(Event::TitleLength + 6, QLatin1Char('t')), "20261230", -120);
    paused.description = QString(Event::DescriptionLength + 44, QLatin1Char('d'));
    paused.category = QStringLiteral("Band");
    events.addEvent(paused);
    dialog.prepareEdit(0);
    control("textDay")->setText("29");
    const Reminder pending{Reminder::State::Pending, 5}; // set by an alert while the dialog was open
    events.events[0].remindAgain = pending;
    EXPECT_EQ(pressOk(), ""); // its own title is no duplicate
    Event changed = paused;
    setStoredDate(changed, "20261229");
    changed.remindAgain = pending;
    EXPECT_EQ(events.events[0], changed);
    EXPECT_EQ(events.size(), 1);
}

// A change the user meant to drop stays out of the table: Enter presses the focused button, OK only from a box. The
// Help button's topic is the window walk's check.
TEST_F(EventDialogTest, EnterPressesTheFocusedButton)
{
    events.addEvent(makeEvent("Dentist", "20261210"));
    // clang-format off
    const struct { const char *focused, *outcome; } rows[] = {
        {"commandSound", "sound chooser, open, Dentist"}, {"commandCancel", "closed, Dentist"},
        {"textTitle", "closed, Dentist at noon"}};
    for (const auto &row : rows) {
        EventDialog edit(settings, store, platform, help);
        edit.prepareEdit(0);
        edit.findChild<QLineEdit *>("textTitle")->setText("Dentist at noon");
        ASSERT_TRUE(showActive(edit));
        platform.askedFiles.clear();
        pressOn(edit, row.focused);
        QStringList outcome;
        if (!platform.askedFiles.empty())
            outcome << "sound chooser";
        outcome << (edit.isVisible() ? "open" : "closed") << events.events[0].title;
        EXPECT_EQ(outcome.join(", ").toStdString(), row.outcome) << row.focused;
    }
    // clang-format on
}

// "&Title" and "&Time" share Alt+T: the presses take turns, so both boxes stay reachable from the keyboard.
TEST_F(EventDialogTest, AltTReachesTheTitleAndThenTheHours)
{
    ASSERT_TRUE(showActive(dialog));
    QStringList reached;
    for (int press = 0; press < 3; ++press) {
        pressOn(dialog, "textDescription", Qt::Key_T, Qt::AltModifier);
        reached << focusedName();
    }
    EXPECT_EQ(reached.join(' ').toStdString(), "textTitle textHours textTitle");
}

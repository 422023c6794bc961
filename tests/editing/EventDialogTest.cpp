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
    CalendarStore store{events, [](const EventTable &) {}};
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    EventDialog dialog{settings, store, platform, help};

    void SetUp() override { dialog.show(); }
    template <typename T = QLineEdit> T *control(const char *name) const { return dialog.findChild<T *>(name); }
    // Presses OK; returns the title of the message it raised, "" when it stored.
    QString pressOk() const
    {
        return askedTitle([this] { QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton); });
    }
};

} // namespace

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

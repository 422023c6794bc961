#include "find/FindDialog.h"

#include "eventdata/EventTable.h"
#include "help/Help.h"
#include "KeyPress.h"
#include "TestSupport.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

// No button is the default: Enter outside the buttons does nothing, on a focused button it presses that button. The
// Help button's topic is the window walk's check.
TEST(FindDialog, EnterPressesTheFocusedButtonAndNothingElse)
{
    const FakeClock clock{QDate(2026, 12, 6)};
    EventTable events;
    events.addEvent(makeEvent("Dentist", "20261210"));
    Help help{QStringLiteral("/nonexistent/tarrow.hlp")};
    // clang-format off
    const struct { const char *focused, *outcome; } rows[] = {
        {"Text", "open"}, {"List", "open"}, {"commandOK", "jumped, closed"},
        {"commandCancel", "closed"}};
    for (const auto &row : rows) {
        FindDialog dialog(events, clock, help);
        QStringList outcome;
        QObject::connect(&dialog, &FindDialog::jumpRequested, [&outcome] { outcome << "jumped"; });
        ASSERT_TRUE(showActive(dialog));
        pressOn(dialog, row.focused);
        outcome << (dialog.isVisible() ? "open" : "closed");
        EXPECT_EQ(outcome.join(", ").toStdString(), row.outcome) << row.focused;
    }
    // clang-format on
}

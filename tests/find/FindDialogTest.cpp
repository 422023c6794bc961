#include "find/FindDialog.h"

#include "eventdata/EventTable.h"
#include "help/Help.h"
#include "KeyPress.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Three events: one beyond the shown years, two alike in the next year.
class FindDialogTest : public ::testing::Test {
protected:
    FindDialogTest()
    {
        for (const auto &[title, date] : {std::pair{"<b>Far</b> & ahead", "20990310"}, std::pair{"Same", "20270110"},
                                          std::pair{"Same", "20270220"}})
            events.addEvent(makeEvent(title, date));
        dialog = std::make_unique<FindDialog>(events, clock, help);
        dialog->show();
    }
    QListWidget *list() const { return dialog->findChild<QListWidget *>("List"); }

    const FakeClock clock{QDate(2026, 12, 6)};
    EventTable events;
    Help help{QStringLiteral("/nonexistent/tarrow.hlp")};
    std::unique_ptr<FindDialog> dialog;
};

} // namespace

// The search is tested on its own: here each control reaches it and the titles show as typed.
TEST_F(FindDialogTest, EachControlNarrowsTheList)
{
    EXPECT_TRUE(list()->toolTip().contains("&lt;b&gt;Far&lt;/b&gt; &amp; ahead, March 10, 2099")); // the first
    // clang-format off
    const struct { const char *name, *text, *month, *year; QStringList listed; } filters[] = {
        {"text", "FAR", "", "", {"<b>Far</b> & ahead"}}, {"nothing found", "Fare", "", "", {}},
        {"month", "", "February", "", {"Same"}}, {"year", "", "", "2027", {"Same", "Same"}},
        {"none", "", "", "", {"<b>Far</b> & ahead", "Same", "Same"}}};
    for (const auto &row : filters) {
        dialog->findChild<QLineEdit *>("Text")->setText(row.text);
        for (const auto &[name, entry] : {std::pair{"comboMonth", row.month}, std::pair{"comboYear", row.year}}) {
            auto *combo = dialog->findChild<QComboBox *>(name);
            combo->setCurrentIndex(combo->findText(entry));
            emit combo->activated(combo->currentIndex()); // as a click on its list would
        }
        QStringList listed;
        for (int i = 0; i < list()->count(); ++i)
            listed << list()->item(i)->text();
        EXPECT_EQ(listed, row.listed) << row.name;
        EXPECT_EQ(list()->isEnabled(), !row.listed.isEmpty()) << row.name;
    }
    // clang-format on
}

// OK on a result beyond the shown years leaves the dialog open; OK or a double-click on another jumps to it.
TEST_F(FindDialogTest, OkOrADoubleClickJumpsToTheSelectedResultInTheShownYears)
{
    QSignalSpy jumped(dialog.get(), &FindDialog::jumpRequested);
    QSignalSpy refused(dialog.get(), &FindDialog::jumpRefused);
    for (int row : {0, 2}) {
        list()->setCurrentRow(row);
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        EXPECT_EQ(std::tuple(refused.count(), jumped.count(), dialog->isVisible()),
                  std::tuple(1, row == 0 ? 0 : 1, row == 0));
    }
    dialog->show();
    list()->setCurrentRow(1);
    const QPoint onItem = list()->visualItemRect(list()->currentItem()).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onItem); // the first click of the two
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, onItem);
    EXPECT_EQ(jumped, (QList<QVariantList>{{QDate(2027, 2, 20)}, {QDate(2027, 1, 10)}}));
    EXPECT_FALSE(dialog->isVisible());
}

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

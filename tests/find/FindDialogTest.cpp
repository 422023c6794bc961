#include "find/FindDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FindDialogTest : public ::testing::Test {
protected:
    FakeClock clock{QDate(2026, 12, 6)};
    AppState state;
    Help help{QStringLiteral("/nonexistent/tarrow.hlp")};
    std::unique_ptr<FindDialog> dialog;
    void open()
    {
        dialog = std::make_unique<FindDialog>(state, clock, help);
        dialog->show();
    }
    QListWidget *list() const { return dialog->findChild<QListWidget *>("List"); }
    QStringList results() const
    {
        QStringList titles;
        for (int row = 0; row < list()->count(); ++row)
            titles << list()->item(row)->text();
        return titles;
    }
};

} // namespace

// The search is tested on its own; here each control reaches it and the titles show as typed.
TEST_F(FindDialogTest, OpensWithEveryEventAndEachControlNarrowsTheList)
{
    for (const auto &[title, date] : {std::pair{"Dentist", "20270305"}, std::pair{"March yearly", "00000331"},
                                      std::pair{"April <b>once</b> & co", "20290401"}})
        state.addEvent(makeEvent(title, date));
    open();
    EXPECT_TRUE(list()->toolTip().contains("April &lt;b&gt;once&lt;/b&gt; &amp; co, April 1, 2029")); // the first
    const struct { const char *name, *text, *month, *year; QStringList listed; } rows[] = {
        {"text", "DENT", "", "", {"Dentist"}},
        {"nothing found", "Dentists", "", "", {}},
        {"month", "", "March", "", {"Dentist", "March yearly"}},
        {"year", "", "", "2029", {"April <b>once</b> & co", "March yearly"}},
    };
    for (const auto &row : rows) {
        dialog->findChild<QLineEdit *>("Text")->setText(row.text);
        for (const auto &[name, entry] : {std::pair{"comboMonth", row.month}, std::pair{"comboYear", row.year}}) {
            auto *combo = dialog->findChild<QComboBox *>(name);
            combo->setCurrentIndex(combo->findText(entry));
            emit combo->activated(combo->currentIndex()); // as a click on its list would
        }
        EXPECT_EQ(results(), row.listed) << row.name;
        EXPECT_EQ(list()->isEnabled(), !row.listed.isEmpty()) << row.name;
    }
}

TEST_F(FindDialogTest, OkOrADoubleClickJumpsToTheSelectedOfTwoEqualTitlesAndRefusesBeyondTheShownYears)
{
    state.addEvent(makeEvent("Far ahead", "20990310"));
    state.addEvent(makeEvent("Same", "20270110"));
    state.addEvent(makeEvent("Same", "20270220"));
    const struct { const char *name; int row; QVariantList jump; bool doubleClick; } rows[] = {
        {"the second of two equal titles", 2, {20, 2, 2027}, false},
        {"a double-click", 1, {10, 1, 2027}, true},
        {"beyond the shown years", 0, {}, false}};
    for (const auto &row : rows) {
        open();
        QSignalSpy jumps(dialog.get(), &FindDialog::jumpRequested);
        QSignalSpy refused(dialog.get(), &FindDialog::jumpRefused);
        list()->setCurrentRow(row.row);
        const QPoint onItem = list()->visualItemRect(list()->currentItem()).center();
        if (row.doubleClick) {
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onItem); // the first click of the two
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, onItem);
        } else {
            QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        }
        EXPECT_EQ(jumps.value(0), row.jump) << row.name;
        EXPECT_EQ(refused.count() == 1, row.jump.isEmpty()) << row.name;
        EXPECT_EQ(dialog->isVisible(), row.jump.isEmpty()) << row.name; // a refusal leaves it open
    }
}

#include "find/FindDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Jump {
    int day, month, year;
    bool operator==(const Jump &) const = default;
};

class FindDialogTest : public ::testing::Test {
protected:
    FakeClock clock{QDate(2026, 12, 6)};
    AppState state;
    Help help{QStringLiteral("/nonexistent/tarrow.hlp")};
    std::unique_ptr<FindDialog> dialog;
    std::vector<Jump> jumps;

    void add(const char *title, const char *date) { state.addEvent(makeEvent(title, date)); }
    FindDialog &open()
    {
        dialog = std::make_unique<FindDialog>(state, clock, help);
        QObject::connect(dialog.get(), &FindDialog::jumpRequested,
                         [this](int day, int month, int year) { jumps.push_back({day, month, year}); });
        dialog->show();
        return *dialog;
    }
    QListWidget *list() const { return dialog->findChild<QListWidget *>("List"); }
    QStringList results() const
    {
        QStringList titles;
        for (int row = 0; row < list()->count(); ++row)
            titles << list()->item(row)->text();
        return titles;
    }
    void search(const QString &text) const
    {
        dialog->findChild<QLineEdit *>("Text")->clear();
        QTest::keyClicks(dialog->findChild<QLineEdit *>("Text"), text);
    }
    // Chooses a filter entry as a click on the list would.
    void choose(const char *filter, const QString &entry) const
    {
        auto *combo = dialog->findChild<QComboBox *>(filter);
        const int index = combo->findText(entry);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

} // namespace

TEST_F(FindDialogTest, OpensWithEveryEventAndTheFirstSelected)
{
    add("banana", "20270101");
    add("Apple", "00000614");
    open();
    EXPECT_EQ(dialog->windowTitle(), "Find event");
    EXPECT_EQ(dialog->findChild<QLabel *>("labelExpression")->text(), "Search &expression and filters");
    EXPECT_EQ(results(), (QStringList{"Apple", "banana"}));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(list()->toolTip().contains("Apple, June 14, every year"), true);
    EXPECT_EQ(dialog->findChild<QComboBox *>("comboMonth")->count(), 13);
    EXPECT_EQ(dialog->findChild<QComboBox *>("comboYear")->count(), 12);
    EXPECT_EQ(dialog->findChild<QComboBox *>("comboYear")->itemText(1), "2026");
}

TEST_F(FindDialogTest, LiveSearchAndFilters)
{
    add("Dentist appointment", "20270305");
    add("March yearly", "00000331");
    add("March later", "20290301");
    add("April once", "20290401");
    open();
    search("DENT");
    EXPECT_EQ(results(), QStringList{"Dentist appointment"});
    search("appointment dentist");
    EXPECT_TRUE(results().isEmpty());
    EXPECT_FALSE(list()->isEnabled());
    search("");
    choose("comboMonth", "March");
    EXPECT_EQ(results(), (QStringList{"Dentist appointment", "March later", "March yearly"}));
    choose("comboMonth", "");
    choose("comboYear", "2029");
    EXPECT_EQ(results(), (QStringList{"April once", "March later", "March yearly"}));
    choose("comboMonth", "March");
    EXPECT_EQ(results(), (QStringList{"March later", "March yearly"}));
    search("once");
    EXPECT_TRUE(results().isEmpty());
    choose("comboMonth", "");
    EXPECT_EQ(results(), QStringList{"April once"});
}

TEST_F(FindDialogTest, EachOfTwoEqualTitlesJumpsToItsOwnDate)
{
    add("Same", "20270110");
    add("Same", "20270220");
    open();
    ASSERT_EQ(results(), (QStringList{"Same", "Same"}));
    list()->setCurrentRow(1);
    EXPECT_TRUE(list()->toolTip().contains("February 20, 2027"));
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    EXPECT_EQ(jumps, (std::vector<Jump>{{20, 2, 2027}}));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FindDialogTest, ResultBeyondTheShownYearsIsRefusedAndTheDialogStays)
{
    add("Far ahead", "20990310");
    open();
    QSignalSpy refused(dialog.get(), &FindDialog::jumpRefused);
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    EXPECT_TRUE(jumps.empty());
    EXPECT_EQ(refused.count(), 1);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FindDialogTest, OkWithNothingSelectedStaysOpen)
{
    add("Dentist", "20270305");
    open();
    list()->clearSelection();
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    EXPECT_TRUE(jumps.empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FindDialogTest, EveryYearJumpGoesByMonth)
{
    add("New year", "00000101");
    add("Late in December", "00001202");
    for (const auto &[today, title, expected] :
         {std::tuple{QDate(2027, 1, 31), "New year", Jump{1, 1, 2027}},
          std::tuple{QDate(2027, 2, 1), "New year", Jump{1, 1, 2028}},
          std::tuple{QDate(2026, 12, 6), "Late in December", Jump{2, 12, 2026}}}) {
        clock.set(today);
        jumps.clear();
        open();
        search(title);
        const QPoint onItem = list()->visualItemRect(list()->item(0)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onItem);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, onItem);
        EXPECT_EQ(jumps, std::vector<Jump>{expected}) << title;
    }
}

TEST_F(FindDialogTest, EmptyTableOkAndCancelCloseWithoutJumping)
{
    open();
    EXPECT_FALSE(list()->isEnabled());
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());

    add("Dentist", "20270305");
    open();
    QTest::keyClick(dialog->findChild<QLineEdit *>("Text"), Qt::Key_Return); // no default button
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog->findChild<QLineEdit *>("Text"), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    open();
    QTest::mouseClick(dialog->findChild<QPushButton *>("commandCancel"), Qt::LeftButton);
    EXPECT_TRUE(jumps.empty());
    EXPECT_EQ(state.size(), 1);
}

TEST_F(FindDialogTest, TitlesAndTooltipShowTheirCharacters)
{
    add("<b>Bold</b> & co", "20270305");
    open();
    EXPECT_EQ(results(), QStringList{"<b>Bold</b> & co"});
    EXPECT_TRUE(list()->toolTip().contains("&lt;b&gt;Bold&lt;/b&gt; &amp; co, March 5, 2027"));
}

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

#include <functional>

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

// The search itself is tested on its own; here only that each control reaches it.
TEST_F(FindDialogTest, OpensWithEveryEventAndEachControlNarrowsTheList)
{
    add("Dentist appointment", "20270305");
    add("March yearly", "00000331");
    add("April once", "20290401");
    open();
    EXPECT_EQ(results(), (QStringList{"April once", "Dentist appointment", "March yearly"}));
    EXPECT_EQ(list()->currentRow(), 0);
    const struct {
        const char *name;
        std::function<void()> act;
        QStringList listed;
    } rows[] = {
        {"text", [this] { search("DENT"); }, {"Dentist appointment"}},
        {"nothing found", [this] { search("appointment dentist"); }, {}},
        {"month", [this] { search(""); choose("comboMonth", "March"); }, {"Dentist appointment", "March yearly"}},
        {"year", [this] { choose("comboMonth", ""); choose("comboYear", "2029"); }, {"April once", "March yearly"}},
    };
    for (const auto &row : rows) {
        row.act();
        EXPECT_EQ(results(), row.listed) << row.name;
        EXPECT_EQ(list()->isEnabled(), !row.listed.isEmpty()) << row.name;
    }
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

TEST_F(FindDialogTest, ADoubleClickJumpsAnEveryYearEventToItsNextDay)
{
    add("New year", "00000101");
    clock.set(QDate(2027, 2, 1));
    open();
    const QPoint onItem = list()->visualItemRect(list()->item(0)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, onItem);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, onItem);
    EXPECT_EQ(jumps, (std::vector<Jump>{{1, 1, 2028}}));
}

TEST_F(FindDialogTest, TitlesAndTooltipShowTheirCharacters)
{
    add("<b>Bold</b> & co", "20270305");
    open();
    EXPECT_EQ(results(), QStringList{"<b>Bold</b> & co"});
    EXPECT_TRUE(list()->toolTip().contains("&lt;b&gt;Bold&lt;/b&gt; &amp; co, March 5, 2027"));
}

#include "datelogic/FindSearch.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class FindSearchTest : public ::testing::Test {
protected:
    std::unique_ptr<EventTable> table = std::make_unique<EventTable>();
    void add(const char *title, const char *date)
    {
        table->addEvent(makeEvent(QString::fromUtf8(title), QString::fromLatin1(date)));
    }
    QStringList find(const QString &text, const QString &month = {}, const QString &year = {}) const
    {
        QStringList titles;
        for (const int index : findEvents(*table, text, month, year))
            titles << table->events[index].title;
        return titles;
    }
};

} // namespace

TEST_F(FindSearchTest, TitleSubstringIgnoringCase)
{
    add("Dentist appointment", "20270305");
    add("Team dinner", "20270310");
    add("", "20270310");
    EXPECT_EQ(find("DENT"), QStringList{"Dentist appointment"});
    EXPECT_EQ(find("appointment Dentist"), QStringList());
    EXPECT_EQ(find("a much longer search text than any title"), QStringList());
    EXPECT_EQ(find(""), QStringList({"Dentist appointment", "Team dinner"})); // never the empty title
}

TEST_F(FindSearchTest, ResultsAreSortedIgnoringCaseAndListedPerEvent)
{
    add("banana", "20270101");
    add("Apple", "20270101");
    add("cherry", "20270101");
    add("apple", "20270102");
    add("Apple", "20270103");
    EXPECT_EQ(find(""), QStringList({"Apple", "apple", "Apple", "banana", "cherry"}));
    // Each "Apple" keeps its own event, in table order among equal titles.
    const std::vector<int> found = findEvents(*table, "", "", "");
    EXPECT_EQ(found[0], 1);
    EXPECT_EQ(found[2], 4);
    EXPECT_EQ(findResultAt(*table, found[2]).dayText, "3");
}

TEST_F(FindSearchTest, MonthAndYearFilters)
{
    add("March once", "20270315");
    add("March later", "20300301");
    add("March yearly", "00000331");
    add("April once", "20290401");
    add("Yearly in May", "00000501");
    EXPECT_EQ(find("", "March"), QStringList({"March later", "March once", "March yearly"}));
    EXPECT_EQ(find("", "", "2029"), QStringList({"April once", "March yearly", "Yearly in May"}));
    EXPECT_EQ(find("once", "March", "2027"), QStringList{"March once"});
    EXPECT_EQ(find("", "Smarch"), find("")); // not a month: no filter
}

TEST_F(FindSearchTest, ResultDetailsAndTooltip)
{
    add("Dentist", "20020305");
    add("Wedding day", "00000614");
    const FindResult dentist = findResultAt(*table, 0);
    EXPECT_EQ(dentist.tooltip, "Dentist, March 5, 2002");
    EXPECT_EQ(dentist.jumpYear(QDate(2001, 12, 1)), 2002);
    const FindResult wedding = findResultAt(*table, 1);
    EXPECT_EQ(wedding.tooltip, "Wedding day, June 14, every year");
}

TEST_F(FindSearchTest, EveryYearJumpGoesByMonthOnly)
{
    add("New year", "00000101");
    const FindResult result = findResultAt(*table, 0);
    EXPECT_EQ(result.jumpYear(QDate(2026, 1, 31)), 2026); // its own month, even after the day
    EXPECT_EQ(result.jumpYear(QDate(2026, 2, 1)), 2027);
}

#include "datelogic/FindSearch.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

TEST(FindSearch, TitleTextMonthAndYearFilterAndResultsSortByTitle)
{
    auto table = std::make_unique<EventTable>();
    for (const auto &[title, date] : std::initializer_list<std::pair<const char *, const char *>>{
             {"March once", "20270315"}, {"march later", "20300301"}, {"March yearly", "00000331"},
             {"April once", "20290401"}, {"Yearly in May", "00000501"}, {"", "20270310"},
             {"January first", "20290101"}, {"December last", "20291231"}})
        table->addEvent(makeEvent(title, date));
    const auto find = [&](const QString &text, const QString &month = {}, const QString &year = {}) {
        QStringList titles;
        for (const int index : findEvents(*table, text, month, year))
            titles << table->events[index].title;
        return titles;
    };
    const struct {
        const char *name;
        QStringList found;
        QStringList expected;
    } rows[] = {
        {"everything but the empty title", find(""),
         {"April once", "December last", "January first", "march later", "March once", "March yearly", "Yearly in May"}},
        {"part of a title, any case", find("ONCE"), {"April once", "March once"}},
        {"words in another order", find("once March"), {}},
        {"longer than any title", find("a much longer search text than any title"), {}},
        {"a month", find("", "March"), {"march later", "March once", "March yearly"}},
        {"January", find("", "January"), {"January first"}},
        {"December", find("", "December"), {"December last"}},
        {"a year keeps every-year events", find("", "", "2029"),
         {"April once", "December last", "January first", "March yearly", "Yearly in May"}},
        {"all three", find("once", "March", "2027"), {"March once"}},
        {"no such month is no filter", find("", "Smarch"), find("")},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.found, row.expected) << row.name;
}

TEST(FindSearch, EqualTitlesKeepTableOrderAndEachItsOwnEvent)
{
    EventTable table;
    for (const char *date : {"20270101", "20270102", "20270103"})
        table.addEvent(makeEvent("Apple", date));
    table.addEvent(makeEvent("apple", "20270104"));
    EXPECT_EQ(findEvents(table, "", "", ""), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(findResultAt(table, 2).dayText, "3");
}

TEST(FindSearch, ResultNamesItsDateAndJumpsToItsYear)
{
    EventTable table;
    table.addEvent(makeEvent("Dentist", "20020305"));
    table.addEvent(makeEvent("Wedding day", "00000614"));
    table.addEvent(makeEvent("New year", "00000101"));
    table.addEvent(makeEvent("Old year", "00001231"));
    EXPECT_EQ(findResultAt(table, 0).tooltip, "Dentist, March 5, 2002");
    EXPECT_EQ(findResultAt(table, 1).tooltip, "Wedding day, June 14, every year");
    const struct {
        int index;
        QDate today;
        int year;
    } rows[] = {
        {0, {2001, 12, 1}, 2002}, {2, {2026, 1, 31}, 2026}, {2, {2026, 2, 1}, 2027},
        {3, {2026, 12, 31}, 2026}, {3, {2026, 1, 1}, 2026},
    };
    for (const auto &row : rows)
        EXPECT_EQ(findResultAt(table, row.index).jumpYear(row.today), row.year)
            << row.index << " on " << row.today.toString(Qt::ISODate).toStdString();
}

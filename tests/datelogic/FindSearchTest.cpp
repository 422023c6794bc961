#include "datelogic/FindSearch.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(FindSearch, TitleTextMonthAndYearFilterAndResultsSortByTitle)
{
    EventTable table;
    for (const auto &[title, date] :
         std::initializer_list<std::pair<const char *, const char *>>{{"March once", "20270315"},
                                                                      {"march later", "20300301"},
                                                                      {"March yearly", "00000331"},
                                                                      {"April once", "20290401"},
                                                                      {"Yearly in May", "00000501"},
                                                                      {"", "20270310"}})
        table.addEvent(makeEvent(title, date));
    const auto find = [&](const QString &text, const QString &month = {}, const QString &year = {}) {
        QStringList titles;
        for (const int index : findEvents(table, text, month, year))
            titles << table.events[index].title;
        return titles;
    };
    const QStringList all{"April once", "march later", "March once", "March yearly", "Yearly in May"};
    EXPECT_EQ(find(""), all) << "everything but the empty title";
    EXPECT_EQ(find("ONCE"), QStringList({"April once", "March once"})) << "part of a title, any case";
    EXPECT_EQ(find("", "March"), QStringList({"march later", "March once", "March yearly"}));
    EXPECT_EQ(find("", "", "2029"), QStringList({"April once", "March yearly", "Yearly in May"}))
        << "a year keeps every-year events";
    EXPECT_EQ(find("once", "March", "2027"), QStringList{"March once"});
    EXPECT_EQ(find("", "Smarch"), all) << "no such month is no filter";
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

TEST(FindSearch, ResultNamesItsDate)
{
    EventTable table;
    table.addEvent(makeEvent("Dentist", "20020305"));
    table.addEvent(makeEvent("Wedding day", "00000614"));
    EXPECT_EQ(findResultAt(table, 0).tooltip, "Dentist, March 5, 2002");
    EXPECT_EQ(findResultAt(table, 1).tooltip, "Wedding day, June 14, every year");
}

// An every-year event shows this year up to the end of its month, then next
// year; a hand-edited day the month lacks shows the nearest day it has.
TEST(FindSearch, ResultJumpsToTheDayItFallsOn)
{
    // clang-format off
    const struct { const char *name, *date; QDate today, jump; } rows[] = {
        {"its own year", "20020305", {2001, 12, 1}, {2002, 3, 5}},
        {"every year, to the end of its month", "00000101", {2026, 1, 31}, {2026, 1, 1}},
        {"every year, after its month", "00000101", {2026, 2, 1}, {2027, 1, 1}},
        {"day 32", "20261232", {2026, 12, 1}, {2026, 12, 31}},
        {"day 00", "20261200", {2026, 12, 1}, {2026, 12, 1}},
        {"month 13", "20261301", {2026, 12, 1}, {}},
    };
    // clang-format on
    for (const auto &row : rows) {
        EventTable table;
        table.addEvent(makeEvent("e", row.date));
        EXPECT_EQ(findResultAt(table, 0).jumpDate(row.today), row.jump) << row.name;
    }
}

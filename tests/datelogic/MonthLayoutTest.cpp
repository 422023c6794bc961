#include "datelogic/MonthLayout.h"

#include <gtest/gtest.h>

// The first of the month stands in the first row from Friday to Sunday,
// else in the second, so at least four days of the month before show.
TEST(MonthLayout, FirstOfTheMonthFollowsItsWeekday)
{
    const int originByWeekday[] = {0, 7, 8, 9, 10, 4, 5, 6}; // Monday = 1 .. Sunday = 7
    for (int month = 1; month <= 7; ++month) {               // 2026's first seven months start on seven weekdays
        const QDate first(2026, month, 1);
        EXPECT_EQ(MonthLayout(2026, month).originCell(), originByWeekday[first.dayOfWeek()]) << month;
    }
}

// Every cell against Qt's calendar, in every month of three centuries: the
// days before and after the month are the neighbouring months' own.
TEST(MonthLayout, EveryCellHoldsTheDayOfItsPlace)
{
    for (int year = 1899; year <= 2101; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const MonthLayout layout(year, month);
            const QDate start = QDate(year, month, 1).addDays(-layout.originCell());
            for (int k = 0; k < MonthLayout::CellCount; ++k) {
                const QDate date = start.addDays(k);
                ASSERT_EQ(layout.cell(k).day, date.day()) << year << "-" << month << " cell " << k;
                ASSERT_EQ(layout.cell(k).inMonth, date.month() == month) << year << "-" << month << " cell " << k;
            }
        }
    }
}

TEST(MonthLayout, ShownYearsAreThisYearAndTheTenAfter)
{
    for (const auto &[year, shown] : {std::pair{2025, false}, {2026, true}, {2036, true}, {2037, false}})
        EXPECT_EQ(isShownYear(year, 2026), shown) << year;
    const QStringList listed = shownYearTexts(2026);
    EXPECT_EQ(std::pair(listed.first(), listed.last()), std::pair(QString("2026"), QString("2036")));
    EXPECT_EQ(listed.size(), 11);
}

TEST(MonthLayout, HeadingNamesTheDayWithoutLeadingZeroAndTheRecordHoldsBothForms)
{
    EXPECT_EQ(displayedDateRecord({2002, 12, 10}),
              "DisplayedDate(short)=20021210\r\nDisplayedDate(long)=December 10, 2002");
    EXPECT_EQ(displayedDateRecord({2002, 1, 1}),
              "DisplayedDate(short)=20020101\r\nDisplayedDate(long)=January 1, 2002");
}

// A day past the month's end takes its last day, one below 1 its first.
TEST(MonthLayout, DayInMonthKeepsTheDayOrTheNearestEnd)
{
    // clang-format off
    const struct { const char *name; int year, month, day; QDate result; } rows[] = {
        {"day kept", 2027, 3, 15, {2027, 3, 15}},
        {"last day kept", 2027, 4, 30, {2027, 4, 30}},
        {"31 April", 2027, 4, 31, {2027, 4, 30}},
        {"29 February of a common year", 2027, 2, 29, {2027, 2, 28}},
        {"29 February of a leap year", 2028, 2, 29, {2028, 2, 29}},
        {"day 0", 2027, 3, 0, {2027, 3, 1}},
        {"first day kept", 2027, 3, 1, {2027, 3, 1}},
        {"month 0", 2027, 0, 1, {}},
        {"month 13", 2027, 13, 1, {}},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(dayInMonth(row.year, row.month, row.day), row.result) << row.name;
}

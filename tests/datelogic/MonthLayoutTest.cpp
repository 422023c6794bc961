#include "datelogic/MonthLayout.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// The cells as "day" for the month and "(day)" for grey ones, for readable failures.
std::vector<std::string> describe(const MonthLayout &layout)
{
    std::vector<std::string> cells;
    for (int k = 0; k < MonthLayout::CellCount; ++k) {
        const GridCell &cell = layout.cell(k);
        cells.push_back(cell.inMonth ? std::to_string(cell.day) : "(" + std::to_string(cell.day) + ")");
    }
    return cells;
}

} // namespace

TEST(MonthLayout, FirstDayCellFollowsTheWeekdayAndKeepsAtLeastFourGreyDaysBefore)
{
    // January 2027 starts on a Friday, March 2027 on a Monday; weekdays Monday..Sunday.
    struct Case {
        int year, month, origin;
    };
    for (const Case c : {Case{2027, 3, 7}, Case{2026, 12, 8}, Case{2027, 9, 9}, Case{2026, 10, 10},
                         Case{2027, 1, 4}, Case{2026, 8, 5}, Case{2026, 11, 6}}) {
        const MonthLayout layout(c.year, c.month);
        EXPECT_EQ(layout.originCell(), c.origin) << c.year << "-" << c.month;
        EXPECT_EQ(layout.cell(c.origin).day, 1);
        EXPECT_TRUE(layout.cell(c.origin).inMonth);
        EXPECT_FALSE(layout.cell(c.origin - 1).inMonth);
    }
}

TEST(MonthLayout, MondayStartShowsAWholeGreyWeekBefore)
{
    const MonthLayout march(2027, 3);
    for (int k = 0; k < 7; ++k) {
        EXPECT_FALSE(march.cell(k).inMonth);
        EXPECT_EQ(march.cell(k).day, 22 + k); // February 22..28
    }
}

TEST(MonthLayout, LeapFebruaryCellByCell)
{
    std::vector<std::string> expected;
    for (int d = 26; d <= 31; ++d)
        expected.push_back("(" + std::to_string(d) + ")");
    for (int d = 1; d <= 29; ++d)
        expected.push_back(std::to_string(d));
    for (int d = 1; d <= 7; ++d)
        expected.push_back("(" + std::to_string(d) + ")");
    EXPECT_EQ(describe(MonthLayout(2004, 2)), expected);
}

TEST(MonthLayout, LongestMonthLateInTheWeekStillEndsInsideTheGrid)
{
    // October 2026 starts on a Thursday: the 31st lands in cell 40, the last cell is grey.
    const MonthLayout october(2026, 10);
    EXPECT_EQ(october.cell(40).day, 31);
    EXPECT_TRUE(october.cell(40).inMonth);
    EXPECT_EQ(october.cell(41).day, 1);
    EXPECT_FALSE(october.cell(41).inMonth);
}

TEST(MonthLayout, JanuaryShowsTheEndOfThePreviousDecember)
{
    const MonthLayout january(2027, 1);
    EXPECT_EQ(january.cell(0).day, 28);
    EXPECT_EQ(january.cell(3).day, 31);
}

TEST(DateHeadingText, NamesTheDayWithoutLeadingZeroAndRecordsBothForms)
{
    EXPECT_EQ(dateHeading(2002, 2, 5), "February 5, 2002");
    EXPECT_EQ(dateHeading(2002, 2, 31), "February 31, 2002"); // a kept day the month lacks
    EXPECT_EQ(displayedDateRecord(2002, 2, 10),
              "DisplayedDate(short)=20020210\r\nDisplayedDate(long)=February 10, 2002");
}

TEST(MonthLayout, ShownYearsAreThisYearAndTheTenAfter)
{
    for (const auto &[year, shown] : {std::pair{2025, false}, std::pair{2026, true}, std::pair{2036, true},
                                      std::pair{2037, false}})
        EXPECT_EQ(isShownYear(year, 2026), shown) << year;
}

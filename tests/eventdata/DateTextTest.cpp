#include "eventdata/DateText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(DateText, MonthNamesAndNumbersAreExactEnglishNames)
{
    EXPECT_EQ(monthName(1), "January");
    EXPECT_EQ(monthName(12), "December");
    EXPECT_EQ(monthName(0), "");
    EXPECT_EQ(monthName(13), "");
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(monthNumber(monthName(month)), month);
    EXPECT_EQ(monthNumber("march"), 0);
    EXPECT_EQ(monthNumber("Mar"), 0);
    EXPECT_EQ(monthNumber(""), 0);
}

TEST(DateText, DaysInMonthFollowsTheGregorianLeapRule)
{
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(2, 1900), 28);
    EXPECT_EQ(daysInMonth(2, 2004), 29);
    EXPECT_EQ(daysInMonth(2, 2003), 28);
    EXPECT_EQ(daysInMonth(2, 0), 29);
    EXPECT_EQ(daysInMonth(13, 2002), 0);
    EXPECT_EQ(daysInMonth(0, 2002), 0);
    // Agrees with Qt's calendar for every month of a few centuries.
    for (int year = 1890; year <= 2110; ++year) {
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(daysInMonth(month, year), QDate(year, month, 1).daysInMonth()) << year << "-" << month;
    }
}

TEST(DateText, TwoDigitsPadsOnlyBelowTen)
{
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(12), "12");
    EXPECT_EQ(twoDigits(2002), "2002");
}

#include "eventdata/DateText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(DateText, MonthNamesAndNumbersAreExactEnglishNames)
{
    EXPECT_EQ(MonthName(1), "January");
    EXPECT_EQ(MonthName(12), "December");
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(13), "");
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(MonthNumber(MonthName(month)), month);
    EXPECT_EQ(MonthNumber("march"), 0);
    EXPECT_EQ(MonthNumber("Mar"), 0);
    EXPECT_EQ(MonthNumber(""), 0);
}

TEST(DateText, DaysInMonthFollowsTheGregorianLeapRule)
{
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2004), 29);
    EXPECT_EQ(DaysInMonth(2, 2003), 28);
    EXPECT_EQ(DaysInMonth(2, 0), 29);
    EXPECT_EQ(DaysInMonth(13, 2002), 0);
    EXPECT_EQ(DaysInMonth(0, 2002), 0);
    // Agrees with Qt's calendar for every month of a few centuries.
    for (int year = 1890; year <= 2110; ++year) {
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(DaysInMonth(month, year), QDate(year, month, 1).daysInMonth()) << year << "-" << month;
    }
}

TEST(DateText, TwoDigitsPadsOnlyBelowTen)
{
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(12), "12");
    EXPECT_EQ(TwoDigits(2002), "2002");
}

TEST(DateText, DigitKeyFilterPassesDigitsAndBackspaceOnly)
{
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(DigitKeyFilter(c), c);
    EXPECT_EQ(DigitKeyFilter(8), 8);
    EXPECT_EQ(DigitKeyFilter('a'), 0);
    EXPECT_EQ(DigitKeyFilter('-'), 0);
    EXPECT_EQ(DigitKeyFilter(' '), 0);
    EXPECT_EQ(DigitKeyFilter(0x0663), 0); // an Arabic-Indic digit is not one of ours
}

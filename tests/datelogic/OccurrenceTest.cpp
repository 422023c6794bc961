#include "datelogic/Occurrence.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Occurrence, EveryYearEventFallsThisYearUntilItsDayHasPassed)
{
    const QDate today(2026, 6, 15);
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00000615"), today), today);
    EXPECT_EQ(daysLeft(makeEvent("t", "00000615"), today), 0);
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00000616"), today), QDate(2026, 6, 16));
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00000614"), today), QDate(2027, 6, 14));
    EXPECT_EQ(daysLeft(makeEvent("t", "00000614"), today), 364);
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00000101"), today), QDate(2027, 1, 1));
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00001231"), QDate(2027, 1, 1)), QDate(2027, 12, 31));
    EXPECT_EQ(daysLeft(makeEvent("t", "00001231"), QDate(2026, 12, 31)), 0);
    EXPECT_EQ(daysLeft(makeEvent("t", "00000101"), QDate(2026, 12, 31)), 1);
}

TEST(Occurrence, OneTimeEventKeepsItsDateAndCountsBackwards)
{
    const QDate today(2026, 12, 6);
    EXPECT_EQ(daysLeft(makeEvent("t", "20261209"), today), 3);
    EXPECT_EQ(daysLeft(makeEvent("t", "20261201"), today), -5);
    EXPECT_EQ(daysLeft(makeEvent("t", "20270101"), today), 26);
    // Far beyond the range of a 16-bit day count.
    EXPECT_EQ(daysLeft(makeEvent("t", "21261206"), today), QDate(2026, 12, 6).daysTo(QDate(2126, 12, 6)));
}

TEST(Occurrence, LeapDaysAndImpossibleDates)
{
    // An every-year 29 February exists only when the next occurrence lands in a leap year.
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00000229"), QDate(2027, 3, 1)), QDate(2028, 2, 29));
    EXPECT_EQ(nextOccurrence(makeEvent("t", "00000229"), QDate(2026, 1, 10)), std::nullopt);
    EXPECT_EQ(nextOccurrence(makeEvent("t", "20260431"), QDate(2026, 1, 10)), std::nullopt);
    EXPECT_EQ(nextOccurrence(makeEvent("t", "2026 4 1"), QDate(2026, 1, 10)), std::nullopt);
    EXPECT_EQ(daysLeft(makeEvent("t", "        "), QDate(2026, 1, 10)), std::nullopt);
    EXPECT_EQ(daysLeft(makeEvent("t", "20281301"), QDate(2026, 1, 10)), std::nullopt);
}

TEST(Occurrence, EventOnDateComparesTextsAndLetsEveryYearMatchAnyYear)
{
    const Event once = makeEvent("t", "20260305");
    EXPECT_TRUE(eventOnDate(once, 5, 3, "2026"));
    EXPECT_FALSE(eventOnDate(once, 5, 3, "2027"));
    EXPECT_FALSE(eventOnDate(once, 6, 3, "2026"));
    EXPECT_FALSE(eventOnDate(once, 5, 4, "2026"));
    const Event yearly = makeEvent("t", "00000229");
    EXPECT_TRUE(eventOnDate(yearly, 29, 2, "2028"));
    EXPECT_TRUE(eventOnDate(yearly, 29, 2, "1999"));
    EXPECT_FALSE(eventOnDate(yearly, 28, 2, "2028"));
}

TEST(Occurrence, StoredDatesNeedEightDigitsOfARealDay)
{
    EXPECT_EQ(storedDate(u"20261206"), QDate(2026, 12, 6));
    EXPECT_EQ(storedDate(u"20261206junk"), QDate(2026, 12, 6));
    EXPECT_FALSE(storedDate(u"").isValid());
    EXPECT_FALSE(storedDate(u"2026120").isValid());
    EXPECT_FALSE(storedDate(u"2026-1-6").isValid());
    EXPECT_FALSE(storedDate(u"20260230").isValid());
}

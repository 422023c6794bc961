#include "eventdata/TimeText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(TimeText, TwelveHourClockNamesMidnightAndNoonTwelve)
{
    EXPECT_EQ(toTwelveHour(0).hour, 12);
    EXPECT_FALSE(toTwelveHour(0).pm);
    EXPECT_EQ(toTwelveHour(12).hour, 12);
    EXPECT_TRUE(toTwelveHour(12).pm);
    EXPECT_EQ(toTwelveHour(13).hour, 1);
    EXPECT_EQ(toTwelveHour(23).hour, 11);
    for (int hour = 0; hour < 24; ++hour) {
        const TwelveHour twelve = toTwelveHour(hour);
        EXPECT_EQ(fromTwelveHour(twelve.hour, twelve.pm), hour);
    }
    EXPECT_EQ(fromTwelveHour(0, false), -1);
    EXPECT_EQ(fromTwelveHour(13, true), -1);
}

TEST(TimeText, ShownInTheChosenClock)
{
    EXPECT_EQ(timeText("0930", false), "09:30");
    EXPECT_EQ(timeText("0930", true), "09:30 AM");
    EXPECT_EQ(timeText("1305", true), "1:05 PM");
    EXPECT_EQ(timeText("0005", true), "12:05 AM");
    EXPECT_EQ(timeText("1200", true), "12:00 PM");
    EXPECT_EQ(timeText("2359", false), "23:59");
}

TEST(TimeText, NoTimeOrGarbageShowsNothing)
{
    for (const char *stored : {"    ", "", "ab12", "2460", "12"})
        EXPECT_EQ(timeText(stored, false), "") << stored;
}

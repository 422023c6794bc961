#include "eventdata/TimeText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(TimeText, TwelveHourClockNamesMidnightAndNoonTwelve)
{
    const struct {
        int hour24, hour12;
        bool pm;
    } rows[] = {{0, 12, false}, {1, 1, false}, {11, 11, false}, {12, 12, true}, {13, 1, true}, {23, 11, true}};
    for (const auto &row : rows) {
        EXPECT_EQ(toTwelveHour(row.hour24).hour, row.hour12) << row.hour24;
        EXPECT_EQ(toTwelveHour(row.hour24).pm, row.pm) << row.hour24;
        EXPECT_EQ(fromTwelveHour(row.hour12, row.pm), row.hour24) << row.hour24;
    }
    for (int outside : {0, 13})
        EXPECT_EQ(fromTwelveHour(outside, true), -1) << outside;
}

TEST(TimeText, StoredTimeShownInEitherClock)
{
    const struct {
        const char *stored, *clock24, *clock12;
    } rows[] = {
        {"0000", "00:00", "12:00 AM"}, {"0930", "09:30", "09:30 AM"}, {"1159", "11:59", "11:59 AM"},
        {"1200", "12:00", "12:00 PM"}, {"1305", "13:05", "1:05 PM"},  {"2359", "23:59", "11:59 PM"},
        {"2400", "", ""},              {"0060", "", ""},              {"    ", "", ""},
        {"ab12", "", ""},              {"12ab", "", ""},              {"123", "", ""},  {"12345", "", ""},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(timeText(row.stored, false), row.clock24) << row.stored;
        EXPECT_EQ(timeText(row.stored, true), row.clock12) << row.stored;
    }
}

#include "eventdata/EventDate.h"
#include "eventdata/TimeText.h"

#include <gtest/gtest.h>

// Midnight and noon are twelve on the 12-hour clock.
TEST(TimeText, StoredTimeShownInEitherClock)
{
    const std::tuple<int, int, bool> hours[] = {{0, 12, false}, {11, 11, false}, {12, 12, true}, {13, 1, true}};
    for (const auto &[hour24, hour12, pm] : hours) {
        EXPECT_EQ(std::pair(toTwelveHour(hour24).hour, toTwelveHour(hour24).pm), std::pair(hour12, pm)) << hour24;
        EXPECT_EQ(fromTwelveHour(hour12, pm), hour24) << hour24;
    }
    EXPECT_EQ(std::pair(fromTwelveHour(0, true), fromTwelveHour(13, true)), std::pair(-1, -1));
    // clang-format off
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"0000", "00:00", "12:00 AM"}, {"0930", "09:30", "09:30 AM"}, {"1200", "12:00", "12:00 PM"},
        {"1305", "13:05", "1:05 PM"},  {"2359", "23:59", "11:59 PM"}, {"2400", "", ""}, {"0060", "", ""},
        {"    ", "", ""}, {"ab12", "", ""}, {"12ab", "", ""}, {"123", "", ""},
    };
    // clang-format on
    for (const auto &[stored, clock24, clock12] : rows) {
        const std::optional<QTime> time = readEventTime(QString::fromLatin1(stored));
        EXPECT_EQ(timeText(time, false), clock24) << stored;
        EXPECT_EQ(timeText(time, true), clock12) << stored;
    }
}

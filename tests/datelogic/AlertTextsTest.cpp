#include "datelogic/AlertTexts.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(AlertTexts, DateLineNamesTheYearOrEveryYearAndTheTimeInEitherClock)
{
    // clang-format off
    const struct { const char *date, *time; bool twelveHours; const char *line; } rows[] = {
        {"20261208", "1330", true, "December 8, 2026 at 1:30 PM"},
        {"20260101", "    ", false, "January 1, 2026"},
        {"00001231", "2359", false, "December 31, every year at 23:59"},
    };
    // clang-format on
    for (const auto &row : rows) {
        Event event = makeEvent(QStringLiteral("Dentist"), QString::fromLatin1(row.date));
        event.time = readEventTime(QString::fromLatin1(row.time));
        EXPECT_EQ(AlertTexts::dateLine(event, row.twelveHours), row.line) << row.date << ' ' << row.time;
    }
}

TEST(AlertTexts, DaysLeftSaysTodayOneDayOrTheDays)
{
    EXPECT_EQ(AlertTexts::daysLeft(0), "[ TODAY! ]");
    EXPECT_EQ(AlertTexts::daysLeft(1), "[ 1 day left ]");
    EXPECT_EQ(AlertTexts::daysLeft(2), "[ 2 days left ]");
}

TEST(AlertTexts, CaptionIsTheCategoryOrAlert)
{
    Event event = makeEvent(QStringLiteral("Dentist"), QStringLiteral("20261208"));
    EXPECT_EQ(AlertTexts::caption(event), "Alert!");
    event.category = QStringLiteral("Meeting");
    EXPECT_EQ(AlertTexts::caption(event), "Meeting!");
}

#include "datelogic/EventSearch.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int ThisYear = 2026;

} // namespace

// Forward every month has the day numbers 1 to 31, backward 32 down to 0.
TEST(EventSearch, StepsRollOverMonthsAndYearsInBothDirections)
{
    const struct { CalendarDay from, forward, back; } rows[] = {
        {{1, 3, 2027}, {2, 3, 2027}, {0, 3, 2027}},     {{0, 3, 2027}, {1, 3, 2027}, {32, 2, 2027}},
        {{31, 1, 2027}, {1, 2, 2027}, {30, 1, 2027}},   {{32, 2, 2027}, {1, 3, 2027}, {31, 2, 2027}},
        {{31, 11, 2027}, {1, 12, 2027}, {30, 11, 2027}}, {{0, 2, 2027}, {1, 2, 2027}, {32, 1, 2027}},
        {{31, 12, 2027}, {1, 1, 2028}, {30, 12, 2027}}, {{0, 1, 2028}, {1, 1, 2028}, {32, 12, 2027}},
    };
    for (const auto &row : rows) {
        CalendarDay forward = row.from;
        stepForward(forward);
        EXPECT_EQ(forward, row.forward) << row.from.day << '.' << row.from.month;
        CalendarDay back = row.from;
        stepBack(back);
        EXPECT_EQ(back, row.back) << row.from.day << '.' << row.from.month;
    }
}

// 3651 steps from the start at most; forward never past ten years after this year, backward never before this year.
TEST(EventSearch, NearestDayWithAnEventWithinTheLimits)
{
    using Day = std::optional<CalendarDay>;
    const struct { const char *name, *date; bool forward; CalendarDay from; int currentYear; Day found; } rows[] = {
        {"next day", "20270131", true, {30, 1, 2027}, ThisYear, CalendarDay{31, 1, 2027}},
        {"never the start", "20270131", true, {31, 1, 2027}, ThisYear, std::nullopt},
        {"previous across 0 and 32", "20270131", false, {1, 3, 2027}, ThisYear, CalendarDay{31, 1, 2027}},
        {"yearly next year", "00000704", true, {5, 7, 2026}, ThisYear, CalendarDay{4, 7, 2027}},
        {"last day of the range", "20361231", true, {30, 12, 2036}, ThisYear, CalendarDay{31, 12, 2036}},
        {"beyond the range", "00000101", true, {31, 12, 2036}, ThisYear, std::nullopt},
        {"first day of this year", "20260101", false, {2, 1, 2026}, ThisYear, CalendarDay{1, 1, 2026}},
        {"last year is never searched", "20251231", false, {1, 1, 2026}, ThisYear, std::nullopt},
        {"forward step 3651", "20361025", true, {1, 1, 2027}, ThisYear, CalendarDay{25, 10, 2036}},
        {"forward step 3652", "20361026", true, {1, 1, 2027}, ThisYear, std::nullopt},
        {"back step 3651", "20271012", false, {0, 1, 2037}, ThisYear, CalendarDay{12, 10, 2027}},
        {"back step 3652", "20271011", false, {0, 1, 2037}, ThisYear, std::nullopt},
        {"day 00 only on the walk's 0", "20270300", false, {1, 3, 2027}, ThisYear, CalendarDay{0, 3, 2027}},
        {"day 32 only on the walk's 32", "20270332", false, {1, 4, 2027}, ThisYear, CalendarDay{32, 3, 2027}},
    };
    for (const auto &row : rows) {
        auto table = std::make_unique<EventTable>();
        // Last on the way forward, first on the way back: the table is read to both ends.
        const Event event = makeEvent("e", row.date), other = makeEvent("other", "20250101");
        table->addEvent(row.forward ? other : event);
        table->addEvent(row.forward ? event : other);
        const Day found = row.forward ? findNextEvent(*table, row.from, row.currentYear)
                                      : findPreviousEvent(*table, row.from, row.currentYear);
        EXPECT_EQ(found, row.found) << row.name;
    }
}

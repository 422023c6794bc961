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
    // clang-format off
    const struct { CalendarDay from, forward, back; } rows[] = {
        {{1, 3, 2027}, {2, 3, 2027}, {0, 3, 2027}},     {{0, 3, 2027}, {1, 3, 2027}, {32, 2, 2027}},
        {{31, 1, 2027}, {1, 2, 2027}, {30, 1, 2027}},   {{32, 2, 2027}, {1, 3, 2027}, {31, 2, 2027}},
        {{31, 11, 2027}, {1, 12, 2027}, {30, 11, 2027}}, {{0, 2, 2027}, {1, 2, 2027}, {32, 1, 2027}},
        {{31, 12, 2027}, {1, 1, 2028}, {30, 12, 2027}}, {{0, 1, 2028}, {1, 1, 2028}, {32, 12, 2027}},
    };
    // clang-format on
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
    using Day = std::optional<QDate>;
    // clang-format off
    const struct { const char *name, *date; bool forward; QDate from; int currentYear; Day found; } rows[] = {
        {"next day", "20270131", true, {2027, 1, 30}, ThisYear, QDate(2027, 1, 31)},
        {"never the start", "20270131", true, {2027, 1, 31}, ThisYear, std::nullopt},
        {"previous across 0 and 32", "20270131", false, {2027, 3, 1}, ThisYear, QDate(2027, 1, 31)},
        {"yearly next year", "00000704", true, {2026, 7, 5}, ThisYear, QDate(2027, 7, 4)},
        {"last day of the range", "20361231", true, {2036, 12, 30}, ThisYear, QDate(2036, 12, 31)},
        {"beyond the range", "00000101", true, {2036, 12, 31}, ThisYear, std::nullopt},
        {"first day of this year", "20260101", false, {2026, 1, 2}, ThisYear, QDate(2026, 1, 1)},
        {"last year is never searched", "20251231", false, {2026, 1, 1}, ThisYear, std::nullopt},
        {"forward step 3651", "20361025", true, {2027, 1, 1}, ThisYear, QDate(2036, 10, 25)},
        {"forward step 3652", "20361026", true, {2027, 1, 1}, ThisYear, std::nullopt},
        {"back step 3651", "20271013", false, {2037, 1, 1}, ThisYear, QDate(2027, 10, 13)},
        {"back step 3652", "20271012", false, {2037, 1, 1}, ThisYear, std::nullopt},
        {"day 00 is no day", "20270300", false, {2027, 3, 1}, ThisYear, std::nullopt},
        {"day 32 is no day", "20270332", false, {2027, 4, 1}, ThisYear, std::nullopt},
        {"31 April is no day in any year", "00000431", true, {2026, 4, 30}, ThisYear, std::nullopt},
        {"29 February in the next leap year", "00000229", true, {2026, 12, 1}, ThisYear, QDate(2028, 2, 29)},
    };
    // clang-format on
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

// The day's list: by title with capitals aside, equal titles in table order, and only what falls on the day.
TEST(EventSearch, EventsOnADayInTheListsOrder)
{
    // clang-format off
    const struct { const char *name; std::vector<std::pair<const char *, const char *>> events; std::vector<int> listed; } rows[] = {
        {"an empty table", {}, {}},
        {"by title", {{"dentist", "20261210"}, {"Choir", "20261210"}}, {1, 0}},
        {"capitals aside", {{"b", "20261210"}, {"A", "20261210"}, {"a", "20261210"}}, {1, 2, 0}},
        {"equal titles keep the table order", {{"Party", "20261210"}, {"Party", "00001210"}}, {0, 1}},
        {"only the day's", {{"Before", "20261209"}, {"On", "20261210"}, {"After", "20261211"}}, {1}},
        {"every year on the day", {{"Yearly", "00001210"}, {"Last year", "20251210"}}, {0}},
        {"the last slot is read", {{"x", "20260101"}, {"z", "20260101"}, {"y", "20261210"}}, {2}},
        {"a removed event's slot is not", {{"removed", "20261210"}, {"kept", "20261210"}}, {0}},
    };
    // clang-format on
    for (const auto &row : rows) {
        auto table = std::make_unique<EventTable>();
        for (const auto &[title, date] : row.events)
            table->addEvent(makeEvent(title, date));
        if (const int removed = table->indexOfTitle("removed"); removed >= 0)
            table->removeEvent(removed); // the last event moves into its slot and stays in its own
        EXPECT_EQ(eventsOnDay(*table, QDate(2026, 12, 10)), row.listed) << row.name;
    }
}

#include "datelogic/Occurrence.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

// Each row names today and an event date; the next occurrence is stated as
// the calendar gives it, and the days left are counted by Qt.
TEST(Occurrence, NextOccurrenceAndDaysLeft)
{
    // clang-format off
    const struct { const char *name; QDate today; const char *date; std::optional<QDate> next; } rows[] = {
        {"yearly today", {2026, 6, 15}, "00000615", QDate(2026, 6, 15)},
        {"yearly tomorrow", {2026, 6, 15}, "00000616", QDate(2026, 6, 16)},
        {"yearly yesterday", {2026, 6, 15}, "00000614", QDate(2027, 6, 14)},
        {"yearly next month, earlier day", {2026, 6, 15}, "00000701", QDate(2026, 7, 1)},
        {"yearly last month, later day", {2026, 6, 15}, "00000531", QDate(2027, 5, 31)},
        {"yearly 1 January on 31 December", {2026, 12, 31}, "00000101", QDate(2027, 1, 1)},
        {"yearly 31 December on 1 January", {2027, 1, 1}, "00001231", QDate(2027, 12, 31)},
        {"29 February towards a leap year", {2027, 3, 1}, "00000229", QDate(2028, 2, 29)},
        {"29 February in a common year", {2026, 1, 10}, "00000229", std::nullopt},
        {"yearly day the month lacks", {2026, 1, 10}, "00000431", std::nullopt},
        {"once passed", {2026, 12, 6}, "20261201", QDate(2026, 12, 1)},
        {"once 31 April", {2026, 1, 10}, "20260431", std::nullopt},
        {"once with blanks", {2026, 1, 10}, "2026 4 1", std::nullopt},
    };
    // clang-format on
    for (const auto &row : rows) {
        const Event event = makeEvent("e", row.date);
        EXPECT_EQ(nextOccurrence(event, row.today), row.next) << row.name;
        const std::optional<qint64> left = row.next ? std::optional(row.today.daysTo(*row.next)) : std::nullopt;
        EXPECT_EQ(daysLeft(event, row.today), left) << row.name;
    }
}

// The searches walk day numbers no month has (0, 32): a stored day matches them only when it names them.
TEST(Occurrence, EventOnDateLetsEveryYearMatchAnyYearAndNoDayMatchAnUnreadableDate)
{
    // clang-format off
    const struct { const char *date; int day, month, year; bool on; } rows[] = {
        {"20260305", 5, 3, 2026, true},    {"20260305", 5, 3, 2027, false},   {"20260305", 6, 3, 2026, false},
        {"20260305", 5, 4, 2026, false},   {"20261231", 31, 12, 2026, true},  {"00000229", 29, 2, 1999, true},
        {"00000229", 28, 2, 2028, false},  {"00000101", 1, 1, 0, true},       {"20270300", 0, 3, 2027, true},
        {"20270332", 32, 3, 2027, true},   {"00000133", 32, 1, 2027, false},  {"00001301", 1, 1, 2027, false},
        {"0000 301", 1, 3, 2027, false},   {"2027030 ", 0, 3, 2027, false},   {"20 70101", 1, 1, 2070, false},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(eventOnDate(makeEvent("e", row.date), row.day, row.month, row.year), row.on)
            << row.date << " on " << row.day << "." << row.month << "." << row.year;
}

TEST(Occurrence, StoredDatesNeedEightDigitsOfARealDay)
{
    // clang-format off
    const std::pair<const char16_t *, QDate> rows[] = {
        {u"20261206", QDate(2026, 12, 6)}, {u"20261206junk", QDate(2026, 12, 6)}, {u"00010101", QDate(1, 1, 1)},
        {u"2026120", QDate()},             {u"abcd1206", QDate()},                {u"20261301", QDate()},
        {u"20261200", QDate()},
    };
    // clang-format on
    for (const auto &[text, date] : rows)
        EXPECT_EQ(readStoredDay(text), date) << QString::fromUtf16(text).toStdString();
}

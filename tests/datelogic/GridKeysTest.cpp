#include "datelogic/GridKeys.h"

#include <gtest/gtest.h>

// One row a key, each across a month or year end or onto a shorter month.
TEST(GridKeys, MoveTheSelectedDay)
{
    // clang-format off
    const struct { const char *name; QDate from; int key; std::optional<QDate> to; } rows[] = {
        {"left into the previous year", {2027, 1, 1}, Qt::Key_Left, QDate(2026, 12, 31)},
        {"right into the next year", {2026, 12, 31}, Qt::Key_Right, QDate(2027, 1, 1)},
        {"up into the previous month", {2026, 12, 3}, Qt::Key_Up, QDate(2026, 11, 26)},
        {"down into the next year", {2026, 12, 28}, Qt::Key_Down, QDate(2027, 1, 4)},
        {"page up to a shorter month", {2027, 3, 31}, Qt::Key_PageUp, QDate(2027, 2, 28)},
        {"page down to a leap February", {2028, 1, 31}, Qt::Key_PageDown, QDate(2028, 2, 29)},
        {"home from the last day", {2026, 12, 31}, Qt::Key_Home, QDate(2026, 12, 1)},
        {"end of a common February", {2027, 2, 1}, Qt::Key_End, QDate(2027, 2, 28)},
        {"enter moves nothing", {2026, 12, 6}, Qt::Key_Return, std::nullopt},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(dayAfterKey(row.from, row.key), row.to) << row.name;
}

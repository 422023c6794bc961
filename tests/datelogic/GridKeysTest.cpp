#include "datelogic/GridKeys.h"

#include <gtest/gtest.h>

namespace {

struct KeyRow {
    const char *name;
    QDate from;
    int key;
    std::optional<QDate> to;
};

class GridKeys : public ::testing::TestWithParam<KeyRow> {};

} // namespace

TEST_P(GridKeys, MoveTheSelectedDay)
{
    const KeyRow &row = GetParam();
    EXPECT_EQ(dayAfterKey(row.from, row.key), row.to);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridKeys,
    ::testing::Values(
        KeyRow{"LeftIntoThePreviousYear", QDate(2027, 1, 1), Qt::Key_Left, QDate(2026, 12, 31)},
        KeyRow{"RightIntoTheNextYear", QDate(2026, 12, 31), Qt::Key_Right, QDate(2027, 1, 1)},
        KeyRow{"RightWithinTheMonth", QDate(2026, 12, 6), Qt::Key_Right, QDate(2026, 12, 7)},
        KeyRow{"UpIntoThePreviousMonth", QDate(2026, 12, 3), Qt::Key_Up, QDate(2026, 11, 26)},
        KeyRow{"UpIntoThePreviousYear", QDate(2027, 1, 5), Qt::Key_Up, QDate(2026, 12, 29)},
        KeyRow{"DownIntoTheNextYear", QDate(2026, 12, 28), Qt::Key_Down, QDate(2027, 1, 4)},
        KeyRow{"DownOverALeapDay", QDate(2028, 2, 25), Qt::Key_Down, QDate(2028, 3, 3)},
        KeyRow{"PageUpIntoThePreviousYear", QDate(2027, 1, 15), Qt::Key_PageUp, QDate(2026, 12, 15)},
        KeyRow{"PageUpToAShorterMonth", QDate(2027, 3, 31), Qt::Key_PageUp, QDate(2027, 2, 28)},
        KeyRow{"PageDownIntoTheNextYear", QDate(2026, 12, 31), Qt::Key_PageDown, QDate(2027, 1, 31)},
        KeyRow{"PageDownToACommonFebruary", QDate(2027, 1, 31), Qt::Key_PageDown, QDate(2027, 2, 28)},
        KeyRow{"PageDownToALeapFebruary", QDate(2028, 1, 31), Qt::Key_PageDown, QDate(2028, 2, 29)},
        KeyRow{"HomeFromTheLastDay", QDate(2026, 12, 31), Qt::Key_Home, QDate(2026, 12, 1)},
        KeyRow{"HomeOnTheFirstStays", QDate(2026, 12, 1), Qt::Key_Home, QDate(2026, 12, 1)},
        KeyRow{"EndOfACommonFebruary", QDate(2027, 2, 1), Qt::Key_End, QDate(2027, 2, 28)},
        KeyRow{"EndOfALeapFebruary", QDate(2028, 2, 1), Qt::Key_End, QDate(2028, 2, 29)},
        KeyRow{"EnterMovesNothing", QDate(2026, 12, 6), Qt::Key_Return, std::nullopt},
        KeyRow{"ALetterMovesNothing", QDate(2026, 12, 6), Qt::Key_A, std::nullopt}),
    [](const ::testing::TestParamInfo<KeyRow> &info) { return std::string(info.param.name); });

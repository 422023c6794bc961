#include "eventdata/LengthLimit.h"

#include <gtest/gtest.h>

// Texts at a limit, one past it, and texts already longer than their limit.
TEST(LengthLimit, KeepsWhatFitsUnderTheCeiling)
{
    // clang-format off
    const struct { const char *name; qsizetype length, replaced, inserted, limit, kept; } rows[] = {
        {"up to the limit", 250, 0, 5, 255, 5},       {"one past the limit is cut", 250, 0, 6, 255, 5},
        {"full text takes nothing", 1000, 0, 1, 1000, 0}, {"selection makes room", 1000, 3, 5, 1000, 3},
        {"replacing all", 255, 255, 300, 255, 255},   {"longer text takes nothing more", 300, 0, 1, 255, 0},
        {"longer text keeps its length", 300, 4, 6, 255, 4}, {"deletion", 255, 2, 0, 255, 0},
    };
    // clang-format on
    for (const auto &e : rows)
        EXPECT_EQ(insertableLength(e.length, e.replaced, e.inserted, e.limit), e.kept) << e.name;
}

TEST(LengthLimit, ShortTitleKeepsWhatFitsAndMarksTheCut)
{
    // clang-format off
    const struct { const char *name, *text; qsizetype wholeUpTo, shortenedTo; const char *shown; } rows[] = {
        {"empty", "", 3, 2, ""},
        {"at the limit", "abc", 3, 2, "abc"},
        {"one past the limit", "abcd", 3, 2, "ab..."},
        {"cut as long as the limit", "abcd", 3, 3, "abc..."},
        {"blanks before the cut go", "a  bcd", 4, 3, "a..."},
        {"blanks of a whole title stay", "ab ", 3, 2, "ab "},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(shortTitle(row.text, row.wholeUpTo, row.shortenedTo), row.shown) << row.name;
}

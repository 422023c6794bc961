#include "eventdata/LengthLimit.h"

#include <gtest/gtest.h>

namespace {

struct Edit {
    const char *name;
    qsizetype length, replaced, inserted, limit;
    qsizetype kept;
};

class LengthLimit : public ::testing::TestWithParam<Edit> {};

TEST_P(LengthLimit, KeepsWhatFitsUnderTheCeiling)
{
    const Edit &e = GetParam();
    EXPECT_EQ(insertableLength(e.length, e.replaced, e.inserted, e.limit), e.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, LengthLimit,
    ::testing::Values(Edit{"IntoAnEmptyText", 0, 0, 5, 10, 5}, Edit{"UpToTheLimit", 5, 0, 5, 10, 5},
                      Edit{"PasteCutToWhatFits", 8, 0, 5, 10, 2}, Edit{"FullTextTakesNothing", 10, 0, 1, 10, 0},
                      Edit{"SelectionMakesRoom", 10, 3, 5, 10, 3}, Edit{"ReplacingAll", 10, 10, 12, 10, 10},
                      Edit{"LongerTextTakesNothingMore", 20, 0, 1, 10, 0},
                      Edit{"LongerTextKeepsItsLength", 20, 4, 6, 10, 4}, Edit{"Deletion", 10, 2, 0, 10, 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

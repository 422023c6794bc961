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

// Texts at a limit, one short of it and one past it.
INSTANTIATE_TEST_SUITE_P(
    Edits, LengthLimit,
    ::testing::Values(Edit{"IntoAnEmptyText", 0, 0, 5, 255, 5}, Edit{"UpToTheLimit", 250, 0, 5, 255, 5},
                      Edit{"OnePastTheLimitIsCut", 250, 0, 6, 255, 5}, Edit{"FullTextTakesNothing", 1000, 0, 1, 1000, 0},
                      Edit{"SelectionMakesRoom", 1000, 3, 5, 1000, 3}, Edit{"ReplacingAll", 255, 255, 300, 255, 255},
                      Edit{"LongerTextTakesNothingMore", 300, 0, 1, 255, 0},
                      Edit{"LongerTextKeepsItsLength", 300, 4, 6, 255, 4}, Edit{"Deletion", 255, 2, 0, 255, 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

#include "platform/WrapText.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

struct WrapCase {
    const char* Name;
    const char* Text;
    std::size_t Width;
    std::vector<std::string> Lines;
};

class WrapWordsTest : public testing::TestWithParam<WrapCase> {};

TEST_P(WrapWordsTest, BreaksAtSpacesWithinTheWidthAndCutsNothing) {
    const WrapCase& c = GetParam();
    EXPECT_EQ(WrapWords(c.Text, c.Width, "  "), c.Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WrapWordsTest,
    testing::Values(
        WrapCase{"FitsOnOneLine", "Line 1 C is empty", 17, {"Line 1 C is empty"}},
        WrapCase{"ContinuationCountsInTheWidth",
                 "Changed: Petri (6), 3W, was 1W",
                 12,
                 {"Changed:", "  Petri (6),", "  3W, was 1W"}},
        // Letters of two bytes count as one: "Mäkelä" is six wide.
        WrapCase{"CountsCharactersNotBytes", "Mäkelä Mäkelä", 13, {"Mäkelä Mäkelä"}},
        WrapCase{"ALongWordStandsWhole", "a verylongword b", 6, {"a", "  verylongword", "  b"}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace korvel

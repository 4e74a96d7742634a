#include "league/DressingRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvel {
namespace {

struct DressingCase {
    std::array<std::uint8_t, 5> Count;  // C, LW, RW, D, G
    int Dressed;
    bool Complete;
    std::vector<std::string> Missing;
};

class Dressing : public testing::TestWithParam<DressingCase> {};

TEST_P(Dressing, CountsAgainstTheRules) {
    const DressingCase& c = GetParam();
    const DressingCheck check = CheckDressing(c.Count, c.Dressed);
    EXPECT_EQ(check.Complete, c.Complete);
    EXPECT_EQ(check.Missing, c.Missing);
    EXPECT_EQ(check.Missing.empty(), c.Complete);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Dressing,
    testing::Values(
        DressingCase{{3, 3, 4, 8, 2}, 20, true, {}},
        DressingCase{{4, 3, 3, 5, 3}, 18, false, {"1 D", "1 G too many", "2 players"}},
        DressingCase{{4, 4, 3, 5, 3}, 20, false, {"1 D", "1 G too many"}},
        DressingCase{{3, 3, 3, 6, 1}, 16, false, {"1 G", "3 players"}},
        DressingCase{{4, 3, 4, 8, 2}, 21, false, {"1 player too many"}},
        DressingCase{{5, 3, 4, 8, 2}, 22, false, {"2 players too many"}},
        DressingCase{{0, 0, 0, 0, 0}, 0, false, {"3 C", "3 LW", "3 RW", "6 D", "2 G", "3 players"}},
        // A player of an unknown position is dressed but counts in no position.
        DressingCase{{3, 3, 3, 5, 2}, 20, false, {"1 D", "1 player too many"}},
        DressingCase{{3, 3, 3, 6, 2}, 19, false, {"1 player"}}));

TEST(DressingRules, RowsTellCountRuleAndWhetherMet) {
    const DressingCheck check = CheckDressing({3, 2, 3, 6, 3}, 20);
    const std::vector<std::tuple<std::string, int, int, bool, bool>> expected = {
        {"C", 3, 3, false, true}, {"LW", 2, 3, false, false}, {"RW", 3, 3, false, true},
        {"D", 6, 6, false, true}, {"G", 3, 2, true, false},   {"All", 20, 20, true, true}};
    for (std::size_t r = 0; r < expected.size(); ++r) {
        const DressingRule& rule = check.Rules[r];
        EXPECT_EQ(std::make_tuple(rule.Position, rule.Count, rule.Required, rule.Exactly, rule.Met),
                  expected[r]);
    }
}

}  // namespace
}  // namespace korvel

#include "ratings/PositionalStrength.h"

#include <gtest/gtest.h>

#include "ratings/Ratings.h"

namespace korvel {
namespace {

Player Make(int position, int skill, std::uint8_t status) {
    Player player;
    player.Name = FixedText<22>::FromString("P" + std::to_string(skill));
    player.Position = static_cast<std::uint8_t>(position);
    player.Skills.fill(static_cast<std::uint8_t>(skill));
    player.Status = status;
    return player;
}

double MeanOverall(const std::vector<Player>& players) {
    double sum = 0;
    for (const Player& player : players) sum += *OverallOf(player);
    return sum / static_cast<double>(players.size());
}

// The best of each position among the dressed players and among all pro players; farm players,
// empty places and unknown positions never count.
TEST(PositionalStrength, BestPlayersTheRulesAskFor) {
    const Player c50 = Make(Centre, 50, 200), c60 = Make(Centre, 60, 200),
                 c70 = Make(Centre, 70, 200), c80 = Make(Centre, 80, 200),
                 cScratched = Make(Centre, 90, 100), cHurt = Make(Centre, 95, 103),
                 cFarm = Make(Centre, 99, 0), d40 = Make(Defenceman, 40, 200),
                 d45 = Make(Defenceman, 45, 200), g = Make(Goalie, 66, 200),
                 gBackup = Make(Goalie, 30, 200), unknown = Make(7, 99, 200);
    RosterSlot roster{};
    const std::vector<Player> all = {c50,   c60, c70, c80, cScratched, cHurt,
                                     cFarm, d40, d45, g,   gBackup,    unknown};
    std::copy(all.begin(), all.end(), roster.begin() + 3);

    const TeamStrength strength = StrengthOf(roster);
    const PositionStrength& centres = strength[Centre];
    EXPECT_EQ(centres.Wanted, 3);
    EXPECT_EQ(centres.DressedCounted, 3);
    EXPECT_DOUBLE_EQ(*centres.Dressed, MeanOverall({c60, c70, c80}));
    EXPECT_EQ(centres.ProCounted, 3);
    EXPECT_DOUBLE_EQ(*centres.Pro, MeanOverall({cHurt, cScratched, c80}));

    EXPECT_EQ(strength[Defenceman].DressedCounted, 2);
    EXPECT_DOUBLE_EQ(*strength[Defenceman].Dressed, MeanOverall({d40, d45}));
    EXPECT_DOUBLE_EQ(*strength[Goalie].Dressed, MeanOverall({g}));
    EXPECT_FALSE(strength[LeftWing].Dressed.has_value());
    EXPECT_FALSE(strength[RightWing].Pro.has_value());
    EXPECT_EQ(strength[RightWing].ProCounted, 0);
}

}  // namespace
}  // namespace korvel

#include "league/LineUsage.h"

#include <gtest/gtest.h>

#include <numeric>

namespace korvel {
namespace {

Player Dressed(const char* name, std::uint8_t status = 200) {
    Player player;
    player.Name = FixedText<22>::FromString(name);
    player.Status = status;
    return player;
}

TEST(LineUsage, CountsOnlyUsedEntriesOfTheRowsAsked) {
    LineUpEntries lineUp;
    lineUp.fill(255);
    lineUp[LineIndex(0, 0)] = 7;
    lineUp[LineIndex(1, 3)] = 7;
    lineUp[LineIndex(2, 4)] = 9;
    lineUp[LineIndex(6, 4)] = 9;   // a spare entry of a 4-column row: not counted
    lineUp[LineIndex(4, 0)] = 7;   // a row not asked for
    lineUp[LineIndex(3, 1)] = 60;  // names no roster place
    const auto counts = UseCounts(lineUp, {0, 1, 2, 3, 6});
    EXPECT_EQ(counts[7], 2);
    EXPECT_EQ(counts[9], 1);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 3);
    EXPECT_EQ(UseOf(counts[7]), LineUse::Several);
    EXPECT_EQ(UseOf(counts[9]), LineUse::Once);
    EXPECT_EQ(UseOf(counts[0]), LineUse::Unused);
}

TEST(LineUsage, UnusedAreDressedPlayersInNoUsedEntry) {
    RosterSlot roster{};
    roster[0] = Dressed("In line");
    roster[1] = Dressed("Only spare");
    roster[2] = Dressed("Scratched", 100);
    roster[3] = Dressed("Dressed, hurt", 203);
    roster[5] = Dressed("Goalie");
    LineUpEntries lineUp;
    lineUp.fill(255);
    lineUp[LineIndex(9, 0)] = 0;
    lineUp[LineIndex(10, 3)] = 1;  // spare of a 3-column row
    lineUp[LineIndex(12, 0)] = 5;
    lineUp[LineIndex(11, 1)] = 4;  // an empty roster place
    EXPECT_EQ(UnusedDressed(lineUp, roster), (std::vector<int>{1, 3}));
}

}  // namespace
}  // namespace korvel

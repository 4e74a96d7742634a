#include <numeric>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/TeamSession.h"
#include "windows/RosterTestLeague.h"

namespace korvel {
namespace {
using test::MakePlayer;
using test::RosterWith;
using testing::ElementsAre;

class AutoRosterTest : public test::RosterWindowTest {
  protected:
    std::vector<int> Dressed(const Roster& window) const {
        std::vector<int> dressed;
        for (int i = 0; i < kRosterPlaces; ++i) {
            if (window.PlayerFlags[i] == 200) dressed.push_back(i);
        }
        return dressed;
    }
};

TEST_F(AutoRosterTest, DressesExactlyTheTwentyOfAnExactRosterWhateverWasDressedBefore) {
    // 3 C, 3 LW, 3 RW, 6 D, 2 G (0..16) and three more skaters (17..19), all scratches; a hurt
    // player, a suspended one and a farm player sit beside them.
    RosterSlot roster = RosterWith({3, 3, 3, 6, 2}, 100);
    roster[17] = MakePlayer("Extra C", Centre, 30, 100);
    roster[18] = MakePlayer("Extra D", Defenceman, 30, 100);
    roster[19] = MakePlayer("Extra RW", RightWing, 30, 100);
    roster[20] = MakePlayer("Hurt Star", Centre, 99, 201);
    roster[21] = MakePlayer("Banned Star", LeftWing, 99, 100);
    roster[21].Suspension = 3;
    roster[22] = MakePlayer("Farm Star", Goalie, 99, 0);
    roster[23] = MakePlayer("Waived Star", Centre, 99, 100);
    roster[23].WaiverMark = 1;
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    window.cmdAuto_Click();

    std::vector<int> expected(20);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(Dressed(window), expected);
    EXPECT_TRUE(window.RosterComplete);
    EXPECT_TRUE(window.Label5.Visible);
    EXPECT_TRUE(window.RosterChanged());
    EXPECT_EQ(window.PlayerFlags[20], 101);
    EXPECT_EQ(window.PlayerFlags[22], 0);

    // A second run starts from the stored places again and drops the hand-made move.
    Select(window, 2, {0});
    window.cmdMovePlayer_Click(0);
    window.cmdAuto_Click();
    EXPECT_EQ(Dressed(window), expected);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(AutoRosterTest, CallsUpTheBestFittingFarmPlayerWhenTheProsHaveNobody) {
    RosterSlot roster = RosterWith({0, 3, 3, 6, 2}, 100);  // 0..13
    roster[14] = MakePlayer("Pro C", Centre, 40, 100);
    roster[15] = MakePlayer("Pro C Twin", Centre, 40, 100);  // equal: the lower index goes first
    roster[16] = MakePlayer("Hurt C", Centre, 90, 102);
    roster[17] = MakePlayer("Farm C", Centre, 20, 0);
    roster[18] = MakePlayer("Better Farm C", Centre, 30, 0);
    roster[19] = MakePlayer("Banned Farm D", Defenceman, 10, 0);
    roster[19].Suspension = 4;
    roster[20] = MakePlayer("Farm G", Goalie, 90, 0);
    roster[21] = MakePlayer("Skater", LeftWing, 5, 100);
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    window.AutoRoster(0);

    EXPECT_EQ(window.PlayerFlags[14], 200);
    EXPECT_EQ(window.PlayerFlags[15], 200);
    EXPECT_EQ(window.PlayerFlags[18], 200);  // called up straight from the farm
    EXPECT_EQ(window.PlayerFlags[16], 102);
    // The three "any skater" picks: the last pro skater, then the farm's best skaters, fit or not.
    EXPECT_EQ(window.PlayerFlags[21], 200);
    EXPECT_EQ(window.PlayerFlags[17], 200);
    EXPECT_EQ(window.PlayerFlags[19], 200);
    EXPECT_EQ(window.PlayerFlags[20], 0);  // a goalie is never an extra skater
    EXPECT_EQ(window.DressedCount(), 20);
}

TEST_F(AutoRosterTest, PromoteMinorPassesEndWithAPlayerAlreadyDressed) {
    RosterSlot roster{};
    roster[3] = MakePlayer("Dressed", Centre, 50, 200);
    roster[5] = MakePlayer("Hurt Farm G", Goalie, 50, 0);
    roster[5].Suspension = 1;
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    EXPECT_EQ(window.PromoteMinor(0, Goalie), 3);  // no healthy goalie, no farm skater
    window.PlayerFlags[3] = 100;
    EXPECT_EQ(window.PromoteMinor(0, Goalie), -1);
}

struct CountCase {
    const char* Label;
    std::array<int, 5> AtPosition;
    bool Enough;
};

class NotEnoughPlayers : public test::RosterWindowTest,
                         public testing::WithParamInterface<CountCase> {};

TEST_P(NotEnoughPlayers, CountsEveryNamedPlayerWhateverHisPlace) {
    const CountCase& c = GetParam();
    RosterSlot roster = RosterWith(c.AtPosition, 3);  // injured farm players count too
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    const auto flags = window.PlayerFlags;
    window.cmdAuto_Click();
    if (c.Enough) {
        EXPECT_TRUE(ui.Messages.empty());
        EXPECT_TRUE(window.RosterChanged());
        return;
    }
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Not enough players");
    EXPECT_EQ(ui.Messages[0].Title, "Auto Roster");
    EXPECT_EQ(ui.Messages[0].IconShown, Icon::Information);
    EXPECT_EQ(window.PlayerFlags, flags);
    EXPECT_FALSE(window.RosterChanged());
}

INSTANTIATE_TEST_SUITE_P(Roster, NotEnoughPlayers,
                         testing::Values(CountCase{"FiveDefenceIsEnough", {4, 4, 5, 5, 2}, true},
                                         CountCase{"Nineteen", {3, 3, 3, 8, 2}, false},
                                         CountCase{"FourDefence", {4, 4, 6, 4, 2}, false},
                                         CountCase{"OneGoalie", {4, 4, 4, 7, 1}, false},
                                         CountCase{"TwoLeftWings", {4, 2, 5, 7, 2}, false}),
                         [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
}  // namespace korvel

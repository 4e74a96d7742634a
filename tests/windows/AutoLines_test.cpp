#include "league/GameRoster.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ratings/Ratings.h"
#include "session/TeamSession.h"
#include "support/ScriptedUi.h"
#include "windows/LinesTestRoster.h"
#include "windows/lines/Lines.h"

namespace korvel {
namespace {
using test::MakePlayer;
using testing::ElementsAre;

constexpr int N = kNoPlayer;
using Rows = std::array<std::array<int, 5>, 13>;

Rows RowsOf(const LineUp& lineUp) {
    Rows rows{};
    for (int r = 0; r < 13; ++r) {
        for (int c = 0; c < 5; ++c) rows[r][c] = lineUp[LineIndex(r, c)];
    }
    return rows;
}

// Automatic lines on roster slot 0 of a team held in memory only.
class AutoLinesTest : public testing::Test {
  protected:
    Variables vars;
    test::ScriptedUi ui;
    TeamSession session{vars};
    Lines lines{session, ui};

    void SetUp() override {
        vars.Teams[0].Name = FixedText<10>::FromString("Bears");
        vars.Teams[0].LineSlots = test::EmptyLineUp();
    }

    // Column `c` of row `r` after AutoLines(0).
    int Entry(int r, int c) const { return lines.LineBuffer[LineIndex(r, c)]; }
};

TEST_F(AutoLinesTest, TwentyDressedPlayersFillEveryUsedEntry) {
    vars.Players[0] = test::ReadyRoster();
    lines.Form_Load();
    lines.LineBuffer.fill(7);
    lines.cmdAuto_Click();

    // Centres 3, 1, 0, 2 by level; wings likewise; defence pairs by offence then defence, and
    // line 4's pair reuses the two best by overall. Player 3 and defenceman 16 tie at overall 85
    // for the first extra skater: the lower index wins. The second extra skater is the best by
    // offence outside line 1 (left wing 5 and defenceman 16 rate higher but play in line 1).
    const Rows expected{{{3, 5, 11, 16, 13},
                         {1, 4, 10, 14, 15},
                         {0, 6, 9, 12, 17},
                         {2, 7, 8, 16, 13},
                         {3, 5, 11, 16, 13},
                         {1, 4, 10, 14, 15},
                         {3, 5, 16, 13, N},
                         {1, 4, 14, 15, N},
                         {3, 5, 16, 13, N},
                         {1, 4, 14, 15, N},
                         {3, 16, 13, N, N},
                         {1, 14, 15, N, N},
                         {19, 3, 1, N, N}}};
    EXPECT_EQ(RowsOf(lines.LineBuffer), expected);
    EXPECT_TRUE(lines.Changed());
    EXPECT_FALSE(lines.LinesIncomplete());
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(lines.lblPlayer[0].Caption, vars.Players[0][3].Name.Utf8());
    EXPECT_EQ(lines.lblPlayer[20].Caption, vars.Players[0][19].Name.Utf8());
    EXPECT_EQ(vars.Teams[0].LineSlots, test::EmptyLineUp());  // nothing stored yet
}

TEST_F(AutoLinesTest, TheAutoButtonWantsExactlyTwentyDressedHealthyPlayers) {
    vars.Players[0] = test::ReadyRoster();
    vars.Players[0][7].Status = 205;
    lines.Form_Load();
    const LineUp before = lines.LineBuffer;
    lines.cmdAuto_Click();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0], (test::RecordedMessage{"Set roster first", Buttons::OK,
                                                     Icon::Information, "Auto Lines"}));
    EXPECT_EQ(lines.LineBuffer, before);
    EXPECT_FALSE(lines.Changed());

    vars.Players[0][7].Status = 200;
    vars.Players[0][20].Status = 200;  // 21 dressed
    lines.cmdAuto_Click();
    EXPECT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(lines.LineBuffer, before);

    vars.Players[0][20].Status = 100;
    lines.cmdAuto_Click();
    EXPECT_EQ(ui.Messages.size(), 2u);
    EXPECT_TRUE(lines.Changed());
}

TEST_F(AutoLinesTest, BestPlayerBreaksTiesByTheLowerIndexAndMarksItsPick) {
    vars.Players[0][5] = MakePlayer("Later", Centre, 60);
    vars.Players[0][2] = MakePlayer("Earlier", Centre, 60);
    EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Offense), 2);
    EXPECT_TRUE(lines.InUnit[2] && lines.InGroup[2]);
    EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Offense), 5);
    EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Offense), N);  // both in the unit
    lines.InUnit.fill(false);
    EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Offense), 2);  // pass 2: reuse the group
}

TEST_F(AutoLinesTest, TheRatingKindDecidesThePick) {
    Player scorer = MakePlayer("Scorer", Centre, 40);
    for (Skill s : {Speed, Skating, Passing, Stickhandle, Scoring}) scorer.Skills[s] = 99;
    Player checker = MakePlayer("Checker", Centre, 40);
    for (Skill s : {Intensity, Strength, Defence}) checker.Skills[s] = 99;
    ASSERT_GT(OffenseRatingOf(scorer), OffenseRatingOf(checker));
    ASSERT_LT(DefenseRatingOf(scorer), DefenseRatingOf(checker));
    vars.Players[0][0] = scorer;
    vars.Players[0][1] = checker;

    EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Offense), 0);
    lines.InUnit.fill(false);
    lines.InGroup.fill(false);
    EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Defense), 1);
}

TEST_F(AutoLinesTest, WithTwoDressedCentresLaterLinesReuseTheBetterOfThem) {
    // Centre 0 rates higher by offence and overall, centre 1 by defence.
    Player scorer = MakePlayer("Scorer", Centre, 60);
    for (Skill s : {Passing, Stickhandle, Scoring}) scorer.Skills[s] = 95;
    Player checker = MakePlayer("Checker", Centre, 50);
    for (Skill s : {Intensity, Strength, Defence}) checker.Skills[s] = 90;
    ASSERT_GT(OverallOf(scorer), OverallOf(checker));
    ASSERT_LT(DefenseRatingOf(scorer), DefenseRatingOf(checker));
    vars.Players[0][0] = scorer;
    vars.Players[0][1] = checker;
    for (int i = 0; i < 4; ++i) {
        vars.Players[0][2 + i] = MakePlayer("Left " + std::to_string(i), LeftWing, 40);
        vars.Players[0][6 + i] = MakePlayer("Right " + std::to_string(i), RightWing, 40);
    }
    lines.AutoLines(0);

    EXPECT_EQ(Entry(0, 0), 0);
    EXPECT_EQ(Entry(1, 0), 1);
    EXPECT_EQ(Entry(2, 0), 1);  // pass 2, the better by defence
    EXPECT_EQ(Entry(3, 0), 0);  // pass 2, the better by overall
    EXPECT_EQ(Entry(3, 1), 5);
}

TEST_F(AutoLinesTest, PassThreeTakesTheBestForwardOfAnyStatusOutsideTheUnit) {
    vars.Players[0][0] = MakePlayer("Scratched Centre", Centre, 70, 100);
    vars.Players[0][1] = MakePlayer("Farm Wing", LeftWing, 80, 0);
    vars.Players[0][2] = MakePlayer("Injured Centre", Centre, 85, 205);
    vars.Players[0][3] = MakePlayer("Dressed Wing", LeftWing, 40);
    vars.Players[0][4] = MakePlayer("Dressed Defence", Defenceman, 99);
    lines.AutoLines(0);

    // Centre: the injured centre by overall; right wing: the farm wing, the best forward left.
    // The second defence slot stays empty: pass 3 admits only defencemen to it, and the one
    // defenceman already plays in the unit.
    EXPECT_THAT(RowsOf(lines.LineBuffer)[0], ElementsAre(2, 3, 1, 4, N));
    EXPECT_EQ(Entry(1, 0), 2);  // pass 3 does not look at the group
}

TEST_F(AutoLinesTest, AnInjuredDressedPlayerIsNotTakenWhileAHealthyOneIsLeft) {
    vars.Players[0][0] = MakePlayer("Hurt Star", Centre, 90, 205);
    vars.Players[0][1] = MakePlayer("Healthy", Centre, 50);
    for (int line = 0; line < 4; ++line) {
        lines.InUnit.fill(false);
        EXPECT_EQ(lines.BestPlayer(0, Centre, Rating::Offense), 1) << line;
    }
}

TEST_F(AutoLinesTest, TheGoalieIsTheDressedOneByOverallElseTheFittestOfAnyStatus) {
    vars.Players[0][3] = MakePlayer("Scratched Goalie", Goalie, 90, 100);
    vars.Players[0][3].Condition = 40;
    vars.Players[0][4] = MakePlayer("Farm Goalie", Goalie, 30, 0);
    vars.Players[0][4].Condition = 70;
    vars.Players[0][5] = MakePlayer("Hurt Goalie", Goalie, 95, 203);
    vars.Players[0][5].Condition = 60;
    lines.AutoLines(0);
    EXPECT_EQ(Entry(12, 0), 4);

    vars.Players[0][6] = MakePlayer("Dressed Goalie", Goalie, 20);
    lines.AutoLines(0);
    EXPECT_EQ(Entry(12, 0), 6);

    for (int i : {3, 4, 5}) vars.Players[0][i].Condition = 0;
    vars.Players[0][6].Status = 100;
    lines.AutoLines(0);
    EXPECT_EQ(Entry(12, 0), N);

    vars.Players[0] = RosterSlot{};
    lines.AutoLines(0);
    EXPECT_EQ(Entry(12, 0), N);
}

TEST_F(AutoLinesTest, TheSecondExtraSkaterIsNeitherTheFirstNorInLineOne) {
    Player scorer = MakePlayer("Scorer", Centre, 40);
    for (Skill s : {Speed, Skating, Passing, Stickhandle, Scoring}) scorer.Skills[s] = 99;
    const Player allRound = MakePlayer("All Round", Centre, 85);
    ASSERT_GT(OffenseRatingOf(scorer), OffenseRatingOf(allRound));
    ASSERT_LT(OverallOf(scorer), OverallOf(allRound));
    vars.Players[0][0] = scorer;
    vars.Players[0][1] = allRound;
    vars.Players[0][2] = MakePlayer("Left Wing", LeftWing, 50);
    vars.Players[0][3] = MakePlayer("Right Wing", RightWing, 50);
    vars.Players[0][4] = MakePlayer("Defence A", Defenceman, 50);
    vars.Players[0][5] = MakePlayer("Defence B", Defenceman, 45);
    vars.Players[0][6] = MakePlayer("Fourth Liner", Centre, 30);
    vars.Players[0][7] = MakePlayer("Goalie", Goalie, 60);
    lines.AutoLines(0);

    EXPECT_THAT(RowsOf(lines.LineBuffer)[0], ElementsAre(0, 2, 3, 4, 5));
    EXPECT_THAT(RowsOf(lines.LineBuffer)[12], ElementsAre(7, 1, 6, N, N));
}

TEST_F(AutoLinesTest, AnEmptyPlaceIsNeverPicked) {
    // An all-zero place reads as a centre; one whose name starts with code 0 is empty whatever
    // else it holds.
    Player ghost = MakePlayer("x", Centre, 90);
    ghost.Name.Bytes[0] = '\0';
    ghost.Condition = 80;
    vars.Players[0][3] = ghost;
    vars.Players[0][10] = MakePlayer("Defence", Defenceman, 50);
    vars.Players[0][11] = MakePlayer("Goalie", Goalie, 50);
    lines.AutoLines(0);

    for (int r = 0; r < 12; ++r) EXPECT_EQ(Entry(r, 0), N) << r;
    EXPECT_EQ(Entry(0, 3), 10);
    EXPECT_EQ(Entry(12, 0), 11);
    EXPECT_EQ(Entry(12, 1), 10);
    EXPECT_EQ(Entry(12, 2), N);  // the defenceman plays in line 1
    EXPECT_EQ(CountDressedHealthy(vars.Players[0]), 2);
}

}  // namespace
}  // namespace korvel

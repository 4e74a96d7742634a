#include "windows/player/PlayerInfo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "league/LeagueFiles.h"
#include "league/RosterStatus.h"
#include "ratings/Ratings.h"
#include "support/ScriptedUi.h"

namespace korvel {
namespace {
using testing::ElementsAre;
using testing::IsEmpty;

constexpr int kIndex = 7;

// One team in memory with a single player at roster place 7, the card opened on him.
class PlayerCard : public testing::Test {
  protected:
    Variables vars;
    test::ScriptedUi ui;
    Player& player = vars.Players[0][kIndex];

    PlayerCard() {
        InitialiseVariables(vars, "start");
        vars.Teams[0].Name = FixedText<10>::FromString("Wolves");
        vars.League.FarmPayGames = 10;
        player.Name = FixedText<22>::FromString("Jon Lidstrom");
        player.Position = Centre;
        player.Number = 19;
        player.Hand = 1;
        player.Height = 73;
        player.Weight = 190;
        player.Age = 27;
        player.Status = kDressedHealthy;
        player.Condition = 85;
        player.Birthplace = FixedText<3>::FromString("SWE");
        player.Contract = 3;
        player.Salary = 1250;
        player.Skills = {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 0};
        player.GamesPlayed = 40;
        player.Goals = 7;
        player.Assists = 12;
        player.PlusMinus = -3;
        player.PenaltyMin = 22;
        player.Shots = 30;
        player.PPGoals = 2;
        player.SHGoals = 1;
        player.GWGoals = 3;
        player.GTGoals = 4;
    }

    std::unique_ptr<PlayerInfo> card;

    // The card as the roster window opens it.
    PlayerInfo& Open() {
        card = std::make_unique<PlayerInfo>(vars);
        vars.CurrentPlayerIndex = kIndex;
        card->Form_Load();
        return *card;
    }
};

std::vector<std::string> Shown(const PlayerInfo& card) {
    std::vector<std::string> lines;
    for (const auto& field : card.Fields()) {
        lines.push_back(field.Name + " " + field.Caption + ": " + field.Value->Caption +
                        (field.Value->Visible ? "" : " (hidden)"));
    }
    return lines;
}

TEST_F(PlayerCard, ShowsASkaterFieldByFieldInTheCardsOrder) {
    EXPECT_THAT(
        Shown(Open()),
        ElementsAre(
            "Label1 : Jon Lidstrom (Wolves)", "lblPos POS: C", "lblNum NUM: 19", "lblHD HD: R",
            "lblHgt HGT: 6 ft 1", "lblWgt WGT: 190", "lblAge AGE: 27", "lblSts STS: Healthy",
            "lblCon CON: 85", "lblBirthplace Birthplace: SWE", "lblContract Contract: 3",
            "lblSalary Salary $: 1,250", "lblExp : Veteran", "lblSkill(0) Intensity: 60",
            "lblSkill(1) Speed: 61", "lblSkill(2) Strength: 62", "lblSkill(3) Endurance: 63",
            "lblSkill(4) Durability: 64", "lblSkill(5) Discipline: 65", "lblSkill(6) Skating: 66",
            "lblSkill(7) Passing: 67", "lblSkill(8) Stickhandle: 68", "lblSkill(9) Defence: 69",
            "lblSkill(10) Scoring: 70", "lblSkill(11) Experience: 71",
            "lblSkill(12) Leadership: 72",
            "lblSkill(13) Overall: " + std::to_string(*OverallOf(player)), "HgtValue : 73 (hidden)",
            "lblGP GP: 40", "lblG G: 7", "lblA A: 12", "lblP P: 19", "lblPIM PIM: 22",
            "lblPlus +/-: -3", "lblPP PPG: 2", "lblSH SHG: 1", "lblGW GW: 3", "lblGT GT: 4",
            "lblShots Shots: 30", "lblShoot Sh%: 23.3"));
}

TEST_F(PlayerCard, ShowsAGoalieWithHisOwnCaptionsAndNoDefenceOrScoring) {
    player.Position = Goalie;
    player.Skills[Defence] = 90;
    player.Skills[Scoring] = 255;
    player.Goals = 6;        // penalty minutes
    player.Assists = 1;      // assists
    player.PenaltyMin = 25;  // goals against
    player.Shots = 300;      // shots against
    player.PPGoals = 2;      // shutouts
    player.SHGoals = 5;      // wins
    player.GWGoals = 4;      // losses
    player.GTGoals = 1;      // ties
    player.GamesPlayed = 10;
    std::vector<std::string> lines = Shown(Open());
    EXPECT_EQ(lines[1], "lblPos POS: G");
    EXPECT_EQ(lines[22], "lblSkill(9) Defence: N/A");
    EXPECT_EQ(lines[23], "lblSkill(10) Scoring: N/A");
    EXPECT_THAT(std::vector(lines.begin() + 28, lines.end()),
                ElementsAre("lblGP GP: 10", "lblG W: 5", "lblA L: 4", "lblP T: 1", "lblPIM GA: 25",
                            "lblPlus GAA: 2.50", "lblPP PIM: 6", "lblSH As: 1", "lblGW SO: 2",
                            "lblGT :  (hidden)", "lblShots Shots: 300", "lblShoot Sv%: 0.917"));
}

struct GoalieCase {
    int GamesPlayed, GoalsAgainst, ShotsAgainst;
    std::string Average, SavePercentage;
};
class GoalieAverages : public PlayerCard, public testing::WithParamInterface<GoalieCase> {};

TEST_P(GoalieAverages, FollowGamesAndShots) {
    const auto& row = GetParam();
    player.Position = Goalie;
    player.GamesPlayed = static_cast<std::uint8_t>(row.GamesPlayed);
    player.PenaltyMin = static_cast<std::int16_t>(row.GoalsAgainst);
    player.Shots = static_cast<std::int16_t>(row.ShotsAgainst);
    const PlayerInfo& card = Open();
    EXPECT_EQ(card.lblPlus.Caption, row.Average);
    EXPECT_EQ(card.lblShoot.Caption, row.SavePercentage);
}

INSTANTIATE_TEST_SUITE_P(Rows, GoalieAverages,
                         testing::Values(GoalieCase{10, 25, 300, "2.50", "0.917"},
                                         GoalieCase{3, 0, 0, "0.00", "1.000"},
                                         GoalieCase{0, 5, 50, "0", "N/A"},
                                         GoalieCase{1, 12, 10, "12.00", "-0.200"}));

struct SkaterCase {
    int Goals, Assists, Shots;
    std::string Points, ShootingPercentage;
};
class SkaterScoring : public PlayerCard, public testing::WithParamInterface<SkaterCase> {};

TEST_P(SkaterScoring, AddsPointsAndShootingPercentage) {
    const auto& row = GetParam();
    player.Goals = static_cast<std::uint8_t>(row.Goals);
    player.Assists = static_cast<std::uint8_t>(row.Assists);
    player.Shots = static_cast<std::int16_t>(row.Shots);
    const PlayerInfo& card = Open();
    EXPECT_EQ(card.lblP.Caption, row.Points);
    EXPECT_EQ(card.lblShoot.Caption, row.ShootingPercentage);
}

INSTANTIATE_TEST_SUITE_P(Rows, SkaterScoring,
                         testing::Values(SkaterCase{7, 0, 30, "7", "23.3"},
                                         SkaterCase{0, 0, 0, "0", "0.0"},
                                         SkaterCase{1, 2, 8, "3", "12.5"},
                                         SkaterCase{200, 100, 400, "300", "50.0"}));

struct StatusCase {
    int Status, Suspension;
    std::string Text;
};
class StatusText : public PlayerCard, public testing::WithParamInterface<StatusCase> {};

TEST_P(StatusText, PutsInjuryBeforeSuspension) {
    player.Status = static_cast<std::uint8_t>(GetParam().Status);
    player.Suspension = static_cast<std::uint8_t>(GetParam().Suspension);
    EXPECT_EQ(Open().lblSts.Caption, GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StatusText,
    testing::Values(StatusCase{203, 0, "Injured 3W"}, StatusCase{106, 2, "Injured IN"},
                    StatusCase{100, 2, "Suspended 2 games"}, StatusCase{0, 1, "Suspended 1 games"},
                    StatusCase{200, 0, "Healthy"}, StatusCase{7, 0, "Injured "},
                    StatusCase{212, 0, "Injured 12"}));

struct SalaryCase {
    int Status, GamesPlayed, Salary;
    std::string Text;
};
class Salary : public PlayerCard, public testing::WithParamInterface<SalaryCase> {};

TEST_P(Salary, IsATenthForAHealthyFarmhandBelowTheFarmPayGames) {
    player.Status = static_cast<std::uint8_t>(GetParam().Status);
    player.GamesPlayed = static_cast<std::uint8_t>(GetParam().GamesPlayed);
    player.Salary = GetParam().Salary;
    EXPECT_EQ(Open().lblSalary.Caption, GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Salary,
    testing::Values(SalaryCase{0, 9, 950, "0,095"}, SalaryCase{200, 9, 950, "0,950"},
                    SalaryCase{0, 10, 950, "0,950"}, SalaryCase{3, 0, 950, "0,950"},
                    SalaryCase{0, 0, 1234567, "123,456"}, SalaryCase{0, 0, 9, "0,000"}));

struct HeightCase {
    int Height;
    std::string Feet, Centimetres;
};
class Height : public PlayerCard, public testing::WithParamInterface<HeightCase> {};

TEST_P(Height, TogglesBetweenFeetAndCentimetresOnEveryClick) {
    player.Height = static_cast<std::uint8_t>(GetParam().Height);
    PlayerInfo& card = Open();
    EXPECT_TRUE(card.InchesShown);
    std::vector<std::string> shown{card.lblHgt.Caption};
    for (int click = 0; click < 3; ++click) {
        card.lblHgt_Click();
        shown.push_back(card.lblHgt.Caption);
    }
    EXPECT_THAT(shown, ElementsAre(GetParam().Feet, GetParam().Centimetres, GetParam().Feet,
                                   GetParam().Centimetres));
    EXPECT_FALSE(card.InchesShown);
    EXPECT_EQ(card.HgtValue.Caption, std::to_string(GetParam().Height));
}

INSTANTIATE_TEST_SUITE_P(Rows, Height,
                         testing::Values(HeightCase{65, "5 ft 6", "162.5 cm"},
                                         HeightCase{60, "5 ft 6", "150 cm"},
                                         HeightCase{72, "6 ft 0", "180 cm"},
                                         HeightCase{73, "6 ft 1", "182.5 cm"}));

TEST_F(PlayerCard, ShowsOddValuesOfTheRecordSafely) {
    player.Condition = 0;
    player.Skills[Speed] = 255;
    player.Rookie = kTrue;
    player.Hand = 0;
    player.Position = 9;
    const PlayerInfo& card = Open();
    EXPECT_EQ(card.lblCon.Caption, "100");
    EXPECT_EQ(card.lblSkill[Speed].Caption, "n/a");
    EXPECT_EQ(card.lblExp.Caption, "Rookie");
    EXPECT_EQ(card.lblHD.Caption, "L");
    EXPECT_EQ(card.lblPos.Caption, "");
    EXPECT_EQ(card.lblSkill[13].Caption, "");  // no overall rating for an unknown position
}

TEST_F(PlayerCard, CopiesThePlayerToTheCardAndReadsTheNameFromTheSlot) {
    vars.CardPlayer.Name = FixedText<22>::FromString("Someone Else");
    const PlayerInfo& card = Open();
    EXPECT_EQ(vars.CardPlayer.Name, player.Name);
    EXPECT_EQ(vars.CardPlayer.Raw, player.Raw);
    EXPECT_EQ(card.Label1.Caption, "Jon Lidstrom (Wolves)");
}

TEST_F(PlayerCard, OpensOnlyForAnOccupiedPlaceAndClosesOnExit) {
    vars.Players[0][3].Name = FixedText<22>{};  // empty place
    for (int index : {-1, 50, 255, 3}) EXPECT_FALSE(ShowPlayerCard(vars, ui, index)) << index;
    EXPECT_THAT(ui.WindowsShown, IsEmpty());

    bool closedByExit = false;
    ui.OnShowModal = [&](Window& window) {
        auto& card = dynamic_cast<PlayerInfo&>(window);
        EXPECT_EQ(card.Label1.Caption, "Jon Lidstrom (Wolves)");
        card.Command1_Click();
        closedByExit = card.IsUnloaded();
    };
    EXPECT_TRUE(ShowPlayerCard(vars, ui, kIndex));
    EXPECT_EQ(vars.CurrentPlayerIndex, kIndex);
    EXPECT_THAT(ui.WindowsShown, ElementsAre("Player Info"));
    EXPECT_TRUE(closedByExit);
    EXPECT_THAT(ui.Messages, IsEmpty());
}

}  // namespace
}  // namespace korvel

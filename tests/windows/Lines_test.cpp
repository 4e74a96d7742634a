#include "windows/lines/Lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Files.h"
#include "session/TeamSession.h"
#include "support/Checks.h"
#include "support/LeagueBuilder.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "windows/LinesTestRoster.h"
#include "windows/main/Main.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;
using test::CompleteLineUp;
using test::EmptyLineUp;
using test::RecordedMessage;
using test::ShownName;
using test::TextsOf;
using testing::ElementsAre;
using testing::HasSubstr;

constexpr int kTeam = 1;  // the edited team; team 0 is a neighbour that must stay untouched

std::vector<int> VisibleSlotLabels(const Lines& lines) {
    std::vector<int> visible;
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        if (lines.lblPlayer[n].Visible) visible.push_back(n);
    }
    return visible;
}

// A league of two teams on disk, loaded as the main window loads it, with team 1's roster in
// slot 0 as Set Lines leaves it.
class LinesWindow : public testing::Test {
  protected:
    test::TempFolder folder;
    fs::path start = folder / "start";
    fs::path base = folder / "league" / "test";
    Variables vars;
    test::ScriptedUi ui;

    void Install(const RosterSlot& roster, const LineUp& stored) {
        test::LeagueBuilder builder;
        builder.AddTeam("Wolves", 0, 0);
        builder.AddTeam("Bears", 0, 0);
        std::copy(roster.begin(), roster.end(), builder.Players.begin() + kTeam * kRosterPlaces);
        builder.Teams[kTeam].LineSlots = stored;
        builder.Write(base);
        fs::create_directories(start);
        InitialiseVariables(vars, start);
        InstallLeague(vars, ReadLeagueFiles(base));
        vars.CurrentTeam = kTeam;
        LoadTeam(vars, kTeam, 0);
    }

    Team StoredTeam() const {
        const RecordFile teams(vars.SwapTeamFile, RecordLayout<Team>::Size);
        return DecodeRecord<Team>(teams.Read(TeamRecordNumber(kTeam)));
    }

    // Selects the candidate with roster index `index`.
    static void Select(Lines& lines, int index) {
        for (int k = 0; k < lines.List2.ListCount(); ++k) {
            if (lines.ListMap[k] == index) {
                lines.List2.ListIndex = k;
                return;
            }
        }
        FAIL() << "player " << index << " is not a candidate";
    }

    static void Place(Lines& lines, int index, int label) {
        Select(lines, index);
        lines.lblPlayer_Click(label);
    }
};

TEST_F(LinesWindow, AnEmptyLineUpOpensEmptyAndClosesWithoutAQuestion) {
    Install(test::ReadyRoster(), EmptyLineUp());
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();

    EXPECT_EQ(lines.Caption, "Edit Lines");
    EXPECT_EQ(lines.Label6.Caption, "Lines for Bears     ");
    for (const Label& label : lines.lblPlayer) EXPECT_EQ(label.Caption, "");
    EXPECT_EQ(VisibleSlotLabels(lines).size(), 23u);
    EXPECT_TRUE(lines.optEven.Value);
    EXPECT_FALSE(lines.optPP.Value || lines.optPK.Value);
    for (const CheckBox& box : lines.Check1) EXPECT_TRUE(box.Value);
    EXPECT_TRUE(lines.cmdLoadLines.Enabled);
    EXPECT_TRUE(lines.cmdSaveLines.Enabled);
    EXPECT_FALSE(lines.Changed());

    lines.cmdExit_Click();
    EXPECT_TRUE(lines.IsUnloaded());
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);
}

TEST_F(LinesWindow, CandidatesAreTheDressedPlayersOfTheCheckedPositionsInRosterOrder) {
    RosterSlot roster{};
    roster[0] = test::MakePlayer("Dressed Centre", Centre, 50, 200);
    roster[1] = test::MakePlayer("Scratched Wing", LeftWing, 50, 150);
    roster[2] = test::MakePlayer("Injured Wing", RightWing, 50, 203);
    roster[3] = test::MakePlayer("Farm Defence", Defenceman, 50, 0);
    roster[4] = test::MakePlayer("Goalie", Goalie, 50, 200);
    roster[5] = test::MakePlayer("No Position", 7, 50, 200);
    roster[7] = test::MakePlayer("Badly Hurt Defence", Defenceman, 50, 255);
    roster[8] = test::MakePlayer("Last Scratch", Defenceman, 50, 199);
    Install(roster, EmptyLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();

    EXPECT_THAT(TextsOf(lines.List2),
                ElementsAre(ShownName(vars.Players[0][0]), ShownName(vars.Players[0][2]),
                            ShownName(vars.Players[0][4]), ShownName(vars.Players[0][7])));
    EXPECT_EQ(lines.List2.Items[0].Text.size(), 22u);
    EXPECT_THAT(std::vector<int>(lines.ListMap.begin(), lines.ListMap.begin() + 4),
                ElementsAre(0, 2, 4, 7));

    lines.Check1[4].Value = false;
    lines.Check1_Click(4);
    EXPECT_THAT(TextsOf(lines.List2),
                ElementsAre(ShownName(vars.Players[0][0]), ShownName(vars.Players[0][2]),
                            ShownName(vars.Players[0][7])));

    for (int p = 0; p < 5; ++p) {
        lines.Check1[p].Value = false;
        lines.Check1_Click(p);
    }
    EXPECT_EQ(lines.List2.ListCount(), 0);
    for (int n = 0; n < Lines::kSlotLabels; ++n) lines.lblPlayer_Click(n);
    EXPECT_FALSE(lines.Changed());
    EXPECT_EQ(lines.LineBuffer, EmptyLineUp());
}

TEST_F(LinesWindow, APlayerStandsOnceInARowButMayPlayInSeveralRows) {
    Install(test::ReadyRoster(), EmptyLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();

    lines.List2.ListIndex = -1;
    lines.lblPlayer_Click(0);
    EXPECT_FALSE(lines.Changed());

    Place(lines, 3, 0);  // centre of line 1
    EXPECT_EQ(lines.LineBuffer[LineIndex(0, 0)], 3);
    EXPECT_EQ(lines.lblPlayer[0].Caption, lines.List2.Items[lines.List2.ListIndex].Text);
    EXPECT_TRUE(lines.Changed());

    Place(lines, 3, 2);  // right wing of line 1: he already plays in that row
    EXPECT_EQ(lines.LineBuffer[LineIndex(0, 2)], kNoPlayer);
    EXPECT_EQ(lines.lblPlayer[2].Caption, "");

    Place(lines, 3, 5);  // centre of line 2
    EXPECT_EQ(lines.LineBuffer[LineIndex(1, 0)], 3);

    // The power-play view's first slot is row 4, which does not hold him yet.
    lines.optPP_Click();
    Place(lines, 3, 0);
    EXPECT_EQ(lines.LineBuffer[LineIndex(4, 0)], 3);
    Place(lines, 3, 1);
    EXPECT_EQ(lines.LineBuffer[LineIndex(4, 1)], kNoPlayer);
}

TEST_F(LinesWindow, GoaliesStandOnlyInTheGoalieEntryAndExtraSkatersMayRepeat) {
    Install(test::ReadyRoster(), EmptyLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();

    for (int label : {0, 7, 21, 22}) Place(lines, 19, label);
    EXPECT_EQ(lines.LineBuffer, EmptyLineUp());
    EXPECT_FALSE(lines.Changed());

    Place(lines, 5, 20);  // a skater is no goalie
    EXPECT_EQ(lines.LineBuffer[LineIndex(12, 0)], kNoPlayer);
    EXPECT_EQ(lines.lblPlayer[20].Caption, "");

    Place(lines, 19, 20);
    EXPECT_EQ(lines.LineBuffer[LineIndex(12, 0)], 19);
    EXPECT_EQ(lines.lblPlayer[20].Caption, ShownName(vars.Players[0][19]));

    Place(lines, 5, 0);
    Place(lines, 5, 21);
    Place(lines, 5, 22);
    EXPECT_EQ(lines.LineBuffer[LineIndex(12, 1)], 5);
    EXPECT_EQ(lines.LineBuffer[LineIndex(12, 2)], 5);
    EXPECT_EQ(lines.lblPlayer[22].Caption, ShownName(vars.Players[0][5]));
}

TEST_F(LinesWindow, ASlotTakesGoaliesOnlyInTheGoalieSlotAndASkaterOncePerLine) {
    Install(test::ReadyRoster(), CompleteLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    const auto rowOf = [&](int index) {
        for (int k = 0; k < lines.List2.ListCount(); ++k) {
            if (lines.ListMap[k] == index) return k;
        }
        return -1;
    };
    struct Case {
        int Player;  // roster index: 18 a goalie, 0 and 9 skaters; line 1 holds 0 to 4
        int Slot;
        bool Takes;
    };
    const Case cases[] = {{18, Lines::kGoalieLabel, true},
                          {18, 0, false},
                          {18, 21, false},
                          {9, Lines::kGoalieLabel, false},
                          {9, 0, true},
                          {9, 22, true},
                          {0, 1, false},
                          {0, 5, false},
                          {0, 21, true}};
    for (const Case& c : cases) {
        ASSERT_GE(rowOf(c.Player), 0) << c.Player;
        EXPECT_EQ(lines.SlotTakes(c.Slot, rowOf(c.Player)), c.Takes)
            << "player " << c.Player << ", slot " << c.Slot;
    }
    EXPECT_FALSE(lines.SlotTakes(0, lines.List2.ListCount()));
}

TEST_F(LinesWindow, EachViewShowsItsRowsCaptionsAndSlots) {
    LineUp stored = EmptyLineUp();
    for (int row = 0; row < 13; ++row) {
        for (int c = 0; c < 5; ++c) stored[LineIndex(row, c)] = static_cast<std::uint8_t>(row);
    }
    Install(test::ReadyRoster(), stored);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    const auto name = [&](int index) { return ShownName(vars.Players[0][index]); };

    EXPECT_EQ(lines.Label5.Caption, "Even Strength Lines");
    EXPECT_EQ(lines.Label1[0].Caption, "Line 1");
    EXPECT_EQ(lines.Label1[3].Caption, "Line 4");
    EXPECT_EQ(lines.Label2[8].Caption, "D");
    EXPECT_EQ(lines.lblPlayer[19].Caption, name(3));
    EXPECT_EQ(lines.lblPlayer[22].Caption, name(12));

    lines.optPK_Click();
    EXPECT_EQ(lines.Label5.Caption, "Penalty Kill Lines");
    EXPECT_EQ(lines.Label1[2].Caption, "PK Line 1 (3 on 5)");
    EXPECT_EQ(lines.Label2[4].Caption, "");
    EXPECT_EQ(lines.Label2[6].Caption, "D");
    EXPECT_THAT(VisibleSlotLabels(lines),
                ElementsAre(0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 15, 16, 17, 20, 21, 22));
    EXPECT_EQ(lines.lblPlayer[0].Caption, name(8));
    EXPECT_EQ(lines.lblPlayer[4].Caption, name(8));  // hidden labels are filled all the same
    EXPECT_EQ(lines.lblPlayer[15].Caption, name(11));

    lines.optPP_Click();
    EXPECT_EQ(lines.Label5.Caption, "Power Play Lines");
    EXPECT_EQ(lines.Label1[1].Caption, "PP Line 2 (5 on 4)");
    EXPECT_EQ(lines.Label1[3].Caption, "PP Line 2 (4 on 3)");
    EXPECT_EQ(lines.Label2[6].Caption, "W");
    EXPECT_EQ(lines.Label2[9].Caption, "");
    for (int n : {4, 9, 13, 18}) EXPECT_TRUE(lines.lblPlayer[n].Visible) << n;
    EXPECT_FALSE(lines.lblPlayer[14].Visible);
    EXPECT_FALSE(lines.lblPlayer[19].Visible);
    EXPECT_EQ(lines.lblPlayer[0].Caption, name(4));
    EXPECT_EQ(lines.lblPlayer[15].Caption, name(7));

    // A hidden slot (row 6, column 4) takes no player.
    lines.List2.ListIndex = 0;
    lines.lblPlayer_Click(14);
    EXPECT_EQ(lines.LineBuffer[LineIndex(6, 4)], 6);
    EXPECT_FALSE(lines.Changed());

    lines.optEven_Click();
    EXPECT_EQ(VisibleSlotLabels(lines).size(), 23u);
    EXPECT_EQ(lines.Label2[1].Caption, "LW");
    EXPECT_EQ(lines.lblPlayer[0].Caption, name(0));
}

TEST_F(LinesWindow, Label6RedrawsTheSlotLabels) {
    Install(test::ReadyRoster(), CompleteLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    for (Label& label : lines.lblPlayer) label.Caption = "stale";
    lines.Label6_Click();
    EXPECT_EQ(lines.lblPlayer[1].Caption, ShownName(vars.Players[0][1]));
    EXPECT_EQ(lines.lblPlayer[20].Caption, ShownName(vars.Players[0][18]));
    EXPECT_EQ(lines.lblPlayer[4].Caption, ShownName(vars.Players[0][4]));
}

TEST_F(LinesWindow, EntriesThatNameNoPlayerShowEmptyAndCannotBeStored) {
    LineUp stored = CompleteLineUp();
    stored[LineIndex(0, 0)] = 77;
    stored[LineIndex(1, 1)] = 50;
    stored[LineIndex(2, 2)] = 254;
    stored[LineIndex(3, 3)] = 30;  // an empty roster place
    Install(test::ReadyRoster(), stored);
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();

    for (int n : {0, 6, 12, 18}) EXPECT_EQ(lines.lblPlayer[n].Caption, "") << n;
    EXPECT_EQ(lines.lblPlayer[1].Caption, ShownName(vars.Players[0][1]));
    EXPECT_TRUE(lines.LinesIncomplete());

    Place(lines, 9, 7);  // the row holding 254 still takes a player
    EXPECT_EQ(lines.LineBuffer[LineIndex(1, 2)], 9);
    ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
    lines.cmdExit_Click();
    EXPECT_FALSE(lines.IsUnloaded());
    EXPECT_THAT(ui.MessageTexts(), ElementsAre("Keep Line Changes?", "Lines are not complete"));
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);

    Place(lines, 8, 0);
    Place(lines, 10, 6);
    Place(lines, 11, 12);
    EXPECT_TRUE(lines.LinesIncomplete());
    Place(lines, 12, 18);
    EXPECT_FALSE(lines.LinesIncomplete());
}

TEST_F(LinesWindow, AnEmptyExtraSkaterIsIncompleteButAnEmptySpareColumnIsNot) {
    LineUp stored = CompleteLineUp();
    stored[LineIndex(12, 2)] = kNoPlayer;
    Install(test::ReadyRoster(), stored);
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    Place(lines, 7, 0);

    ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
    lines.cmdExit_Click();
    EXPECT_THAT(
        ui.Messages,
        ElementsAre(
            RecordedMessage{"Keep Line Changes?", Buttons::YesNoCancel, Icon::None, "Keep Changes"},
            RecordedMessage{"Lines are not complete", Buttons::OK, Icon::Critical, "Edit Lines"}));
    EXPECT_FALSE(lines.IsUnloaded());
    EXPECT_TRUE(lines.Changed());
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);

    Place(lines, 7, 22);
    EXPECT_EQ(lines.LineBuffer[LineIndex(6, 4)], kNoPlayer);
    ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
    lines.cmdExit_Click();
    EXPECT_TRUE(lines.IsUnloaded());
    EXPECT_EQ(ui.Messages.size(), 3u);
    EXPECT_EQ(StoredTeam().LineSlots[LineIndex(12, 2)], 7);
}

TEST_F(LinesWindow, KeepingStoresTheLineUpWithEmptySparesAndMarksTheLinesSet) {
    LineUp stored = CompleteLineUp();
    for (int row = 6; row < 13; ++row) stored[LineIndex(row, 4)] = 9;
    for (int row = 10; row < 13; ++row) stored[LineIndex(row, 3)] = 10;
    Install(test::ReadyRoster(), stored);
    const Bytes rosterFile = ReadWholeFile(vars.SwapRosterFile);
    const Team neighbour = DecodeRecord<Team>(
        RecordFile(vars.SwapTeamFile, RecordLayout<Team>::Size).Read(TeamRecordNumber(0)));
    ASSERT_EQ(StoredTeam().LinesSet, 0);

    TeamSession session(vars);

    Lines lines(session, ui);
    lines.Form_Load();
    lines.optPK_Click();
    Place(lines, 11, 15);  // PK 3 on 5, unit 2, centre: row 11
    ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
    lines.cmdExit_Click();
    EXPECT_TRUE(lines.IsUnloaded());
    EXPECT_EQ(ui.Messages.size(), 1u);  // the question only: no close-box warning

    LineUp expected = CompleteLineUp();
    expected[LineIndex(11, 0)] = 11;
    const Team team = StoredTeam();
    EXPECT_EQ(team.LineSlots, expected);
    EXPECT_EQ(team.LinesSet, kTrue);
    EXPECT_EQ(vars.Teams[kTeam].LineSlots, expected);
    EXPECT_EQ(team.Raw[130], 0xAB);  // bytes no field interprets come back unchanged
    EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), rosterFile);
    const Team neighbourAfter = DecodeRecord<Team>(
        RecordFile(vars.SwapTeamFile, RecordLayout<Team>::Size).Read(TeamRecordNumber(0)));
    EXPECT_EQ(neighbourAfter.Raw, neighbour.Raw);
}

TEST_F(LinesWindow, AnsweringNoStoresNothing) {
    Install(test::ReadyRoster(), CompleteLineUp());
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    Place(lines, 9, 0);
    ui.ExpectQuestion("Keep Line Changes?", Answer::No);
    lines.cmdExit_Click();
    EXPECT_TRUE(lines.IsUnloaded());
    EXPECT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);
    EXPECT_EQ(vars.Teams[kTeam].LineSlots, CompleteLineUp());
}

TEST_F(LinesWindow, CancellingTheQuestionReturnsToTheWindowWithNothingChanged) {
    Install(test::ReadyRoster(), CompleteLineUp());
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    Place(lines, 9, 0);
    ui.ExpectQuestion("Keep Line Changes?", Answer::Cancel);
    lines.cmdExit_Click();
    EXPECT_FALSE(lines.IsUnloaded());
    EXPECT_TRUE(lines.Changed());
    EXPECT_EQ(lines.LineBuffer[LineIndex(0, 0)], 9);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);
    EXPECT_EQ(vars.Teams[kTeam].LineSlots, CompleteLineUp());
}

TEST_F(LinesWindow, TheCloseBoxWarnsOfUnsavedChangesAndClosesAllTheSame) {
    Install(test::ReadyRoster(), CompleteLineUp());
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    {
        TeamSession session(vars);
        Lines lines(session, ui);
        lines.Form_Load();
        EXPECT_TRUE(lines.Unload());
        EXPECT_TRUE(ui.Messages.empty());
    }
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    Place(lines, 9, 0);
    EXPECT_TRUE(lines.Unload());
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0], (RecordedMessage{"Changes were not saved", Buttons::OK,
                                               Icon::Critical, "Edit Lines"}));
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);
    EXPECT_EQ(vars.Teams[kTeam].LineSlots, CompleteLineUp());
}

TEST_F(LinesWindow, AFailedSaveIsShownAndKeepsTheWindowAndItsChanges) {
    Install(test::ReadyRoster(), CompleteLineUp());
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    Place(lines, 9, 0);
    fs::remove(vars.SwapTeamFile);

    ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
    lines.cmdExit_Click();
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_THAT(ui.Messages[1].Text, HasSubstr("swp.t"));
    EXPECT_EQ(ui.Messages[1].IconShown, Icon::Critical);
    EXPECT_EQ(ui.Messages[1].Title, "Edit Lines");
    EXPECT_FALSE(lines.IsUnloaded());
    EXPECT_TRUE(lines.Changed());
    EXPECT_EQ(lines.LineBuffer[LineIndex(0, 0)], 9);
    EXPECT_EQ(vars.Teams[kTeam].LineSlots, CompleteLineUp());
    EXPECT_EQ(vars.Teams[kTeam].LinesSet, 0);

    WriteWholeFile(vars.SwapTeamFile, teamFile);
    ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
    lines.cmdExit_Click();
    EXPECT_TRUE(lines.IsUnloaded());
    EXPECT_EQ(StoredTeam().LineSlots[LineIndex(0, 0)], 9);
}

TEST_F(LinesWindow, SetLinesOpensTheWindowForTheCurrentTeam) {
    Install(test::ReadyRoster(), EmptyLineUp());
    vars.Players[0] = RosterSlot{};
    TeamSession session(vars);
    Main main(session, ui, start);
    main.Form_Load();
    main.LoadLg(base);
    main.lstTeams[0].ListIndex = kTeam;
    main.lstTeams_Click(0);

    ui.OnShowModal = [&](Window& window) {
        auto& lines = dynamic_cast<Lines&>(window);
        EXPECT_EQ(lines.Label6.Caption, "Lines for Bears     ");
        lines.cmdAuto_Click();
        ui.ExpectQuestion("Keep Line Changes?", Answer::Yes);
        lines.cmdExit_Click();
    };
    main.SetLines_Click();
    EXPECT_THAT(ui.WindowsShown, ElementsAre("Edit Lines"));
    EXPECT_THAT(ui.MessageTexts(), ElementsAre("Keep Line Changes?"));
    const Team team = StoredTeam();
    EXPECT_EQ(team.LinesSet, kTrue);
    EXPECT_EQ(team.LineSlots[LineIndex(12, 0)], 19);
}

TEST_F(LinesWindow, CandidatesShowTheirUseInTheViewAndAClearedSlotLeavesTheLinesIncomplete) {
    Install(test::ReadyRoster(), CompleteLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    ASSERT_EQ(lines.ListUse.size(), static_cast<std::size_t>(lines.List2.ListCount()));
    const auto useOf = [&lines](int index) {
        for (int k = 0; k < lines.List2.ListCount(); ++k) {
            if (lines.ListMap[k] == index) return lines.ListUse[static_cast<std::size_t>(k)];
        }
        ADD_FAILURE() << "player " << index << " is not a candidate";
        return LineUse::Unused;
    };
    EXPECT_EQ(useOf(0), LineUse::Several);
    EXPECT_EQ(useOf(5), LineUse::Once);  // an extra skater
    EXPECT_EQ(useOf(18), LineUse::Once);
    EXPECT_EQ(useOf(19), LineUse::Unused);

    lines.ClearSlot(20);  // the goalie
    EXPECT_EQ(lines.LineBuffer[LineIndex(12, 0)], kNoPlayer);
    EXPECT_EQ(lines.lblPlayer[20].Caption, "");
    EXPECT_EQ(useOf(18), LineUse::Unused);
    EXPECT_TRUE(lines.Changed());
    EXPECT_TRUE(lines.LinesIncomplete());

    // Only the rows of the view count: player 4 is in no penalty-kill row.
    lines.optPK_Click();
    EXPECT_EQ(useOf(4), LineUse::Unused);
    const LineUp before = lines.LineBuffer;
    lines.ClearSlot(4);  // hidden in this view
    lines.ClearSlot(-1);
    EXPECT_EQ(lines.LineBuffer, before);
}

struct SwapCase {
    const char* Label;
    int Cleared;  // a slot label emptied first, or -1
    int From;
    int To;
    bool Swapped;
};

class SlotSwaps : public LinesWindow, public testing::WithParamInterface<SwapCase> {};

TEST_P(SlotSwaps, FollowThePlacingRulesOfBothSlots) {
    const SwapCase& c = GetParam();
    Install(test::ReadyRoster(), CompleteLineUp());
    TeamSession session(vars);
    Lines lines(session, ui);
    lines.Form_Load();
    if (c.Cleared >= 0) lines.ClearSlot(c.Cleared);
    const LineUp before = lines.LineBuffer;
    const auto entryOf = [](int label) {
        return label < Lines::kGoalieLabel ? LineIndex(label / 5, label % 5)
                                           : LineIndex(12, label - Lines::kGoalieLabel);
    };

    EXPECT_EQ(lines.SwapSlots(c.From, c.To), c.Swapped);
    LineUp expected = before;
    if (c.Swapped) std::swap(expected[entryOf(c.From)], expected[entryOf(c.To)]);
    EXPECT_EQ(lines.LineBuffer, expected);
    EXPECT_EQ(lines.lblPlayer[c.From].Caption,
              expected[entryOf(c.From)] == kNoPlayer
                  ? ""
                  : ShownName(vars.Players[0][expected[entryOf(c.From)]]));
}

INSTANTIATE_TEST_SUITE_P(Lines, SlotSwaps,
                         testing::Values(SwapCase{"WithinARow", -1, 0, 1, true},
                                         SwapCase{"SkaterWithExtraSkater", -1, 0, 21, true},
                                         SwapCase{"IntoAnEmptySlot", 5, 0, 5, true},
                                         SwapCase{"SkaterIntoTheGoalieSlot", -1, 0, 20, false},
                                         SwapCase{"SkaterTwiceInARow", -1, 0, 6, false},
                                         SwapCase{"TheSamePlayer", -1, 0, 5, false},
                                         SwapCase{"TheSameSlot", -1, 20, 20, false}),
                         [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
}  // namespace korvel

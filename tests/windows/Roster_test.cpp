#include "windows/roster/Roster.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "session/ProtectionQuota.h"
#include "session/TeamSession.h"
#include "windows/RosterTestLeague.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;
using test::MakePlayer;
using test::RosterWith;
using testing::ElementsAre;
using testing::HasSubstr;

class RosterWindow : public test::RosterWindowTest {};

TEST_F(RosterWindow, LoadingPlacesEveryListedPlayerAndCountsOnlyTheDressed) {
    RosterSlot roster = RosterWith({3, 3, 3, 6, 2});  // 0..16 dressed
    roster[17] = MakePlayer("Hurt Farm", Centre, 50, 3);
    roster[18] = MakePlayer("Hurt Dressed", Centre, 50, 204);
    roster[19] = MakePlayer("Marked Two", Defenceman, 50, 100);
    roster[19].WaiverMark = 2;
    roster[20] = MakePlayer("Odd Position", 7, 50, 200);
    roster[21] = MakePlayer("Odd Injury", Goalie, 50, 155);
    roster[22] = MakePlayer("Farm Rookie", LeftWing, 50, 0);
    roster[22].Rookie = kTrue;
    roster[23] = MakePlayer("Kept Vet", RightWing, 50, 100);
    roster[23].Protected = kTrue;
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();

    EXPECT_EQ(window.Label1.Caption, "Roster of the Bears     ");
    EXPECT_EQ(vars.Players[0][17].Status, 103);  // moved to the pros at once
    EXPECT_EQ(vars.Players[0][18].Status, 204);  // kept until saved
    EXPECT_EQ(window.list1[2].Items[0].Text, vars.Players[0][0].Name.Utf8());
    EXPECT_THAT(Shown(window, 1), ElementsAre(17, 18, 21, 23));
    EXPECT_THAT(Shown(window, 0), ElementsAre(22));
    EXPECT_EQ(Shown(window, 2).size(), 18u);  // 17 and the odd position
    EXPECT_EQ(window.ListMap[1][1], 18);
    EXPECT_THAT(window.PositionCount, ElementsAre(3, 3, 3, 6, 2));
    EXPECT_EQ(window.Label4.Caption, "18 Total Players");
    EXPECT_FALSE(window.RosterComplete);
    EXPECT_FALSE(window.Label5.Visible);
    EXPECT_FALSE(window.RosterChanged());
    EXPECT_EQ(window.lblRule[Defenceman].Caption, "D 6 / \u22656");
    EXPECT_TRUE(window.RuleMet[Defenceman]);
    EXPECT_EQ(window.lblRule[Goalie].Caption, "G 2 / 2");
    EXPECT_EQ(window.lblRule[5].Caption, "All 18 / 20");
    EXPECT_FALSE(window.RuleMet[5]);

    // Filters hide lines but never change the counts.
    window.Check1[Defenceman].Value = false;
    window.Check1_Click(Defenceman);
    EXPECT_EQ(Shown(window, 2).size(), 12u);
    EXPECT_EQ(window.Label4.Caption, "18 Total Players");
    EXPECT_EQ(window.PositionCount[Defenceman], 6);

    // The protection view marks rookies and protected players.
    window.chkProtect.Value = true;
    window.chkProtect_Click();
    EXPECT_EQ(window.list1[0].Items[0].Text, "*" + vars.Players[0][22].Name.Utf8());
    EXPECT_EQ(window.list1[1].Items[3].Text, "*" + vars.Players[0][23].Name.Utf8());
    EXPECT_EQ(window.list1[1].Items[0].Text, vars.Players[0][17].Name.Utf8());

    window.TransferBuffer(0);
    EXPECT_EQ(StoredPlayer(18).Status, 104);
    EXPECT_EQ(StoredPlayer(19).Status, 100);
    EXPECT_EQ(StoredPlayer(19).Name, roster[19].Name);  // waiver mark 2 stays with the club
    EXPECT_EQ(StoredPlayer(21).Status, 155);
    EXPECT_EQ(StoredPlayer(0).Status, 200);
}

struct CompletenessCase {
    const char* Label;
    std::array<int, 5> Dressed;
    bool Complete;
    const char* Missing;
};

class Completeness : public test::RosterWindowTest,
                     public testing::WithParamInterface<CompletenessCase> {};

TEST_P(Completeness, NeedsTwentyWithThreeOfEachForwardSixDefenceAndTwoGoalies) {
    const CompletenessCase& c = GetParam();
    Install(RosterWith(c.Dressed));
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    EXPECT_EQ(window.RosterComplete, c.Complete);
    EXPECT_EQ(window.Label5.Visible, c.Complete);
    EXPECT_EQ(window.lblMissing.Caption, c.Missing);
    const bool allMet =
        std::all_of(window.RuleMet.begin(), window.RuleMet.end(), [](bool met) { return met; });
    EXPECT_EQ(allMet, c.Complete);
}

INSTANTIATE_TEST_SUITE_P(
    Roster, Completeness,
    testing::Values(
        CompletenessCase{"Complete", {3, 3, 4, 8, 2}, true, ""},
        CompletenessCase{"OneGoalie", {4, 4, 4, 7, 1}, false, "Missing: 1 G, 1 player too many"},
        CompletenessCase{"TwentyOne", {3, 3, 4, 9, 2}, false, "Missing: 1 player too many"},
        CompletenessCase{"FiveDefence", {4, 4, 5, 5, 2}, false, "Missing: 1 D, 1 player too many"},
        CompletenessCase{"Nineteen", {3, 3, 3, 8, 2}, false, "Missing: 1 player"}),
    [](const auto& info) { return std::string(info.param.Label); });

struct MoveCase {
    const char* Label;
    int Button;
    int List;
    std::vector<int> Selected;    // among the extras 20 (scratch), 21 (suspended scratch),
                                  // 22 (injured scratch), 23 (suspended farm), 24 (farm)
    std::vector<int> FlagsAfter;  // of 20 to 24
    std::vector<std::string> Messages;
};

class Moves : public test::RosterWindowTest, public testing::WithParamInterface<MoveCase> {};

TEST_P(Moves, MoveTheSelectedAvailablePlayersAndNameEachRefusedOne) {
    const MoveCase& c = GetParam();
    RosterSlot roster = RosterWith({3, 3, 3, 6, 2});
    roster[20] = MakePlayer("Scratch One", Centre, 50, 100);
    roster[21] = MakePlayer("Suspended", Centre, 50, 100);
    roster[21].Suspension = 2;
    roster[22] = MakePlayer("Injured", Centre, 50, 102);
    roster[23] = MakePlayer("Suspended Farm", Centre, 50, 0);
    roster[23].Suspension = 1;
    roster[24] = MakePlayer("Farm", Centre, 50, 0);
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    Select(window, c.List, c.Selected);
    window.cmdMovePlayer_Click(c.Button);

    EXPECT_THAT(std::vector<int>(window.PlayerFlags.begin() + 20, window.PlayerFlags.begin() + 25),
                testing::ElementsAreArray(c.FlagsAfter));
    EXPECT_THAT(ui.MessageTexts(), testing::ElementsAreArray(c.Messages));
    for (const auto& message : ui.Messages) EXPECT_EQ(message.Title, "Korvel");
    EXPECT_TRUE(window.RosterChanged());
}

const std::string kSuspended = FixedText<22>::FromString("Suspended").Utf8();
const std::string kInjured = FixedText<22>::FromString("Injured").Utf8();

INSTANTIATE_TEST_SUITE_P(
    Roster, Moves,
    testing::Values(MoveCase{"DressSkipsTheSuspended",
                             1,
                             1,
                             {20, 21, 22},
                             {200, 100, 102, 0, 0},
                             {kSuspended + " is unavailable", kInjured + " is unavailable"}},
                    MoveCase{"ToFarmRefusesTheInjured",
                             2,
                             1,
                             {20, 22},
                             {0, 100, 102, 0, 0},
                             {kInjured + " cannot be sent to farm"}},
                    MoveCase{
                        "ToProsTakesTheSuspended", 3, 0, {23, 24}, {100, 100, 102, 100, 100}, {}},
                    MoveCase{"ScratchWithNothingSelected", 0, 2, {}, {100, 100, 102, 0, 0}, {}}),
    [](const auto& info) { return std::string(info.param.Label); });

struct QuotaCase {
    const char* Label;
    int Forwards, Defence, Goalies;
    std::uint8_t Position;
    bool Allowed;
};

class Quota : public testing::TestWithParam<QuotaCase> {};

TEST_P(Quota, LimitsEachGroupByWhatIsAlreadyProtected) {
    const QuotaCase& c = GetParam();
    RosterSlot slot{};
    int index = 0;
    auto protect = [&](int count, std::uint8_t position) {
        for (int n = 0; n < count; ++n, ++index) {
            slot[index] = MakePlayer("P", position, 50);
            slot[index].Protected = kTrue;
        }
    };
    protect(c.Forwards, LeftWing);
    protect(c.Defence, Defenceman);
    protect(c.Goalies, Goalie);
    EXPECT_EQ(MayProtect(slot, c.Position), c.Allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Roster, Quota,
    testing::Values(QuotaCase{"SixDefenceFirstGoalie", 0, 6, 0, Goalie, true},
                    QuotaCase{"SixDefenceSecondGoalie", 0, 6, 1, Goalie, false},
                    QuotaCase{"NineFiveNoneGoalie", 9, 5, 0, Goalie, true},
                    QuotaCase{"TwoGoaliesThreeDefence8thForward", 7, 3, 2, Centre, true},
                    QuotaCase{"TwoGoaliesThreeDefence9thForward", 8, 3, 2, Centre, false},
                    QuotaCase{"TwoGoaliesFourDefence8thForward", 7, 4, 2, Centre, false},
                    QuotaCase{"TwoGoaliesEightForwards4thDefence", 8, 3, 2, Defenceman, false},
                    QuotaCase{"TenForwardsSixthDefence", 10, 5, 0, Defenceman, false},
                    QuotaCase{"EleventhForward", 10, 0, 0, RightWing, false},
                    QuotaCase{"NoPosition", 0, 0, 0, 7, false}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST_F(RosterWindow, DoubleClickInTheProtectionViewTogglesTheMarkInPlace) {
    RosterSlot roster = RosterWith({3, 3, 3, 6, 2});
    roster[20] = MakePlayer("Kept", Goalie, 50, 100);
    roster[20].Protected = kTrue;
    roster[21] = MakePlayer("Second", Goalie, 50, 100);
    roster[21].Protected = kTrue;
    roster[22] = MakePlayer("Third", Goalie, 50, 100);
    Install(roster);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    window.chkProtect.Value = true;
    window.chkProtect_Click();

    window.list1[1].ListIndex = 2;  // a third goalie is over the quota: nothing happens
    window.List1_DblClick(1);
    EXPECT_EQ(vars.Players[0][22].Protected, 0);
    EXPECT_FALSE(window.RosterChanged());
    EXPECT_EQ(vars.CurrentPlayerIndex, 22);

    window.list1[1].ListIndex = 0;
    window.List1_DblClick(1);
    EXPECT_EQ(vars.Players[0][20].Protected, 0);
    EXPECT_EQ(window.list1[1].Items[0].Text, vars.Players[0][20].Name.Utf8());
    EXPECT_EQ(window.list1[1].ListIndex, 0);
    EXPECT_TRUE(window.RosterChanged());

    window.list1[1].ListIndex = 2;
    window.List1_DblClick(1);
    EXPECT_EQ(vars.Players[0][22].Protected, kTrue);
    EXPECT_EQ(window.list1[1].Items[2].Text, "*" + vars.Players[0][22].Name.Utf8());
    EXPECT_TRUE(ui.Messages.empty());

    // Outside the protection view a double click opens the player's card.
    window.chkProtect.Value = false;
    window.chkProtect_Click();
    window.list1[1].ListIndex = 1;
    window.List1_DblClick(1);
    EXPECT_THAT(ui.WindowsShown, ElementsAre("Player Info"));
    EXPECT_EQ(vars.CurrentPlayerIndex, 21);
    EXPECT_EQ(vars.Players[0][21].Protected, kTrue);
}

TEST_F(RosterWindow, ExitKeepsACompleteRosterAndTakesTheUndressedOutOfTheLineUp) {
    RosterSlot roster = RosterWith({3, 3, 3, 6, 2});
    roster[17] = MakePlayer("Extra", Centre, 50, 200);
    roster[18] = MakePlayer("Extra", LeftWing, 50, 200);
    roster[19] = MakePlayer("Extra", RightWing, 50, 200);
    roster[20] = MakePlayer("Scratch", Centre, 50, 100);
    LineUp lineUp = test::EmptyLineUp();
    lineUp[LineIndex(3, 2)] = 20;
    lineUp[LineIndex(0, 0)] = 0;
    lineUp[LineIndex(12, 3)] = 19;  // never examined
    Install(roster, lineUp);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    ASSERT_TRUE(window.RosterComplete);

    Select(window, 2, {19});
    window.cmdMovePlayer_Click(0);  // 19 dressed: one short
    ui.ExpectQuestion("Keep Roster Changes?", Answer::Yes);
    window.cmdExit_Click();
    EXPECT_THAT(ui.MessageTexts(), ElementsAre("Keep Roster Changes?", "Roster not complete"));
    EXPECT_EQ(ui.Messages[1].IconShown, Icon::Critical);
    EXPECT_EQ(ui.Messages[1].Title, "Edit Roster");
    EXPECT_FALSE(window.IsUnloaded());
    EXPECT_TRUE(window.RosterChanged());

    Select(window, 1, {19});
    window.cmdMovePlayer_Click(1);
    Select(window, 2, {0});
    window.cmdMovePlayer_Click(0);
    Select(window, 1, {20});
    window.cmdMovePlayer_Click(1);
    ui.ExpectQuestion("Keep Roster Changes?", Answer::Yes);
    window.cmdExit_Click();
    EXPECT_TRUE(window.IsUnloaded());
    EXPECT_EQ(ui.Messages.size(), 3u);
    EXPECT_EQ(StoredPlayer(0).Status, 100);
    EXPECT_EQ(StoredPlayer(20).Status, 200);
    const Team& team = vars.Teams[test::kRosterTeam];
    EXPECT_EQ(team.LineSlots[LineIndex(0, 0)], kNoPlayer);
    EXPECT_EQ(team.LineSlots[LineIndex(3, 2)], 20);
    EXPECT_EQ(team.LineSlots[LineIndex(12, 3)], 19);
    EXPECT_EQ(team.LinesSet, kFalse);
}

TEST_F(RosterWindow, LeavingWithoutKeepingStoresNothing) {
    Install(RosterWith({3, 3, 3, 6, 2}));
    const Bytes rosterFile = ReadWholeFile(vars.SwapRosterFile);
    for (bool closeBox : {false, true}) {
        ui.Messages.clear();
        TeamSession session(vars);
        Roster window(session, ui);
        window.Form_Load();
        Select(window, 2, {0});
        window.cmdMovePlayer_Click(0);
        if (closeBox) {
            window.Unload();
            EXPECT_THAT(ui.MessageTexts(), ElementsAre("Changes were not saved"));
            EXPECT_EQ(ui.Messages[0].Title, "Edit Roster");
        } else {
            ui.ExpectQuestion("Keep Roster Changes?", Answer::No);
            window.cmdExit_Click();
            EXPECT_EQ(ui.Messages.size(), 1u);
        }
        EXPECT_TRUE(window.IsUnloaded());
        EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), rosterFile);
    }
}

TEST_F(RosterWindow, CancellingTheQuestionReturnsToTheWindowWithNothingChanged) {
    Install(RosterWith({3, 3, 3, 6, 2}));
    const Bytes rosterFile = ReadWholeFile(vars.SwapRosterFile);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    Select(window, 2, {0});
    window.cmdMovePlayer_Click(0);
    const auto statuses = [&] {
        std::vector<int> all;
        for (const Player& player : vars.Players[0]) all.push_back(player.Status);
        return all;
    };
    const std::vector<int> moved = statuses();
    ui.ExpectQuestion("Keep Roster Changes?", Answer::Cancel);
    window.cmdExit_Click();
    EXPECT_FALSE(window.IsUnloaded());
    EXPECT_TRUE(window.RosterChanged());
    EXPECT_EQ(statuses(), moved);
    EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), rosterFile);
    EXPECT_EQ(ui.Messages.back().ButtonSet, Buttons::YesNoCancel);
}

class WaiverList : public test::RosterWindowTest {
  protected:
    // A complete roster in which 17 and 18 are marked for waivers (not dressed).
    void InstallWithTwoWaived() {
        RosterSlot roster = RosterWith({3, 3, 3, 6, 2});
        for (int i : {17, 18, 19})
            roster[i] = MakePlayer("Extra " + std::to_string(i), i - 17, 50, 200);
        roster[20] = MakePlayer("Listed Before", Defenceman, 50, 100);
        roster[20].WaiverMark = 1;
        roster[20].Raw[84] = 0x5A;
        roster[21] = MakePlayer("New To The List", Goalie, 50, 0);
        roster[21].WaiverMark = 1;
        Install(roster);
        for (const char* name : {"Someone Else", "Listed Before"}) {
            WaiverEntry entry;
            entry.WaiverState = 7;
            entry.Player = MakePlayer(name, Centre, 10, 0);
            const auto bytes = EncodeRecord(entry);
            waiversBefore.insert(waiversBefore.end(), bytes.begin(), bytes.end());
        }
        WriteWholeFile(vars.WaiverFile, waiversBefore);
    }

    static Bytes EntryBytes(Player player) {
        player.WaiverMark = 0;
        WaiverEntry entry;
        entry.Player = player;
        const auto bytes = EncodeRecord(entry);
        return Bytes(bytes.begin(), bytes.end());
    }

    Bytes waiversBefore;
};

TEST_F(WaiverList, SavingReplacesTheEntryOfTheSameNameAndAppendsTheOther) {
    InstallWithTwoWaived();
    const Player listed = vars.Players[0][20];
    const Player added = vars.Players[0][21];
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    EXPECT_THAT(Shown(window, 1), ElementsAre());
    window.TransferBuffer(0);

    Bytes expected(waiversBefore.begin(), waiversBefore.begin() + 88);
    for (const Player& player : {listed, added}) {
        const Bytes entry = EntryBytes(player);
        expected.insert(expected.end(), entry.begin(), entry.end());
    }
    EXPECT_EQ(ReadWholeFile(vars.WaiverFile), expected);
    EXPECT_EQ(expected[88 + 2 + 84], 0x5A);  // the whole record, uninterpreted bytes too
    for (int i : {20, 21}) {
        EXPECT_TRUE(vars.Players[0][i].IsEmptyPlace());
        EXPECT_EQ(EncodeRecord(StoredPlayer(i)), EncodeRecord(Player{}));
    }
}

// The league's list is replaced only once the working copies are: when they cannot be saved, the
// list was never touched (the same file, not a rewrite of its old bytes).
TEST_F(WaiverList, IsReplacedOnlyAfterTheWorkingCopies) {
    InstallWithTwoWaived();
    // Held open, the list's file cannot be freed and its number given to a new one.
    const int held = ::open(vars.WaiverFile.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    struct stat original {
    }, after{};
    ASSERT_EQ(::fstat(held, &original), 0);
    fs::remove(vars.SwapTeamFile);
    fs::create_directory(vars.SwapTeamFile);
    TeamSession session(vars);
    Roster window(session, ui);
    window.Form_Load();
    EXPECT_THROW(window.TransferBuffer(0), FileError);
    ASSERT_EQ(::stat(vars.WaiverFile.c_str(), &after), 0);
    ::close(held);
    EXPECT_EQ(after.st_ino, original.st_ino);
    EXPECT_EQ(ReadWholeFile(vars.WaiverFile), waiversBefore);
}

TEST_F(WaiverList, AFailedWriteStoresNothingAndKeepsTheWindowOpen) {
    InstallWithTwoWaived();
    const Bytes rosterFile = ReadWholeFile(vars.SwapRosterFile);
    const RosterSlot slotBefore = vars.Players[0];
    struct Failure {
        const char* Label;
        std::function<void()> Break, Mend;
    };
    const fs::path teamFile = vars.SwapTeamFile;
    const Bytes teams = ReadWholeFile(teamFile);
    const std::vector<Failure> failures{
        {"waiver list is a folder",
         [&] {
             fs::remove(vars.WaiverFile);
             fs::create_directory(vars.WaiverFile);
         },
         [&] {
             fs::remove(vars.WaiverFile);
             WriteWholeFile(vars.WaiverFile, waiversBefore);
         }},
        {"team file is a folder",
         [&] {
             fs::remove(teamFile);
             fs::create_directory(teamFile);
         },
         [&] {
             fs::remove(teamFile);
             WriteWholeFile(teamFile, teams);
         }},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.Label);
        ui.Messages.clear();
        TeamSession session(vars);
        Roster window(session, ui);
        window.Form_Load();
        Select(window, 2, {0});
        window.cmdMovePlayer_Click(0);
        Select(window, 1, {0});
        window.cmdMovePlayer_Click(1);
        failure.Break();
        ui.ExpectQuestion("Keep Roster Changes?", Answer::Yes);
        window.cmdExit_Click();

        ASSERT_EQ(ui.Messages.size(), 2u);
        EXPECT_EQ(ui.Messages[1].IconShown, Icon::Critical);
        EXPECT_EQ(ui.Messages[1].Title, "Edit Roster");
        EXPECT_THAT(ui.Messages[1].Text, HasSubstr("is a folder"));
        EXPECT_FALSE(window.IsUnloaded());
        EXPECT_TRUE(window.RosterChanged());
        for (int i = 0; i < kRosterPlaces; ++i) {
            EXPECT_EQ(EncodeRecord(vars.Players[0][i]), EncodeRecord(slotBefore[i])) << i;
        }
        EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), rosterFile);
        failure.Mend();
        EXPECT_EQ(ReadWholeFile(vars.WaiverFile), waiversBefore);

        // Once the cause is gone, the same Exit keeps the changes.
        ui.ExpectQuestion("Keep Roster Changes?", Answer::Yes);
        window.cmdExit_Click();
        EXPECT_TRUE(window.IsUnloaded());
        EXPECT_TRUE(vars.Players[0][20].IsEmptyPlace());
        // Start the next case from the same files and slot.
        WriteWholeFile(vars.SwapRosterFile, rosterFile);
        WriteWholeFile(vars.WaiverFile, waiversBefore);
        vars.Players[0] = slotBefore;
    }
}

}  // namespace
}  // namespace korvel

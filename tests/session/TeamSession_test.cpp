#include <gtest/gtest.h>

#include <functional>

#include "session/TeamSession.h"
#include "windows/RosterTestLeague.h"

namespace korvel::test {
namespace {

struct RefusalCase {
    const char* Name;
    std::array<int, 5> Dressed;  // players per position, all dressed and healthy
    std::function<Outcome(TeamSession&)> Operation;
    Message Expected;
};

class TeamSessionRefusal : public RosterWindowTest,
                           public testing::WithParamInterface<RefusalCase> {};

TEST_P(TeamSessionRefusal, SaysWhyAndWritesNothing) {
    const RefusalCase& c = GetParam();
    Install(RosterWith(c.Dressed));
    TeamSession session(vars);
    ASSERT_TRUE(session.OpenRoster("Set Game Roster"));
    session.StartLines();
    const Bytes roster = ReadWholeFile(vars.SwapRosterFile);
    const Bytes teams = ReadWholeFile(vars.SwapTeamFile);
    const Outcome outcome = c.Operation(session);
    EXPECT_FALSE(outcome.Done);
    ASSERT_TRUE(outcome.Shown);
    EXPECT_EQ(outcome.Shown->Text, c.Expected.Text);
    EXPECT_EQ(outcome.Shown->Title, c.Expected.Title);
    EXPECT_EQ(outcome.Shown->Kind, c.Expected.Kind);
    EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), roster);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teams);
    EXPECT_TRUE(ui.Messages.empty()) << "a session shows nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Operations, TeamSessionRefusal,
    testing::Values(RefusalCase{"AutoRosterTooFew",
                                {3, 3, 3, 4, 2},
                                [](TeamSession& s) { return s.AutoRoster(); },
                                {"Not enough players", "Auto Roster", Icon::Information}},
                    RefusalCase{"KeepIncompleteRoster",
                                {4, 3, 3, 6, 1},
                                [](TeamSession& s) { return s.KeepRoster(); },
                                {"Roster not complete", "Edit Roster", Icon::Critical}},
                    RefusalCase{"AutoLinesWithoutRoster",
                                {3, 3, 3, 6, 1},
                                [](TeamSession& s) { return s.AutoLines(); },
                                {"Set roster first", "Auto Lines", Icon::Information}},
                    RefusalCase{"KeepEmptyLines",
                                {3, 3, 3, 6, 2},
                                [](TeamSession& s) { return s.KeepLines(); },
                                {"Lines are not complete", "Edit Lines", Icon::Critical}},
                    RefusalCase{"KeepLinesAfterRosterWithLines",
                                {4, 4, 4, 6, 2},
                                [](TeamSession& s) {
                                    EXPECT_TRUE(s.KeepRoster(TeamSession::Save::WithLines));
                                    return s.KeepLines();
                                },
                                {"Lines are not complete", "Edit Lines", Icon::Critical}}),
    [](const auto& info) { return std::string(info.param.Name); });

// The roster kept with the lines is written once, by the lines; dropped, it leaves the slot whole.
TEST_F(RosterWindowTest, RosterKeptWithLinesIsSavedByTheLinesOrDropped) {
    RosterSlot roster = RosterWith({4, 4, 4, 6, 2});
    roster[20] = MakePlayer("Scratch", Centre, 90, 100);
    Install(roster);
    TeamSession session(vars);
    ASSERT_TRUE(session.OpenRoster("Set Game Roster"));
    ASSERT_TRUE(session.AutoRoster());
    ASSERT_EQ(session.PlayerFlags[20], kDressedHealthy) << "the best centre is dressed";
    const Bytes stored = ReadWholeFile(vars.SwapRosterFile);

    ASSERT_TRUE(session.KeepRoster(TeamSession::Save::WithLines));
    EXPECT_EQ(vars.Players[0][20].Status, kDressedHealthy);
    EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), stored) << "not saved yet";
    session.DropUnsavedRoster();
    EXPECT_EQ(vars.Players[0][20].Status, 100);

    ASSERT_TRUE(session.KeepRoster(TeamSession::Save::WithLines));
    session.StartLines();
    ASSERT_TRUE(session.AutoLines());
    ASSERT_TRUE(session.KeepLines());
    EXPECT_EQ(StoredPlayer(20).Status, kDressedHealthy);
    const RecordFile teams(vars.SwapTeamFile, RecordLayout<Team>::Size);
    const Team kept = DecodeRecord<Team>(teams.Read(TeamRecordNumber(kRosterTeam)));
    EXPECT_EQ(kept.LinesSet, kTrue);
    EXPECT_EQ(kept.LineSlots[LineIndex(12, 0)], session.LineBuffer[LineIndex(12, 0)]);
}

}  // namespace
}  // namespace korvel::test

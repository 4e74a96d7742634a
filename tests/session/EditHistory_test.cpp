#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "session/BriefingReadiness.h"
#include "session/Readiness.h"
#include "session/TeamSession.h"
#include "windows/RosterTestLeague.h"

namespace korvel::test {
namespace {

using Edits = std::function<void(TeamSession&)>;

struct HistoryCase {
    const char* Name;
    std::array<int, 5> Dressed;
    Edits Run;
    std::vector<std::string> Steps;  // the names Undo takes them back by, last first
    std::uint8_t Status = 200;       // of every player
};

class EditHistoryTest : public RosterWindowTest, public testing::WithParamInterface<HistoryCase> {};

EditState Look(const TeamSession& s) {
    return {s.PlayerFlags, s.Players(), s.LineBuffer, s.TeamRecord().LinesSet};
}

// Undoing every step comes back to the window as it opened, with nothing changed; redoing every
// step comes back to the edits, changed again.
TEST_P(EditHistoryTest, UndoEveryStepThenRedoEveryStep) {
    const HistoryCase& c = GetParam();
    Install(RosterWith(c.Dressed, c.Status));
    TeamSession session(vars);
    ASSERT_TRUE(session.OpenRoster("Set Game Roster"));
    session.StartEditing();
    const EditState opened = Look(session);
    c.Run(session);
    const EditState edited = Look(session);
    EXPECT_EQ(session.Modified(), !c.Steps.empty());
    for (const std::string& name : c.Steps) {
        EXPECT_EQ(session.UndoName(), name);
        ASSERT_TRUE(session.Undo());
    }
    EXPECT_FALSE(session.CanUndo()) << session.UndoName();
    EXPECT_TRUE(Look(session) == opened);
    EXPECT_FALSE(session.Modified());
    for (auto name = c.Steps.rbegin(); name != c.Steps.rend(); ++name) {
        EXPECT_EQ(session.RedoName(), *name);
        ASSERT_TRUE(session.Redo());
    }
    EXPECT_FALSE(session.CanRedo());
    EXPECT_TRUE(Look(session) == edited);
    EXPECT_EQ(session.Modified(), !c.Steps.empty());
}

using M = TeamSession::Move;

INSTANTIATE_TEST_SUITE_P(
    Sequences, EditHistoryTest,
    testing::Values(
        HistoryCase{"MovesAndProtection",
                    {3, 3, 3, 6, 2},
                    [](TeamSession& s) {
                        s.MovePlayer(0, M::Scratch);
                        s.MovePlayer(0, M::ToFarm);
                        s.ToggleProtection(3);
                    },
                    {"Protect P3", "Send P0 to farm", "Scratch P0"}},
        HistoryCase{"RefusedMoveIsNoStep",
                    {3, 3, 3, 6, 2},
                    [](TeamSession& s) {
                        s.MovePlayer(1, M::Dress);   // injured: " is unavailable"
                        s.MovePlayer(1, M::ToFarm);  // " cannot be sent to farm"
                        s.MovePlayer(1, M::Scratch);
                    },
                    {"Scratch P1"},
                    105},
        HistoryCase{
            "AutoRoster", {5, 4, 5, 6, 2}, [](TeamSession& s) { s.AutoRoster(); }, {"Auto roster"}},
        HistoryCase{"LineEdits",
                    {3, 3, 3, 6, 2},
                    [](TeamSession& s) {
                        s.StartLines();
                        s.PlacePlayer(0, 1, 0);
                        s.PlacePlayer(3, 1, 1);
                        s.PlacePlayer(15, 1, 2);  // a goalie on a line: refused, no step
                        s.SwapEntries(1, 0, 1, 1);
                        s.ClearEntry(1, 0);
                        s.PlacePlayer(15, 12, 0);
                        s.PlacePlayer(4, 12, 1);
                    },
                    {"Put P4 in Extra Skater 1", "Put P15 in Goalie", "Clear Line 2 C",
                     "Swap Line 2 C and Line 2 LW", "Put P3 in Line 2 LW", "Put P0 in Line 2 C"}},
        HistoryCase{
            "AutoLines", {4, 4, 4, 6, 2}, [](TeamSession& s) { s.AutoLines(); }, {"Auto lines"}},
        HistoryCase{"StepsInAStepAreOne",
                    {3, 3, 3, 6, 2},
                    [](TeamSession& s) {
                        const TeamSession::Step both(s, "");
                        s.MovePlayer(0, M::Scratch);
                        s.MovePlayer(1, M::Scratch);
                    },
                    {"Scratch P0"}}),
    [](const auto& info) { return std::string(info.param.Name); });

class EditHistorySaves : public RosterWindowTest {};

TEST_F(EditHistorySaves, AnEditAfterUndoDropsRedoAndASaveStartsANewHistory) {
    Install(RosterWith({4, 4, 4, 6, 2}));
    TeamSession session(vars);
    ASSERT_TRUE(session.OpenRoster("Set Game Roster"));
    session.StartEditing();
    session.MovePlayer(0, M::Scratch);
    session.Undo();
    session.MovePlayer(1, M::Scratch);
    EXPECT_FALSE(session.CanRedo());
    EXPECT_EQ(session.UndoName(), "Scratch P1");

    // Add Player saves the slot but not the working places: nothing to undo, still changed.
    ASSERT_TRUE(session.AddToRoster(std::nullopt));
    EXPECT_FALSE(session.CanUndo());
    EXPECT_TRUE(session.Modified());
    session.MovePlayer(1, M::Dress);
    session.Undo();
    EXPECT_TRUE(session.Modified()) << "the scratch before the save is still unkept";

    session.MovePlayer(1, M::Dress);
    ASSERT_TRUE(session.KeepRoster());
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Modified());
}

struct ReadinessCase {
    const char* Name;
    std::function<void(RosterSlot&, LineUp&)> Change;
    std::vector<std::string> Codes;
    const char* Password = nullptr;       // to be saved with; the saved file's (if any) when null
    std::vector<std::string> Texts = {};  // the first problems' texts, when given
    std::function<void(TeamSession&)> Then = {};  // done in the lines window before the check
};

class ReadinessTest : public RosterWindowTest, public testing::WithParamInterface<ReadinessCase> {};

TEST_P(ReadinessTest, OneAnswerForTheLinesWindowAndTheBriefing) {
    const ReadinessCase& c = GetParam();
    RosterSlot roster = ReadyRoster();
    roster[22].Status = 105;  // an injured player is no longer dressed
    LineUp lineUp = CompleteLineUp();
    c.Change(roster, lineUp);
    Install(roster, lineUp);
    TeamSession session(vars);
    ASSERT_TRUE(session.OpenLines("Set Lines"));
    if (c.Then) c.Then(session);
    std::vector<std::string> codes, texts;
    const auto problems = c.Password
                              ? LinesReadiness(session, FixedText<10>::FromString(c.Password))
                              : LinesReadiness(session);
    for (const LinesProblem& problem : problems) {
        codes.push_back(problem.Code);
        if (texts.size() < c.Texts.size()) texts.push_back(problem.Text);
    }
    EXPECT_EQ(codes, c.Codes);
    EXPECT_EQ(texts, c.Texts);
    if (codes.empty()) {
        EXPECT_EQ(ReadinessLine(problems), "Ready for the league");
    } else {
        EXPECT_NE(ReadinessLine(problems).find(problems.front().Text), std::string::npos);
    }
    if (!c.Password) {
        // The briefing reads the same team from the working copies and the team record.
        std::vector<std::string> briefed;
        for (const LinesProblem& problem : ReadinessProblems(vars, kRosterTeam))
            briefed.push_back(problem.Code);
        EXPECT_EQ(briefed, c.Codes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ReadinessTest,
    testing::Values(
        ReadinessCase{"Ready", [](RosterSlot&, LineUp&) {}, {}},
        ReadinessCase{"EmptyEntry",
                      [](RosterSlot&, LineUp& l) { l[LineIndex(3, 2)] = kNoPlayer; },
                      {"incomplete"},
                      nullptr,
                      {"Line 4 RW is empty"}},
        ReadinessCase{"EachEmptyEntry",
                      [](RosterSlot&, LineUp& l) {
                          l[LineIndex(3, 2)] = kNoPlayer;
                          l[LineIndex(12, 0)] = kNoPlayer;
                      },
                      {"incomplete", "incomplete"},
                      nullptr,
                      {"Line 4 RW is empty", "Goalie is empty"}},
        ReadinessCase{"EntryOfNoPlayer",
                      [](RosterSlot&, LineUp& l) { l[LineIndex(0, 0)] = 40; },
                      {"entry"},
                      nullptr,
                      {"Line 1 C names no player of the team"}},
        ReadinessCase{
            "TwentyOneDressed", [](RosterSlot& r, LineUp&) { r[20].Status = 200; }, {"dressed"}},
        ReadinessCase{"ScratchInTheLines",
                      [](RosterSlot& r, LineUp&) { r[5].Status = 100; },
                      {"dressed", "undressed in lines"},
                      nullptr,
                      {"19 dressed players can play; a game roster has 20",
                       "Extra Skater 1: Player 5 (5) is not dressed"}},
        ReadinessCase{"HurtAndDressed",
                      [](RosterSlot& r, LineUp&) { r[3].Status = 204; },
                      {"injured dressed", "dressed"},
                      nullptr,
                      {"Player 3 (3) is hurt (1M) and dressed",
                       "19 dressed players can play; a game roster has 20"}},
        ReadinessCase{"SuspendedAndDressed",
                      [](RosterSlot& r, LineUp&) { r[12].Suspension = 3; },
                      {"suspended dressed", "dressed", "dressed"},
                      nullptr,
                      {"Player 12 (12) is suspended (3 games) and dressed",
                       "The game roster needs 1 more D"}},
        ReadinessCase{"OtherPassword", [](RosterSlot&, LineUp&) {}, {"password"}, "nobody"},
        ReadinessCase{
            "SavedWithARefusedPassword",
            [](RosterSlot&, LineUp&) {},
            {"password"},
            nullptr,
            {"The password is not the lines password of Bears."},
            [](TeamSession& s) { ASSERT_TRUE(s.SaveLines(FixedText<10>::FromString("nobody"))); }},
        ReadinessCase{"SavedWithTheTeamsPassword",
                      [](RosterSlot&, LineUp&) {},
                      {},
                      nullptr,
                      {},
                      [](TeamSession& s) { ASSERT_TRUE(s.SaveLines(s.TeamRecord().Password)); }}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace korvel::test

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "league/GameRoster.h"
#include "league/RosterStatus.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"
#include "session/TeamSession.h"

namespace korvel {

// The game roster window: every player of the current team (roster slot 0) is dressed for the next
// game, a scratch, or in the farm club. Moves edit working places (PlayerFlags) of the team
// session; Exit writes them into the players' Status, sends waived players to the league's waiver
// list and saves the team. Every edit is a step of the session that Edit > Undo takes back.
class Roster : public Window {
    TeamSession& session_;  // first: PlayerFlags lives in it

  public:
    static constexpr const char* kCaption = KORVEL_TEXT("Roster", "Set Game Roster");
    static constexpr int kLists = 3;  // list1 index = place: 0 farm, 1 scratches, 2 game roster
    static constexpr int kMoveButtons = 4;
    static constexpr int kPlayersDressed = kGameRosterSize;

    Roster(TeamSession& session, Ui& ui);

    // State. PlayerFlags holds the working place of each player, encoded like Status.
    std::array<std::uint8_t, kRosterPlaces>& PlayerFlags = session_.PlayerFlags;
    std::array<std::array<std::uint8_t, kRosterPlaces>, kLists> ListMap{};  // [list][line]
    std::array<std::uint8_t, 5> PositionCount{};  // dressed players per position
    bool RosterComplete = false;
    // Unsaved changes exist: the session's one modified flag.
    bool RosterChanged() const { return session_.Modified(); }

    // Controls.
    Label Label1;
    Label Label5{KORVEL_TEXT("Roster", "Roster Complete"), false};
    Label Label2{KORVEL_TEXT("Roster", "Game Roster")};
    Label Label3{KORVEL_TEXT("Roster", "Scratches")};
    Label Label6{KORVEL_TEXT("Roster", "Farm Roster")};
    std::array<ListBox, kLists> list1{ListBox{{}, -1, true}, ListBox{{}, -1, true},
                                      ListBox{{}, -1, true}};
    std::array<Button, kMoveButtons> cmdMovePlayer{
        Button{KORVEL_TEXT("Roster", "Scratch")}, Button{KORVEL_TEXT("Roster", "Dress")},
        Button{KORVEL_TEXT("Roster", "To Farm")}, Button{KORVEL_TEXT("Roster", "To Pros")}};
    std::array<CheckBox, 5> Check1{CheckBox{"C", true}, CheckBox{"LW", true}, CheckBox{"RW", true},
                                   CheckBox{"D", true}, CheckBox{"G", true}};
    Label Label4{KORVEL_TEXT("Roster", "0 Total Players")};
    CheckBox chkProtect{KORVEL_TEXT("Roster", "Protect")};
    Button cmdAuto{KORVEL_TEXT("Roster", "Auto")};
    Button cmdAdd{KORVEL_TEXT("Roster", "Add Player")};
    Button cmdExit{KORVEL_TEXT("Roster", "Exit")};
    MenuItem mnuEdit{KORVEL_TEXT("Roster", "Edit")};
    MenuItem mnuUndo{KORVEL_TEXT("Roster", "Undo"), false};
    MenuItem mnuRedo{KORVEL_TEXT("Roster", "Redo"), false};
    // The dressed count per position against the game-roster rules (C, LW, RW, D, G, then all
    // dressed players, such as "D 5 / ≥6"), each marked met or not, and what the game roster
    // still lacks ("Missing: 1 D, 1 G too many"; empty when complete).
    static constexpr int kRules = 6;
    std::array<Label, kRules> lblRule;
    std::array<bool, kRules> RuleMet{};
    Label lblMissing;
    // Whether the team is ready for the next game with the places as they stand (RosterReadiness):
    // "Ready for the league", or the first problem and how many there are.
    Label lblReady;
    bool Ready = false;

    // Builds PlayerFlags from the Status bytes of roster slot `slot`. An injured player starts as
    // a scratch; an injured farm player's Status moves to the pro roster at once.
    void ResetFlags(int slot) { session_.ResetFlags(slot); }
    // Rebuilds the lists, ListMap, the dressed counts and the completeness test from slot 0.
    void listPlayers();
    // Writes the working places into slot `slot`, puts the players marked for waivers on the
    // league's waiver list and empties their places, then saves the slot as the current team's.
    // A failure throws with the slot, the team and the waiver list file as they were.
    void TransferBuffer(int slot) { session_.TransferRoster(slot); }
    // The waiver question asked before pro player `index` of roster slot `slot` goes down to the
    // farm club; see Waivers.h.
    bool CheckWaivers(int index, int slot);

    // Automatic roster: dresses 20 players by a fixed recipe.
    void AutoRoster(int slot);
    // The best farm player to call up for `position`; -1 when there is nobody at all.
    int PromoteMinor(int slot, int position) { return session_.PromoteMinor(slot, position); }

    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;
    void Check1_Click(int Index);
    void chkProtect_Click();
    void cmdMovePlayer_Click(int Index);
    void List1_DblClick(int Index);
    void cmdAuto_Click();
    void cmdAdd_Click();
    void cmdExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    // The selected players of list `from` were dropped on list `to`: the move buttons between
    // the two run as one step, one after the other when the lists are not neighbours.
    void List1_Drop(int from, int to);

    // What a front end may show beside a player's line besides his name.
    struct LineDetails {
        std::string Position;  // "?" for a code that is no position
        std::optional<int> Overall;
        int Offence = 0;
        int Defence = 0;
        std::string Absence;  // injury code and games suspended; empty when available
    };
    LineDetails Details(int index) const;

    int DressedCount() const { return dressed_; }
    // A player of roster slot 0, for front ends that show more of him than his line.
    const Player& RosterPlayer(int index) const {
        return vars_.Players[0].at(static_cast<std::size_t>(index));
    }

  private:
    void ShowDressingRules(const DressingCheck& check);
    void ShowHistory();
    // The name of a move of the selected lines of `list` as a step, such as "Dress 3 players".
    std::string MoveStepName(int Index, const ListBox& list) const;
    bool IsListed(const Player& player) const;
    std::string LineText(const Player& player, bool marked) const;

    Variables& vars_;
    Ui& ui_;
    int dressed_ = 0;
};

}  // namespace korvel

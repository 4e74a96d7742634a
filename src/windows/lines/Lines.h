#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/GameRoster.h"
#include "league/LineUsage.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"
#include "session/TeamSession.h"

namespace korvel {

// The lines window: the current team's line-up (even strength, power play, penalty kill, goalie
// and extra skaters), edited on the team session's working copy from the dressed players of
// roster slot 0. Every edit is a step of the session that Edit > Undo takes back.
class Lines : public Window {
    TeamSession& session_;  // first: the state below lives in it

  public:
    static constexpr const char* kCaption = KORVEL_TEXT("Lines", "Edit Lines");
    static constexpr int kSlotLabels = 23;
    static constexpr int kGoalieLabel = 20;

    Lines(TeamSession& session, Ui& ui);

    // State. LineBuffer has the layout of Team::LineSlots (row r, column c at LineIndex(r, c)).
    LineUp& LineBuffer = session_.LineBuffer;
    std::array<std::uint8_t, kRosterPlaces> ListMap{};
    // Unsaved changes exist: the session's one modified flag.
    bool Changed() const { return session_.Modified(); }
    std::array<bool, kRosterPlaces>& InUnit = session_.InUnit;
    std::array<bool, kRosterPlaces>& InGroup = session_.InGroup;

    // Controls.
    std::array<Label, kSlotLabels> lblPlayer;  // 5 * view row + column; 20 goalie; 21, 22 extras
    std::array<Label, 4> Label1;               // captions of the four view rows
    std::array<Label, 10> Label2;              // column letters
    Label Label3{KORVEL_TEXT("Lines", "Goalie")};
    Label Label4{KORVEL_TEXT("Lines", "Extra Skaters")};
    Label Label5;   // title of the view
    Label Label6;   // "Lines for " and the team name
    ListBox List2;  // candidates; ListMap gives their roster indexes
    std::array<CheckBox, 5> Check1{CheckBox{"C", true}, CheckBox{"LW", true}, CheckBox{"RW", true},
                                   CheckBox{"D", true}, CheckBox{"G", true}};
    OptionButton optEven{KORVEL_TEXT("Lines", "Even"), true};
    OptionButton optPP{KORVEL_TEXT("Lines", "PP")};
    OptionButton optPK{KORVEL_TEXT("Lines", "PK")};
    Button cmdAuto{KORVEL_TEXT("Lines", "Auto")};
    Button cmdLoadLines{KORVEL_TEXT("Lines", "Load Lines")};
    Button cmdSaveLines{KORVEL_TEXT("Lines", "Save Lines")};
    Button cmdExit{KORVEL_TEXT("Lines", "Exit")};
    MenuItem mnuEdit{KORVEL_TEXT("Lines", "Edit")};
    MenuItem mnuUndo{KORVEL_TEXT("Lines", "Undo"), false};
    MenuItem mnuRedo{KORVEL_TEXT("Lines", "Redo"), false};
    // Whether the team is ready for the next game (LinesReadiness): "Ready for the league", or
    // the first problem and how many there are.
    Label lblReady;
    bool Ready = false;
    // How often each candidate of List2 (same lines) stands in the rows the view shows, the
    // goalie and extra skaters included.
    std::vector<LineUse> ListUse;
    // Why a candidate of List2 (same lines), or the player of a slot label, may not play the
    // next game ("1W", "Susp 3"); empty when he may, or for an empty slot.
    std::vector<std::string> ListOut;
    std::array<std::string, kSlotLabels> SlotOut;

    void AddPlayers();
    void DisplayLines();
    // Stores LineBuffer into the current team's record and saves the team and roster slot `slot`.
    // On a failure the team record in memory is left as it was and the failure is passed on.
    void TransferBuffer(int slot) { session_.TransferLines(slot); }
    // True when a used entry of LineBuffer does not name a player of roster slot 0.
    bool LinesIncomplete() const { return session_.LinesIncomplete(); }

    // Lines files. SaveLines writes the working line-up and the roster
    // places and protection marks of slot 0 to the team's lines file in the start folder;
    // ImportLines reads a chosen lines file back into roster slot `slot` and the working line-up.
    // SaveLines returns true when the file was written.
    bool SaveLines();
    void ImportLines(int slot);
    // Where Save Lines writes: the start folder and the team's lines file name.
    std::filesystem::path LinesFilePath() const { return session_.LinesFilePath(); }

    // Automatic lines.
    std::uint8_t BestPlayer(int slot, int WantedPosition, Rating RatingKind) {
        return session_.BestPlayer(slot, WantedPosition, RatingKind);
    }
    void AutoLines(int slot) { session_.AutoLines(slot); }

    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;
    void optEven_Click();
    void optPP_Click();
    void optPK_Click();
    void Check1_Click(int Index);
    void lblPlayer_Click(int Index);
    void Label6_Click();
    void cmdAuto_Click();
    void cmdLoadLines_Click();
    void cmdSaveLines_Click();
    void cmdExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    // Empties slot `Index` (a visible label); the line-up is then incomplete until it is filled.
    void ClearSlot(int Index);
    // Exchanges the players of two visible slots when each slot takes the other's player.
    // False, with nothing changed, when either does not.
    bool SwapSlots(int From, int To);

    // The line-up row shown in view row 0: 0 even strength, 4 power play, 8 penalty kill.
    int FirstViewRow() const;
    // The place slot label `Index` shows in the current view, for people: "Line 2 LW",
    // "PP Line 1 (5 on 4) C", "Goalie", "Extra Skater 1"; empty for an unknown label.
    std::string SlotPlaceName(int Index) const;
    // True when slot label `Index` would take the candidate on row `listRow` of List2 (a goalie
    // only the goalie slot, a skater any other, once per line).
    bool SlotTakes(int Index, int listRow) const;
    // A player of roster slot 0, for front ends that show more of him than his name.
    const Player& RosterPlayer(int index) const {
        return vars_.Players[0].at(static_cast<std::size_t>(index));
    }

  private:
    // The line-up row and column label `Index` shows; false for a hidden or unknown label.
    bool EntryOfLabel(int Index, int& row, int& column) const;
    void ShowUse();
    // The marks that follow every edit: the readiness line and the Undo and Redo items.
    void ShowEditState();
    enum class View { Even, PowerPlay, PenaltyKill };
    // The line-up row and column that slot label `Index` shows in the current view.
    int SlotRow(int Index) const;
    int SlotColumn(int Index) const;
    void ShowView(View view);
    std::string EntryCaption(std::uint8_t entry) const;

    Variables& vars_;
    Ui& ui_;
};

}  // namespace korvel

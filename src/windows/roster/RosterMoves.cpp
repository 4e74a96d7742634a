// The manager's moves in the game roster window: the four move buttons, the double click,
// Add Player and Exit.

#include <optional>

#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/AddPlayer.h"
#include "windows/roster/ProtectionQuota.h"
#include "windows/roster/Roster.h"

namespace korvel {

namespace {

constexpr const char* kEditRosterTitle = "Edit Roster";

struct MoveButton {
    int ListRead;
    int Step;                   // added to the working place: +100 up, -100 down
    const char* RefusalEnding;  // nullptr: every player may move
};

// Index = cmdMovePlayer index: Scratch, Dress, To Farm, To Pros.
constexpr std::array<MoveButton, Roster::kMoveButtons> kMoves{{
    {Dressed, -100, nullptr},
    {Scratch, +100, " is unavailable"},
    {Scratch, -100, " cannot be sent to farm"},
    {Farm, +100, nullptr},
}};

// Availability is judged on the stored record, not on the working place.
bool IsAvailable(const Player& player) {
    return player.Suspension == 0 && IsHealthy(player.Status);
}

}  // namespace

void Roster::cmdMovePlayer_Click(int Index) {
    if (Index < 0 || Index >= kMoveButtons) return;
    const MoveButton& button = kMoves[static_cast<std::size_t>(Index)];
    const ListBox& list = list1[button.ListRead];
    for (int line = 0; line < list.ListCount(); ++line) {
        if (!list.Items[line].Selected) continue;
        const std::uint8_t p = ListMap[button.ListRead][line];
        const Player& player = vars_.Players[0][p];
        if (button.RefusalEnding && !IsAvailable(player)) {
            ui_.MsgBox(player.Name.Utf8() + button.RefusalEnding, Buttons::OK, Icon::None, "");
            continue;
        }
        PlayerFlags[p] = static_cast<std::uint8_t>(PlayerFlags[p] + button.Step);
    }
    RosterChanged = true;
    listPlayers();
}

void Roster::List1_DblClick(int Index) {
    if (Index < 0 || Index >= kLists || !list1[Index].HasSelection()) return;
    ListBox& list = list1[Index];
    const int line = list.ListIndex;
    const std::uint8_t p = ListMap[Index][line];
    vars_.CurrentPlayerIndex = p;
    if (!chkProtect.Value) {
        ShowPlayerCard(vars_, ui_, p);
        return;
    }
    Player& player = vars_.Players[0][p];
    if (player.Protected != 0) {
        player.Protected = kFalse;
    } else {
        if (!MayProtect(vars_.Players[0], player.Position)) return;
        player.Protected = kTrue;
    }
    RosterChanged = true;
    list.Items[line].Text = LineText(player, player.Protected != 0);
}

void Roster::cmdAdd_Click() {
    AddPlayer form(vars_, ui_);
    form.Label1.Caption = "Add player to " + vars_.CurrentTeamRecord().Name.Utf8();
    vars_.CurrentPlayerIndex = 99;
    ui_.ShowModal(form);
    if (form.NewPlayer) {
        const int place = FirstEmptyPlace(vars_.Players[0]);
        if (place >= 0) {
            vars_.Players[0][place] = *form.NewPlayer;
            PlayerFlags[place] = vars_.Players[0][place].Status;
        }
    }
    RunGuarded(ui_, kEditRosterTitle, [&] { SaveTeam(vars_, vars_.CurrentTeam, 0); });
    listPlayers();
    RosterChanged = true;
}

void Roster::TakeUndressedOutOfLineUp() {
    Team& team = vars_.CurrentTeamRecord();
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (PlaceOf(vars_.Players[0][i].Status) == Dressed) continue;
        for (int row = 0; row < kLineRows; ++row) {
            // The last row holds the goalie and two extra skaters; its spare entries stay.
            const int columns = row < kLineRows - 1 ? kLineColumns : 3;
            for (int c = 0; c < columns; ++c) {
                std::uint8_t& entry = team.LineSlots[LineIndex(row, c)];
                if (entry != i) continue;
                entry = kNoPlayer;
                team.LinesSet = kFalse;
            }
        }
    }
}

void Roster::cmdExit_Click() {
    if (RosterChanged) {
        const Answer keep =
            ui_.MsgBox("Keep Roster Changes?", Buttons::YesNoCancel, Icon::None, "Keep Changes");
        if (keep == Answer::Cancel) return;
        if (keep == Answer::Yes) {
            if (!RosterComplete) {
                ui_.MsgBox("Roster not complete", Buttons::OK, Icon::Critical, kEditRosterTitle);
                return;
            }
            if (!RunGuarded(ui_, kEditRosterTitle, [&] { TransferBuffer(0); })) return;
            TakeUndressedOutOfLineUp();
        }
    }
    RosterChanged = false;
    Unload();
}

}  // namespace korvel

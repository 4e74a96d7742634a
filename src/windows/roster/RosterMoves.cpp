// The manager's moves in the game roster window: the four move buttons, the double click,
// Add Player and Exit.

#include <optional>

#include "league/RosterStatus.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/AddPlayer.h"
#include "windows/roster/Roster.h"

namespace korvel {

namespace {

// The list each cmdMovePlayer button moves the selected players of: Scratch, Dress, To Farm,
// To Pros.
constexpr std::array<int, Roster::kMoveButtons> kListRead{Dressed, Scratch, Scratch, Farm};

}  // namespace

void Roster::cmdMovePlayer_Click(int Index) {
    if (Index < 0 || Index >= kMoveButtons) return;
    const int read = kListRead[static_cast<std::size_t>(Index)];
    const ListBox& list = list1[read];
    for (int line = 0; line < list.ListCount(); ++line) {
        if (!list.Items[line].Selected) continue;
        ShowOutcome(
            ui_, session_.MovePlayer(ListMap[read][line], static_cast<TeamSession::Move>(Index)));
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
    if (!session_.ToggleProtection(p)) return;
    const Player& player = vars_.Players[0][p];
    RosterChanged = true;
    list.Items[line].Text = LineText(player, player.Protected != 0);
}

void Roster::cmdAdd_Click() {
    AddPlayer form(vars_, ui_);
    form.Label1.Caption = "Add player to " + vars_.CurrentTeamRecord().Name.Utf8();
    vars_.CurrentPlayerIndex = 99;
    ui_.ShowModal(form);
    ShowOutcome(ui_, session_.AddToRoster(form.NewPlayer));
    listPlayers();
    RosterChanged = true;
}

void Roster::cmdExit_Click() {
    if (RosterChanged) {
        const Answer keep =
            ui_.MsgBox("Keep Roster Changes?", Buttons::YesNoCancel, Icon::None, "Keep Changes");
        if (keep == Answer::Cancel) return;
        if (keep == Answer::Yes) {
            const Outcome kept = session_.KeepRoster();
            ShowOutcome(ui_, kept);
            if (!kept) return;
        }
    }
    RosterChanged = false;
    Unload();
}

}  // namespace korvel

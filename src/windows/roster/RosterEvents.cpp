// The manager's moves in the game roster window: the four move buttons, a drop, the double click,
// Add Player and Exit.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/AddPlayer.h"
#include "windows/roster/Roster.h"

namespace korvel {

namespace {

// The list each cmdMovePlayer button moves the selected players of: Scratch, Dress, To Farm,
// To Pros.
constexpr std::array<int, Roster::kMoveButtons> kListRead{Dressed, Scratch, Scratch, Farm};
enum MoveButton { kScratch, kDress, kToFarm, kToPros };

// The move buttons that take players from one list to another, in the order they run.
std::vector<int> MovesBetween(int from, int to) {
    if (from == Dressed && to == Scratch) return {kScratch};
    if (from == Scratch && to == Dressed) return {kDress};
    if (from == Scratch && to == Farm) return {kToFarm};
    if (from == Farm && to == Scratch) return {kToPros};
    if (from == Dressed && to == Farm) return {kScratch, kToFarm};
    if (from == Farm && to == Dressed) return {kToPros, kDress};
    return {};
}

}  // namespace

std::string Roster::MoveStepName(int Index, const ListBox& list) const {
    int selected = 0;
    int who = -1;
    for (const ListItem& line : list.Items) {
        if (!line.Selected) continue;
        ++selected;
        who = line.ItemData;
    }
    const auto move = static_cast<TeamSession::Move>(Index);
    if (selected == 1) return TeamSession::MoveName(move, session_.PlayerNameText(who));
    return TeamSession::MoveName(
        move, KORVEL_PLURAL("Roster", "%n players").Counting(selected).English());
}

void Roster::cmdMovePlayer_Click(int Index) {
    if (Index < 0 || Index >= kMoveButtons) return;
    const int read = kListRead[static_cast<std::size_t>(Index)];
    const ListBox& list = list1[read];
    {
        const TeamSession::Step step(session_, MoveStepName(Index, list));
        for (int line = 0; line < list.ListCount(); ++line) {
            if (!list.Items[line].Selected) continue;
            ShowOutcome(ui_, session_.MovePlayer(ListMap[read][line],
                                                 static_cast<TeamSession::Move>(Index)));
        }
    }
    session_.MarkModified();
    listPlayers();
}

void Roster::List1_Drop(int from, int to) {
    const std::vector<int> moves = MovesBetween(from, to);
    if (moves.empty() || from < 0 || from >= kLists) return;
    std::vector<int> players;
    for (const ListItem& line : list1[from].Items) {
        if (line.Selected) players.push_back(line.ItemData);
    }
    const std::string who = players.size() == 1 ? session_.PlayerNameText(players.front())
                                                : KORVEL_PLURAL("Roster", "%n players")
                                                      .Counting(static_cast<int>(players.size()))
                                                      .English();
    const std::array<const char*, kLists> kListNames{KORVEL_TEXT("Roster", "Farm Roster"),
                                                     KORVEL_TEXT("Roster", "Scratches"),
                                                     KORVEL_TEXT("Roster", "Game Roster")};
    {
        const TeamSession::Step step(
            session_,
            KORVEL_PHRASE("Roster", "Move %1 to %2").With({who, kListNames[to]}).English());
        for (std::size_t n = 0; n < moves.size(); ++n) {
            if (n > 0) {
                // The players who reached the middle list go on from there.
                for (ListBox& list : list1) {
                    for (ListItem& line : list.Items) {
                        line.Selected = &list == &list1[Scratch] &&
                                        std::find(players.begin(), players.end(),
                                                  line.ItemData) != players.end();
                    }
                }
            }
            cmdMovePlayer_Click(moves[n]);
        }
    }
    // The moves showed the Edit menu while the drop's step was still open: it is closed now.
    ShowHistory();
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
    session_.MarkModified();
    list.Items[line].Text = LineText(player, player.Protected != 0);
    ShowHistory();
}

void Roster::cmdAdd_Click() {
    AddPlayer form(vars_, ui_);
    form.Label1.Caption = KORVEL_PHRASE("Roster", "Add player to %1")
                              .With({vars_.CurrentTeamRecord().Name.Utf8()})
                              .English();
    vars_.CurrentPlayerIndex = 99;
    ui_.ShowModal(form);
    ShowOutcome(ui_, session_.AddToRoster(form.NewPlayer));
    session_.MarkModified();
    listPlayers();
}

void Roster::cmdExit_Click() {
    if (RosterChanged()) {
        const Answer keep = ui_.MsgBox(kKeepRosterChanges.Text, Buttons::YesNoCancel, Icon::None,
                                       kKeepRosterChanges.Title);
        if (keep == Answer::Cancel) return;
        if (keep == Answer::Yes) {
            const Outcome kept = session_.KeepRoster();
            ShowOutcome(ui_, kept);
            if (!kept) return;
        }
    }
    session_.EndEditing();
    Unload();
}

}  // namespace korvel

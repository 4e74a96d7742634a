#include "windows/roster/Roster.h"

#include <optional>

#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/SharedFileChange.h"
#include "ratings/Ratings.h"
#include "windows/roster/WaiverList.h"
#include "windows/roster/Waivers.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

constexpr const char* kEditRosterTitle = "Edit Roster";
constexpr std::uint8_t kWaived = 1;

bool IsPosition(std::uint8_t position) {
    return position <= Goalie;
}

}  // namespace

Roster::Roster(Variables& vars, Ui& ui) : Window(kCaption), vars_(vars), ui_(ui) {}

void Roster::Form_Load() {
    ResetFlags(0);
    Label1.Caption = "Roster of the " + vars_.CurrentTeamRecord().Name.Utf8();
    listPlayers();
    RosterChanged = false;
}

void Roster::Form_Unload(bool& Cancel) {
    (void)Cancel;
    if (RosterChanged) {
        ui_.MsgBox("Changes were not saved", Buttons::OK, Icon::Critical, kEditRosterTitle);
    }
}

void Roster::ResetFlags(int slot) {
    RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    for (int i = 0; i < kRosterPlaces; ++i) {
        Player& player = players[i];
        const int injury = InjuryOf(player.Status);
        if (injury > 0) {
            PlayerFlags[i] = MakeStatus(Scratch, injury);
            if (!IsPro(player.Status)) player.Status = PlayerFlags[i];
        } else {
            PlayerFlags[i] = player.Status;
        }
    }
}

bool Roster::IsListed(const Player& player) const {
    return player.WaiverMark == 0 && !player.IsEmptyPlace();
}

std::string Roster::LineText(const Player& player, bool marked) const {
    std::string text = marked ? "*" : "";
    text += player.Name.Utf8();
    return text;
}

void Roster::listPlayers() {
    for (auto& list : list1) list.Clear();
    for (auto& map : ListMap) map.fill(0);
    PositionCount.fill(0);
    dressed_ = 0;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = vars_.Players[0][i];
        if (!IsListed(player)) continue;
        const int place = PlaceOf(PlayerFlags[i]);
        // A position code without a filter box is never hidden, and counts in no position.
        const bool known = IsPosition(player.Position);
        if (!known || Check1[player.Position].Value) {
            const bool marked = chkProtect.Value && (player.Protected != 0 || player.Rookie != 0);
            ListBox& list = list1[place];
            list.AddItem(LineText(player, marked), i);
            ListMap[place][list.NewIndex()] = static_cast<std::uint8_t>(i);
        }
        if (place == Dressed) {
            ++dressed_;
            if (known) ++PositionCount[player.Position];
        }
    }
    RosterComplete = dressed_ == kPlayersDressed && PositionCount[Centre] >= 3 &&
                     PositionCount[LeftWing] >= 3 && PositionCount[RightWing] >= 3 &&
                     PositionCount[Defenceman] >= 6 && PositionCount[Goalie] == 2;
    Label4.Caption = std::to_string(dressed_) + " Total Players";
    Label5.Visible = RosterComplete;
}

void Roster::Check1_Click(int Index) {
    (void)Index;
    listPlayers();
}

void Roster::chkProtect_Click() {
    listPlayers();
}

void Roster::TransferBuffer(int slot) {
    RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    std::vector<Player> waived;
    for (const Player& player : players) {
        if (player.WaiverMark == kWaived) waived.push_back(player);
    }

    // The waiver list is the league's own file, shared with everyone who uses the league, while
    // the working copies are rebuilt from the league's files at every load. So the new list is
    // written out first (under its lock), then the working copies are replaced, and only then
    // the list. A failure before the last step leaves the list as it was; a kill just before it
    // leaves working copies without the waived player, which the next load repairs, but never a
    // waiver entry for a player who is still on the roster.
    std::optional<SharedFileChange> waivers;
    if (!waived.empty()) {
        waivers.emplace(vars_.WaiverFile,
                        [&](const fs::path& file) { return StageWaiverList(file, waived); });
    }

    const RosterSlot before = players;
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (players[i].WaiverMark == kWaived) {
            players[i] = Player{};
        } else {
            players[i].Status = PlayerFlags[i];
        }
    }
    try {
        SaveTeam(vars_, vars_.CurrentTeam, slot);
    } catch (...) {
        players = before;
        throw;
    }
    if (!waivers) return;
    try {
        waivers->Commit();
    } catch (...) {
        players = before;
        try {
            SaveTeam(vars_, vars_.CurrentTeam, slot);
        } catch (const std::exception&) {
            // The failure that brought us here is the one to report; the next load repairs them.
        }
        throw;
    }
}

Roster::LineDetails Roster::Details(int index) const {
    const Player& player = RosterPlayer(index);
    LineDetails details{PositionName(vars_, player.Position),
                        OverallOf(player),
                        OffenseRatingOf(player),
                        DefenseRatingOf(player),
                        {}};
    const int injury = InjuryOf(player.Status);
    // An injury code beyond the table is shown by its number.
    if (injury > 0) {
        const bool known = injury < static_cast<int>(vars_.InjuryCode.size()) &&
                           !vars_.InjuryCode[static_cast<std::size_t>(injury)].empty();
        details.Absence = known ? vars_.InjuryCode[static_cast<std::size_t>(injury)]
                                : "Injury " + std::to_string(injury);
    }
    if (player.Suspension > 0) {
        if (!details.Absence.empty()) details.Absence += ", ";
        details.Absence += "Susp " + std::to_string(player.Suspension);
    }
    return details;
}

bool Roster::CheckWaivers(int index, int slot) {
    return korvel::CheckWaivers(vars_, ui_, index, slot);
}

}  // namespace korvel

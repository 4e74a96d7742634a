#include "league/RosterSlots.h"

#include <stdexcept>

#include "platform/Files.h"

namespace korvel {
namespace {

void CheckTeamAndSlot(int team, int slot) {
    if (team < 0 || team >= kMaxTeams || slot < 0 || slot > 1) {
        throw std::out_of_range("team " + std::to_string(team) + " or roster slot " +
                                std::to_string(slot) + " out of range");
    }
}

}  // namespace

void LoadTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    const RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
    for (int index = 0; index < kRosterPlaces; ++index) {
        Player player = DecodeRecord<Player>(roster.Read(PlayerRecordNumber(team, index)));
        vars.Players[slot][index] = player.IsEmptyPlace() ? Player{} : player;
    }
}

void SaveTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
    RecordFile teams(vars.SwapTeamFile, RecordLayout<Team>::Size);
    for (int index = 0; index < kRosterPlaces; ++index) {
        roster.Write(PlayerRecordNumber(team, index),
                     EncodeRecord(vars.Players[slot][index]).data());
    }
    teams.Write(TeamRecordNumber(team), EncodeRecord(vars.Teams[team]).data());
    roster.Save();
    teams.Save();
}

}  // namespace korvel

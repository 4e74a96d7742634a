#include "league/RosterSlots.h"

#include <span>
#include <stdexcept>
#include <vector>

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

RosterSlot ReadTeamPlayers(const std::filesystem::path& rosterFile, int team) {
    CheckTeamAndSlot(team, 0);
    constexpr std::size_t playerLength = RecordLayout<Player>::Size;
    const Bytes records =
        ReadRecords(rosterFile, playerLength, PlayerRecordNumber(team, 0), kRosterPlaces);
    RosterSlot players{};
    for (int index = 0; index < kRosterPlaces; ++index) {
        const auto bytes = std::span(records).subspan(
            static_cast<std::size_t>(index) * playerLength, playerLength);
        Player player = DecodeRecord<Player>(bytes);
        players[index] = player.IsEmptyPlace() ? Player{} : player;
    }
    return players;
}

void LoadTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    vars.Players[slot] = ReadTeamPlayers(vars.SwapRosterFile, team);
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
    // Each working copy is replaced whole (a new file renamed over the old), never patched in
    // place, so a save cut short leaves every record of the old file. Both are written out
    // before either is replaced.
    std::vector<StagedFile> staged;
    staged.push_back(roster.Stage(Flush::Never));
    staged.push_back(teams.Stage(Flush::Never));
    CommitAll(staged);
}

}  // namespace korvel

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

// The 50 places held by `records`, a team's player records one after another.
RosterSlot DecodePlayers(const Bytes& records) {
    constexpr std::size_t playerLength = RecordLayout<Player>::Size;
    RosterSlot players{};
    for (int index = 0; index < kRosterPlaces; ++index) {
        const auto bytes = std::span(records).subspan(
            static_cast<std::size_t>(index) * playerLength, playerLength);
        Player player = DecodeRecord<Player>(bytes);
        players[index] = player.IsEmptyPlace() ? Player{} : player;
    }
    return players;
}

// Writes slot `slot` as `team`'s players and Teams[team] into the two record files.
void WriteTeam(const Variables& vars, int team, int slot, RecordFile& roster, RecordFile& teams) {
    for (int index = 0; index < kRosterPlaces; ++index) {
        roster.Write(PlayerRecordNumber(team, index),
                     EncodeRecord(vars.Players[slot][index]).data());
    }
    teams.Write(TeamRecordNumber(team), EncodeRecord(vars.Teams[team]).data());
}

}  // namespace

RosterSlot ReadTeamPlayers(const std::filesystem::path& rosterFile, int team) {
    CheckTeamAndSlot(team, 0);
    return DecodePlayers(ReadRecords(rosterFile, RecordLayout<Player>::Size,
                                     PlayerRecordNumber(team, 0), kRosterPlaces));
}

void LoadTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    vars.Players[slot] = vars.HeldCopies ? vars.HeldCopies->Players(team)
                                         : ReadTeamPlayers(vars.SwapRosterFile, team);
}

void SaveTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    if (vars.HeldCopies) return vars.HeldCopies->Save(vars, team, slot);
    RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
    RecordFile teams(vars.SwapTeamFile, RecordLayout<Team>::Size);
    WriteTeam(vars, team, slot, roster, teams);
    // Each working copy is replaced whole (a new file renamed over the old), never patched in
    // place, so a save cut short leaves every record of the old file. Both are written out
    // before either is replaced.
    std::vector<StagedFile> staged;
    staged.push_back(roster.Stage(Flush::Never));
    staged.push_back(teams.Stage(Flush::Never));
    CommitAll(staged);
}

WorkingCopies::WorkingCopies(Variables& vars)
    : vars_(vars),
      roster_(vars.SwapRosterFile, RecordLayout<Player>::Size),
      teams_(vars.SwapTeamFile, RecordLayout<Team>::Size) {
    vars_.HeldCopies = this;
}

WorkingCopies::~WorkingCopies() {
    if (vars_.HeldCopies == this) vars_.HeldCopies = nullptr;
}

RosterSlot WorkingCopies::Players(int team) const {
    CheckTeamAndSlot(team, 0);
    Bytes records;
    records.reserve(kRosterPlaces * RecordLayout<Player>::Size);
    for (int index = 0; index < kRosterPlaces; ++index) {
        const Bytes record = roster_.Read(PlayerRecordNumber(team, index));
        records.insert(records.end(), record.begin(), record.end());
    }
    return DecodePlayers(records);
}

void WorkingCopies::Save(const Variables& vars, int team, int slot) {
    WriteTeam(vars, team, slot, roster_, teams_);
}

void WorkingCopies::Stage(std::vector<StagedFile>& set) const {
    set.push_back(roster_.Stage(Flush::Never));
    set.push_back(teams_.Stage(Flush::Never));
}

}  // namespace korvel

#include "league/RosterSlots.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <vector>

#include "league/LeagueFiles.h"
#include "platform/CommitJournal.h"
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

RosterSlot DecodeTeamPlayers(const Bytes& rosterFile, int team) {
    CheckTeamAndSlot(team, 0);
    constexpr std::size_t length = kRosterPlaces * RecordLayout<Player>::Size;
    const std::size_t start = (PlayerRecordNumber(team, 0) - 1) * RecordLayout<Player>::Size;
    Bytes records(length, 0);  // records past the end of the file read as zero bytes
    if (start < rosterFile.size()) {
        const std::size_t available = std::min(length, rosterFile.size() - start);
        std::copy_n(rosterFile.begin() + static_cast<std::ptrdiff_t>(start), available,
                    records.begin());
    }
    return DecodePlayers(records);
}

void LoadTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    vars.Players[slot] = vars.HeldCopies ? vars.HeldCopies->Players(team)
                                         : ReadTeamPlayers(vars.SwapRosterFile, team);
}

std::vector<StagedFile> StageTeam(Variables& vars, int team, int slot) {
    CheckTeamAndSlot(team, slot);
    if (vars.HeldCopies) {
        vars.HeldCopies->Save(vars, team, slot);
        return {};
    }
    RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
    RecordFile teams(vars.SwapTeamFile, RecordLayout<Team>::Size);
    WriteTeam(vars, team, slot, roster, teams);
    // Each working copy is replaced whole (a new file renamed over the old), never patched in
    // place, so a save cut short leaves every record of the old file.
    std::vector<StagedFile> staged;
    staged.push_back(roster.Stage(Flush::Never));
    staged.push_back(teams.Stage(Flush::Never));
    return staged;
}

void SaveTeam(Variables& vars, int team, int slot) {
    CommitTogether(StageTeam(vars, team, slot), CommitFolder(vars));
}

std::filesystem::path CommitFolder(const Variables& vars) {
    return vars.StartFolder.empty() ? vars.SwapRosterFile.parent_path() : vars.StartFolder;
}

void HeldCopy::Read() {
    if (!Unread) return;
    Records = RecordFile(Records.Path(), Records.RecordLength());
    Unread = false;
}

void HeldCopy::Stage(std::vector<StagedFile>& set) {
    if (OnDisk) return;
    if (!Staged) {
        set.push_back(Records.Stage(Flush::Never));
        return;
    }
    if (EditedSinceStaged) Staged->Restage(Records.Content());
    set.push_back(std::move(*Staged));
    Staged.reset();
}

WorkingCopies::WorkingCopies(Variables& vars)
    : vars_(vars),
      roster_{RecordFile(vars.SwapRosterFile, RecordLayout<Player>::Size)},
      teams_{RecordFile(vars.SwapTeamFile, RecordLayout<Team>::Size)} {
    vars_.HeldCopies = this;
}

WorkingCopies::WorkingCopies(Variables& vars, AwaitingLeague)
    : vars_(vars),
      roster_{RecordFile(vars.SwapRosterFile, RecordLayout<Player>::Size, Bytes())},
      teams_{RecordFile(vars.SwapTeamFile, RecordLayout<Team>::Size, Bytes())} {
    vars_.HeldCopies = this;
}

WorkingCopies::~WorkingCopies() {
    if (vars_.HeldCopies == this) vars_.HeldCopies = nullptr;
}

RosterSlot WorkingCopies::Players(int team) const {
    if (roster_.Unread) return ReadTeamPlayers(roster_.Records.Path(), team);
    CheckTeamAndSlot(team, 0);
    Bytes records;
    records.reserve(kRosterPlaces * RecordLayout<Player>::Size);
    for (int index = 0; index < kRosterPlaces; ++index) {
        const Bytes record = roster_.Records.Read(PlayerRecordNumber(team, index));
        records.insert(records.end(), record.begin(), record.end());
    }
    return DecodePlayers(records);
}

void WorkingCopies::Save(const Variables& vars, int team, int slot) {
    roster_.Read();
    teams_.Read();
    WriteTeam(vars, team, slot, roster_.Records, teams_.Records);
    roster_.Edited();
    teams_.Edited();
}

LeagueCopies WorkingCopies::StageLeague(const Variables& vars, const Bytes& teamFile,
                                        const std::filesystem::path& rosterFile) {
    // A start folder used before usually holds these very bytes already.
    const auto held = [](const std::filesystem::path& path, std::size_t recordLength,
                         Bytes content) {
        HeldCopy copy{RecordFile(path, recordLength, std::move(content))};
        if (!FileHolds(path, copy.Records.Content())) {
            copy.Staged = std::make_unique<StagedFile>(path, copy.Records.Content(), Flush::Never);
            copy.OnDisk = false;
        }
        return copy;
    };
    HeldCopy teams = held(vars.SwapTeamFile, RecordLayout<Team>::Size, teamFile);
    if (IsCopyOf(vars.SwapRosterFile, rosterFile, kRosterFileLimit)) {
        HeldCopy roster{RecordFile(vars.SwapRosterFile, RecordLayout<Player>::Size, Bytes())};
        roster.Unread = true;
        return {std::move(teams), std::move(roster)};
    }
    return {std::move(teams), held(vars.SwapRosterFile, RecordLayout<Player>::Size,
                                   ReadWholeFile(rosterFile, kRosterFileLimit))};
}

void WorkingCopies::Adopt(LeagueCopies league) {
    teams_ = std::move(league.Teams);
    roster_ = std::move(league.Roster);
    others_ = std::move(league.Others);
}

void WorkingCopies::Stage(std::vector<StagedFile>& set) {
    roster_.Stage(set);
    teams_.Stage(set);
    for (StagedFile& file : others_) set.push_back(std::move(file));
    others_.clear();
}

void WorkingCopies::Written() {
    for (HeldCopy* copy : {&roster_, &teams_}) {
        copy->OnDisk = true;
        copy->EditedSinceStaged = false;
    }
}

}  // namespace korvel

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "league/Records.h"

namespace korvel {

using RosterSlot = std::array<Player, kRosterPlaces>;
class WorkingCopies;

// The state every window shares. The application makes one and hands it to each window by
// reference; tests make their own.
struct Variables {
    korvel::League League;
    std::array<Team, kMaxTeams> Teams{};
    std::array<RosterSlot, 2> Players{};  // Players[slot][index]
    std::uint8_t CurrentTeam = 0;
    std::uint8_t CurrentPlayerIndex = 0;
    Player CardPlayer;

    std::filesystem::path StartFolder;
    std::filesystem::path LeaguePath;  // base path of the loaded league, without extension
    std::filesystem::path SwapTeamFile;
    std::filesystem::path SwapRosterFile;
    std::filesystem::path SwapLeagueFile;
    std::filesystem::path WaiverFile;
    // While set, teams are loaded from and saved to these working copies in memory, written to
    // disk once at their Commit.
    WorkingCopies* HeldCopies = nullptr;

    std::array<std::string, 5> PositionAbbrev;
    std::array<std::string, 8> InjuryCode;

    Team& CurrentTeamRecord() { return Teams[CurrentTeam]; }
    const Team& CurrentTeamRecord() const { return Teams[CurrentTeam]; }
    bool LeagueLoaded() const { return !LeaguePath.empty(); }
};

// The position abbreviation of a code, or "?" for a code outside 0 to 4.
std::string PositionName(const Variables& vars, std::uint8_t position);

}  // namespace korvel

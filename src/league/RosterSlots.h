#pragma once

#include "league/Variables.h"

namespace korvel {

// The players of `team` in a roster file (a working copy or a league's .ros): 50 places, empty
// places as all-zero records. Throws FileError.
RosterSlot ReadTeamPlayers(const std::filesystem::path& rosterFile, int team);

// Reads the 50 player records of `team` from the working roster file into roster slot `slot`.
// Empty places (name starting with code 0) become all-zero records. Teams is not touched.
void LoadTeam(Variables& vars, int team, int slot);

// Writes roster slot `slot` as the 50 player records of `team` into the working roster file and
// Teams[team] into the working team file.
void SaveTeam(Variables& vars, int team, int slot);

// Record numbers (from 1) in the roster and team files.
constexpr std::size_t PlayerRecordNumber(int team, int index) {
    return static_cast<std::size_t>(team) * kRosterPlaces + static_cast<std::size_t>(index) + 1;
}
constexpr std::size_t TeamRecordNumber(int team) {
    return static_cast<std::size_t>(team) + 1;
}

}  // namespace korvel

#pragma once

#include <vector>

#include "league/Variables.h"
#include "platform/Files.h"

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

// The working roster and team files held in memory while many teams are saved one after
// another, so that each file is written once for all of them. LoadTeam and SaveTeam use them
// while they are vars.HeldCopies; Stage then adds both files to a set for CommitAll, which
// replaces them together: a failure leaves both as they were.
class WorkingCopies {
  public:
    // Reads both working copies and holds them for `vars` until destroyed. Throws FileError.
    explicit WorkingCopies(Variables& vars);
    ~WorkingCopies();
    WorkingCopies(const WorkingCopies&) = delete;
    WorkingCopies& operator=(const WorkingCopies&) = delete;

    RosterSlot Players(int team) const;
    void Save(const Variables& vars, int team, int slot);
    void Stage(std::vector<StagedFile>& set) const;

  private:
    Variables& vars_;
    RecordFile roster_;
    RecordFile teams_;
};

// Record numbers (from 1) in the roster and team files.
constexpr std::size_t PlayerRecordNumber(int team, int index) {
    return static_cast<std::size_t>(team) * kRosterPlaces + static_cast<std::size_t>(index) + 1;
}
constexpr std::size_t TeamRecordNumber(int team) {
    return static_cast<std::size_t>(team) + 1;
}

}  // namespace korvel

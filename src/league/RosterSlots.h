#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "league/Variables.h"
#include "platform/Files.h"

namespace korvel {

// The players of `team` in a roster file (a working copy or a league's .ros): 50 places, empty
// places as all-zero records. Throws FileError.
RosterSlot ReadTeamPlayers(const std::filesystem::path& rosterFile, int team);
// The same from the bytes of a whole roster file, read once for many teams.
RosterSlot DecodeTeamPlayers(const Bytes& rosterFile, int team);

// Reads the 50 player records of `team` from the working roster file into roster slot `slot`.
// Empty places (name starting with code 0) become all-zero records. Teams is not touched.
void LoadTeam(Variables& vars, int team, int slot);

// Writes roster slot `slot` as the 50 player records of `team` into the working roster file and
// Teams[team] into the working team file, both replaced together (CommitTogether).
void SaveTeam(Variables& vars, int team, int slot);
// The same, staged for a commit that will take them with other files. With working copies held
// in memory they take the team and nothing is staged.
std::vector<StagedFile> StageTeam(Variables& vars, int team, int slot);
// The folder whose journal commits the working copies: the start folder.
std::filesystem::path CommitFolder(const Variables& vars);

// One working copy held in memory: its records, and whether the disk holds them. A copy staged
// by a load waits as a temporary file, so that a load that cannot write it fails at once. A copy
// the disk holds already is read only when a team is saved into it.
struct HeldCopy {
    explicit HeldCopy(RecordFile records) : Records(std::move(records)) {}

    RecordFile Records;
    std::unique_ptr<StagedFile> Staged;  // the records as loaded, not yet in place
    bool OnDisk = true;
    bool EditedSinceStaged = false;
    bool Unread = false;  // Records is empty: the file at Records.Path() holds them

    // Reads the records an Unread copy left on disk. Throws FileError.
    void Read();
    void Edited() {
        OnDisk = false;
        EditedSinceStaged = true;
    }
    // Adds the records to `set` unless the disk holds them. Throws FileError.
    void Stage(std::vector<StagedFile>& set);
};

// A league's team and roster files staged as working copies, ready to be adopted, and the other
// files of its load (swp.l, korvel.def) that are committed with them.
struct LeagueCopies {
    HeldCopy Teams;
    HeldCopy Roster;
    std::vector<StagedFile> Others = {};
};

// The working roster and team files held in memory while many teams are saved one after
// another, so that each file is written once for all of them. LoadTeam and SaveTeam use them
// while they are vars.HeldCopies, and so does a league's installation (InstallLeague). Stage then
// adds the files that differ from the disk to a set for CommitAll, which replaces them together:
// a failure leaves both as they were.
class WorkingCopies {
  public:
    // Holds the working copies as the disk has them. Throws FileError.
    explicit WorkingCopies(Variables& vars);
    // Holds nothing until a league is adopted: nothing is read.
    struct AwaitingLeague {};
    WorkingCopies(Variables& vars, AwaitingLeague);
    ~WorkingCopies();
    WorkingCopies(const WorkingCopies&) = delete;
    WorkingCopies& operator=(const WorkingCopies&) = delete;

    RosterSlot Players(int team) const;
    void Save(const Variables& vars, int team, int slot);

    // A league's team file and roster file (read from `rosterFile`) as working copies of `vars`:
    // those the disk does not hold already are written as temporary files, nothing is replaced.
    // Throws FileError.
    static LeagueCopies StageLeague(const Variables& vars, const Bytes& teamFile,
                                    const std::filesystem::path& rosterFile);
    // The staged league takes the place of the copies held.
    void Adopt(LeagueCopies league);

    // Adds the copies that differ from the disk to `set`; Written says the set was committed.
    // Throws FileError.
    void Stage(std::vector<StagedFile>& set);
    void Written();

  private:
    Variables& vars_;
    HeldCopy roster_;
    HeldCopy teams_;
    std::vector<StagedFile> others_;
};

// Record numbers (from 1) in the roster and team files.
constexpr std::size_t PlayerRecordNumber(int team, int index) {
    return static_cast<std::size_t>(team) * kRosterPlaces + static_cast<std::size_t>(index) + 1;
}
constexpr std::size_t TeamRecordNumber(int team) {
    return static_cast<std::size_t>(team) + 1;
}

}  // namespace korvel

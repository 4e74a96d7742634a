#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/Records.h"
#include "league/Variables.h"
#include "platform/Files.h"
#include "session/Outcome.h"

namespace korvel {

// Commits the files of one save together (FileCommit, journal in the start folder): `files`, and
// when `waived` is not empty the league's waiver list with them put on it, read and changed under
// its lock, which is held until the commit is over. Throws FileError with every file as it was,
// FileBusy when the list stays locked, CommitUnfinished when only the next start can finish it.
void CommitSave(Variables& vars, const std::vector<Player>& waived, std::vector<StagedFile> files);

// What the saves of a run of several operations will write, committed together at the end of the
// run (the command line's run): nothing reaches the disk before, and the reports of saved files
// wait until it has.
class SaveSet {
  public:
    void AddWaived(const std::vector<Player>& players);
    // A lines file of team `index` (`name` as shown), in place of one it saved before. Throws
    // std::runtime_error naming both teams when another team's lines file has the same name.
    void AddLinesFile(StagedFile file, int index, const std::string& name);
    void Add(StagedFile file) { files_.push_back(std::move(file)); }
    // A message that reports a file of the set saved, to show once it is.
    void ReportWhenSaved(Message message) { reports_.push_back(std::move(message)); }

    // Commits what the set holds with `alongside` (see CommitSave), then forgets it. Returns the
    // reports to show.
    std::vector<Message> Commit(Variables& vars, std::vector<StagedFile> alongside = {});

  private:
    std::vector<Player> waived_;
    std::vector<StagedFile> files_;
    struct LinesFileOf {
        std::filesystem::path File;
        int Index;
        std::string Name;
    };
    std::vector<LinesFileOf> linesFiles_;
    std::vector<Message> reports_;
};

}  // namespace korvel

#include "session/SaveSet.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "league/LinesFile.h"
#include "league/RosterSlots.h"
#include "league/WaiverList.h"
#include "platform/CommitJournal.h"
#include "platform/Phrase.h"
#include "platform/SharedFileChange.h"
#include "platform/Utf8Paths.h"

namespace korvel {

void CommitSave(Variables& vars, const std::vector<Player>& waived, std::vector<StagedFile> files) {
    // A commit left unfinished goes first, before this one takes the locks it may need.
    FinishInterruptedCommit(CommitFolder(vars));
    FileCommit commit(CommitFolder(vars));
    if (!waived.empty()) {
        // A list shared through a link is changed where it lives, beside its own lock.
        const std::filesystem::path list = SharedFileTarget(vars.WaiverFile);
        // Read under its lock, which settles what other saves left waiting first.
        std::shared_ptr<FileLock> lock = LockSharedFile(list);
        commit.AddListChange(list, WaiverListChange(list, waived), std::move(lock));
    }
    commit.Add(std::move(files));
    commit.Commit();
}

void SaveSet::AddWaived(const std::vector<Player>& players) {
    waived_.insert(waived_.end(), players.begin(), players.end());
}

void SaveSet::AddLinesFile(StagedFile file, int index, const std::string& name) {
    for (auto other = linesFiles_.begin(); other != linesFiles_.end(); ++other) {
        if (FoldedFileName(other->File.filename()) != FoldedFileName(file.Target().filename())) {
            continue;
        }
        if (other->Index != index) {
            throw std::runtime_error(
                KORVEL_PHRASE("TeamSession",
                              "The lines files of %1 and %2 would both be %3; rename one of the "
                              "teams.")
                    .With({other->Name, name, Utf8Of(file.Target())})
                    .English());
        }
        std::vector<StagedFile> kept;
        for (StagedFile& staged : files_) {
            if (staged.Target() != other->File) kept.push_back(std::move(staged));
        }
        files_ = std::move(kept);
        linesFiles_.erase(other);
        break;
    }
    linesFiles_.push_back({file.Target(), index, name});
    files_.push_back(std::move(file));
}

std::vector<Message> SaveSet::Commit(Variables& vars, std::vector<StagedFile> alongside) {
    std::vector<StagedFile> files = std::move(files_);
    for (StagedFile& file : alongside) files.push_back(std::move(file));
    const std::vector<Player> waived = std::move(waived_);
    std::vector<Message> reports = std::move(reports_);
    *this = SaveSet();
    CommitSave(vars, waived, std::move(files));
    return reports;
}

}  // namespace korvel

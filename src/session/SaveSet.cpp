#include "session/SaveSet.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

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
        // Read under its lock, so that what other managers put on it meanwhile stays.
        std::shared_ptr<FileLock> lock = LockSharedFile(vars.WaiverFile);
        commit.AddShared(StageWaiverList(vars.WaiverFile, waived), std::move(lock));
    }
    commit.Add(std::move(files));
    commit.Commit();
}

void SaveSet::AddWaived(const std::vector<Player>& players) {
    waived_.insert(waived_.end(), players.begin(), players.end());
}

namespace {

// Lines files on a file system that ignores case are the same file when their names differ
// only in case.
std::string FoldedName(const std::filesystem::path& file) {
    std::string name = Utf8Of(file);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return name;
}

}  // namespace

void SaveSet::AddLinesFile(StagedFile file, int index, const std::string& name) {
    for (auto other = linesFiles_.begin(); other != linesFiles_.end(); ++other) {
        if (FoldedName(other->File) != FoldedName(file.Target())) continue;
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

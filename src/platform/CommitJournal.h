#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/FileLock.h"
#include "platform/Files.h"

namespace korvel {

// A commit that failed after the point from which it can only go forward: the files not yet in
// place wait for FinishInterruptedCommit, which every start of Korvel runs first.
class CommitUnfinished : public FileError {
  public:
    using FileError::FileError;
};

// Staged files committed all or none: a failure or a killed program leaves every one as it was,
// or (once the commit has passed its point of no return) every one as committed, never a mix.
//
// The order: every new file is written beside its target (staged, before the commit starts) and
// flushed to the disk with the others of its file system. Then the journal "korvel.commit",
// naming each temporary file and its target, is put in the journal folder by one rename: from
// then on the commit counts as done. Then the files are put in place (shared files first), their
// folders flushed, and the journal removed. A failure before the journal is in place removes the
// temporary files; after it, the rest is placed from the journal, at once or, when that fails
// too, by FinishInterruptedCommit at the next start.
class FileCommit {
  public:
    explicit FileCommit(std::filesystem::path journalFolder);
    FileCommit(FileCommit&&) = default;
    FileCommit& operator=(FileCommit&&) = default;

    void Add(StagedFile file);
    void Add(std::vector<StagedFile> files);
    // A file that programs working in other start folders change too (the league's waiver
    // list), read and staged under `lock`, which is held until the commit is over.
    void AddShared(StagedFile file, std::shared_ptr<FileLock> lock);
    bool Empty() const { return shared_.empty() && files_.empty(); }

    // Throws FileError with every file as it was, or CommitUnfinished (see above).
    void Commit();

  private:
    std::filesystem::path folder_;
    // Shared files are placed first: the moment between the journal and their placing, in which
    // another program could take their lock and clear a killed program's temporary file, stays
    // short.
    std::vector<StagedFile> shared_;
    std::vector<StagedFile> files_;
    std::vector<std::shared_ptr<FileLock>> locks_;
};

// Commits `files` together (see FileCommit), with the journal in `journalFolder`.
void CommitTogether(std::vector<StagedFile> files, const std::filesystem::path& journalFolder);

// Finishes a commit that a killed program or a failure left in `folder`: the files its journal
// names that are not yet in place are placed, then the journal is removed. Nothing to do without
// a journal. Run before anything else reads or writes the folder's files, under its lock.
// Throws FileError, the journal then left for the next try.
void FinishInterruptedCommit(const std::filesystem::path& folder);
bool CommitInterrupted(const std::filesystem::path& folder);

namespace testing {
// Makes step `n` (from 1) of the commits that follow fail: once, every step from then on, or by
// ending the program at once as a kill would. 0 turns it off. Steps: each flush of a file
// system, the journal's write and its placing, each file placed, each folder flushed, the
// journal's removal.
enum class StepFailure { Once, FromThen, Exit };
void FailCommitStep(int n, StepFailure how = StepFailure::Once);
// The steps counted since the last FailCommitStep.
int CommitStepsTaken();
}  // namespace testing

}  // namespace korvel

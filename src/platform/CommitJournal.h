#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/SharedFileChange.h"

namespace korvel {

// A commit that failed after the point from which it can only go forward: the files not yet in
// place wait for FinishInterruptedCommit, which every start of Korvel runs first.
class CommitUnfinished : public FileError {
  public:
    using FileError::FileError;
};

// A start folder whose unfinished commit could not be finished now (a list's lock held, a full
// disk, a read-only folder): the journal and every file it names are left as they were, for a
// later start. The message says so, with the cause.
class CommitPending : public FileError {
  public:
    using FileError::FileError;
};

// Staged files committed all or none: a failure or a killed program leaves every one as it was,
// or (once the commit has passed its point of no return) every one as committed, never a mix.
//
// The order, and why:
//  1. Every new file of the start folder is written beside its target as a temporary file. A
//     shared list (the league's waiver list) is not copied: under its lock, held to the end, a
//     change file beside it records what this save puts on it, entry by entry, and names the
//     journal of step 2 (WriteListChange).
//  2. One flush of each file system holding them (change files, temporary files and the journal's
//     own temporary file), then the journal "korvel.commit", naming each temporary file and each
//     change file with its target, is put in place by one rename and its folder flushed. From
//     then on the commit counts as made.
//     The new list, the change applied to it as it is now, is written beside it too, so that a
//     full disk stops the save here, with nothing changed.
//  3. Each new list is put in place (or, where its owner cannot be kept, written over the list in
//     place), its folder flushed, then its change file removed; then the temporary files are
//     renamed into place, their folders flushed, and the journal removed. A roll forward applies
//     the change file to the list as it is then instead (ApplyListChanges).
// A failure before step 2 removes what was written. After it, what is not yet in place is placed
// from the journal, at once or, when that fails too, by FinishInterruptedCommit at the next start.
//
// A change file is never judged by whether the program that wrote it still runs. Whoever takes
// the list's lock next settles what it finds (LockSharedFile): a change whose entries are all on
// the list already is done; one that its journal names is applied there and then, so that no
// later save of another manager goes before it and a change applied once is never applied over
// a later one; one whose journal on this machine does not name it never committed and goes. So
// a kill at any moment loses no entry of a committed save, adds none twice, and brings back none
// a later save replaced. Applying a change is idempotent: an entry already there stays once.
//
// When no file the commit replaces exists yet and no list changes, there is nothing a power cut
// could take back: the journal still guards against a kill between the renames, but neither it
// nor the new files are flushed one by one; one flush of each file system at the end makes the
// whole set durable before the commit returns.
class FileCommit {
  public:
    explicit FileCommit(std::filesystem::path journalFolder);
    FileCommit(FileCommit&&) = default;
    FileCommit& operator=(FileCommit&&) = default;

    void Add(StagedFile file);
    void Add(std::vector<StagedFile> files);
    // A change of a shared list that programs of other start folders change too (the league's
    // waiver list, SharedFileTarget of it), read under `lock` (LockSharedFile), which is held
    // until the commit is over.
    void AddListChange(std::filesystem::path list, ListChange change,
                       std::shared_ptr<FileLock> lock);
    bool Empty() const { return changes_.empty() && files_.empty(); }

    // Throws FileError with every file as it was, or CommitUnfinished (see above).
    void Commit();

  private:
    struct Change {
        std::filesystem::path List;
        ListChange What;
        std::filesystem::path File;        // the change file, once written
        std::optional<StagedFile> Staged;  // the list with the change applied, once written
    };
    void CommitNewFiles(std::vector<StagedFile*>& all);

    std::filesystem::path folder_;
    std::vector<Change> changes_;
    std::vector<StagedFile> files_;
    std::vector<std::shared_ptr<FileLock>> locks_;
};

// Commits `files` together (see FileCommit), with the journal in `journalFolder`.
void CommitTogether(std::vector<StagedFile> files, const std::filesystem::path& journalFolder);

// Finishes a commit that a killed program or a failure left in `folder`: the list changes its
// journal names are applied (under each list's lock), the files not yet in place are placed, then
// the journal is removed. Nothing to do without a journal. Run before anything else reads or
// writes the folder's files, under its lock. Throws FileError, the journal then left for the next
// try with everything it names.
void FinishInterruptedCommit(const std::filesystem::path& folder);
bool CommitInterrupted(const std::filesystem::path& folder);

// What a start does first in its start folder, under the folder's lock: finishes an unfinished
// commit, then removes the temporary files of writes that never reached a journal. When the
// commit cannot be finished, throws CommitPending and removes nothing.
void RecoverStartFolder(const std::filesystem::path& folder);

// Whether the commit journal `journal` names the change file `change`: Unknown when the journal
// cannot be read, or is missing from a folder that cannot be seen.
enum class JournalMention { Names, DoesNotName, Unknown };
JournalMention JournalMentions(const std::filesystem::path& journal,
                               const std::filesystem::path& change);

// One step of a commit, counted for FailCommitStep (below).
void CommitStep(const std::filesystem::path& file);

namespace testing {
// Makes step `n` (from 1) of the commits that follow fail: once, every step from then on, or by
// ending the program at once as a kill would. 0 turns it off. Steps: each flush of a file
// system, the journal's write and its placing, each list replaced and each change file removed,
// each file placed, each folder flushed, the journal's removal.
enum class StepFailure { Once, FromThen, Exit };
void FailCommitStep(int n, StepFailure how = StepFailure::Once);
// The steps counted since the last FailCommitStep, and the file each was about.
int CommitStepsTaken();
std::vector<std::filesystem::path> CommitStepFiles();
}  // namespace testing

}  // namespace korvel

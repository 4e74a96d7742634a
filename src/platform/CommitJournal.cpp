#include "platform/CommitJournal.h"

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "platform/Phrase.h"
#include "platform/SharedFileChange.h"
#include "platform/SystemFiles.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

constexpr const char* kJournalName = "korvel.commit";
constexpr const char* kJournalHeader = "korvel commit 1\n";
constexpr const char* kJournalEnd = "end\n";
constexpr std::size_t kJournalLimit = 1 << 20;

// What the journal says of one file: how it is placed, its temporary file and its target. A list
// change names its change file as the temporary file. (Journals of earlier versions may still
// name a whole shared list to rename or write over in place.)
enum class Kind : char { Rename = 'R', ListChange = 'C', SharedRename = 'S', SharedRewrite = 'I' };
struct JournalEntry {
    Kind How;
    fs::path Temporary;
    fs::path Target;
};

struct StepSeam {
    int FailAt = 0;
    testing::StepFailure How = testing::StepFailure::Once;
    int Taken = 0;
    std::vector<fs::path> Files;
};
StepSeam seam;

}  // namespace

void CommitStep(const fs::path& file) {
    const int step = ++seam.Taken;
    if (seam.Files.size() < 1000) seam.Files.push_back(file);
    if (seam.FailAt == 0 || step < seam.FailAt) return;
    if (seam.How == testing::StepFailure::Exit) std::_Exit(137);
    if (step == seam.FailAt || seam.How == testing::StepFailure::FromThen) {
        throw FileError(file, KORVEL_TEXT("Files", "cannot be written (Input/output error)"));
    }
}

namespace {

void Step(const fs::path& file) {
    CommitStep(file);
}

fs::path JournalIn(const fs::path& folder) {
    return folder / kJournalName;
}

fs::path Absolute(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

// Each path as its length, a colon and its bytes, so that any byte may stand in a name.
void AppendPath(std::string& text, const fs::path& path) {
    const std::string name = Utf8Of(Absolute(path));
    text += std::to_string(name.size()) + ":" + name;
}

Bytes JournalText(const std::vector<JournalEntry>& entries) {
    std::string text = kJournalHeader;
    for (const JournalEntry& entry : entries) {
        text += static_cast<char>(entry.How);
        text += ' ';
        AppendPath(text, entry.Temporary);
        text += ' ';
        AppendPath(text, entry.Target);
        text += '\n';
    }
    text += kJournalEnd;
    return Bytes(text.begin(), text.end());
}

// The journal's entries. A temporary file must be one of ours for its target, beside it, so that
// no journal can make this program rename another file. Throws FileError.
std::vector<JournalEntry> ParseJournal(const fs::path& journal) {
    const Bytes bytes = ReadWholeFile(journal, kJournalLimit);
    const std::string text(bytes.begin(), bytes.end());
    const auto bad = [&]() {
        return FileError(
            journal,
            KORVEL_TEXT("Files", "is not a whole Korvel commit journal; remove it to go on"));
    };
    std::size_t at = std::string(kJournalHeader).size();
    if (text.compare(0, at, kJournalHeader) != 0) throw bad();
    const auto readPath = [&]() {
        const auto colon = text.find(':', at);
        if (colon == std::string::npos || colon == at || colon - at > 5) throw bad();
        const std::string digits = text.substr(at, colon - at);
        if (digits.find_first_not_of("0123456789") != std::string::npos) throw bad();
        const std::size_t length = std::stoul(digits);
        if (colon + 1 + length > text.size()) throw bad();
        at = colon + 1 + length;
        try {
            return PathFromUtf8(std::string_view(text).substr(colon + 1, length));
        } catch (const std::exception&) {  // no UTF-8, where the system's names are UTF-16
            throw bad();
        }
    };
    std::vector<JournalEntry> entries;
    while (text.compare(at, std::string::npos, kJournalEnd) != 0) {
        const char how = text[at];
        if (at + 2 > text.size() || (how != 'R' && how != 'C' && how != 'S' && how != 'I') ||
            text[at + 1] != ' ') {
            throw bad();
        }
        at += 2;
        JournalEntry entry{static_cast<Kind>(how), readPath(), {}};
        if (at >= text.size() || text[at++] != ' ') throw bad();
        entry.Target = readPath();
        if (at >= text.size() || text[at++] != '\n') throw bad();
        const std::string name = Utf8Of(entry.Temporary.filename());
        const std::string target = Utf8Of(entry.Target.filename());
        if (entry.Temporary.parent_path() != entry.Target.parent_path() ||
            !(entry.How == Kind::ListChange ? IsListChangeNameOf(name, target)
                                             : IsTemporaryNameOf(name, target))) {
            throw bad();
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(fs::symlink_status(path, error));
}

// Puts one file of a journal in place unless it is there already.
void PlaceFromJournal(const JournalEntry& entry) {
    if (entry.How == Kind::SharedRewrite) {
        const fs::path pending = PendingRewriteOf(entry.Target);
        if (!IsFile(pending)) {
            if (!IsFile(entry.Temporary)) return;
            std::error_code error;
            fs::rename(entry.Temporary, pending, error);
            if (error) {
                throw FileError(entry.Target, KORVEL_PHRASE("Files", "cannot be replaced (%1)")
                                                  .With({error.message()})
                                                  .English());
            }
        }
        RewriteInPlace(pending, entry.Target);
        return;
    }
    if (!IsFile(entry.Temporary)) return;
    std::error_code error;
    fs::rename(entry.Temporary, entry.Target, error);
    if (error)
        throw FileError(
            entry.Target,
            KORVEL_PHRASE("Files", "cannot be replaced (%1)").With({error.message()}).English());
}

// Places what the journal in `folder` names and removes it. The locks of shared files are taken
// unless this program holds them already (`lockShared` false). With `flush`, the folders are
// flushed to the disk before the journal goes.
void FinishFromJournal(const fs::path& folder, bool lockShared, bool flush = true) {
    const fs::path journal = JournalIn(folder);
    std::error_code error;
    // Only a journal that is neither flushed nor names a file it replaces (nothing existed) can
    // come back empty from a power cut: its commit had nothing to lose and never said it was done.
    if (fs::file_size(journal, error) == 0 && !error) {
        fs::remove(journal, error);
        return;
    }
    const std::vector<JournalEntry> entries = ParseJournal(journal);
    std::set<fs::path> folders{folder};
    // The lists first: another manager's save may be waiting for their locks.
    for (const JournalEntry& entry : entries) {
        if (entry.How == Kind::Rename) continue;
        // A change file that is gone was applied, by this program or by another holder of the
        // list's lock: the list's lock is not needed for it.
        if (entry.How == Kind::ListChange && !IsFile(entry.Temporary)) continue;
        // Taking the lock settles the change (its journal names it) along with any other
        // waiting there; applying it again is then nothing to do.
        // (A whole list an earlier version left takes only the lock: its temporary file is the one
        // to place.)
        std::shared_ptr<FileLock> lock;
        std::optional<FileLock> lockOnly;
        if (lockShared && entry.How == Kind::ListChange) lock = LockSharedFile(entry.Target);
        if (lockShared && entry.How != Kind::ListChange) {
            lockOnly.emplace(LockFileOf(entry.Target), kSharedFileWait);
        }
        Step(entry.Target);
        if (entry.How == Kind::ListChange) {
            ApplyListChanges(entry.Target, {entry.Temporary});
        } else {
            PlaceFromJournal(entry);
        }
    }
    for (const JournalEntry& entry : entries) {
        if (entry.How != Kind::Rename) continue;
        Step(entry.Target);
        PlaceFromJournal(entry);
        folders.insert(entry.Target.parent_path());
    }
    for (const fs::path& each : folders) {
        Step(each);
        if (flush) SyncFolderOf(each, each);
    }
    // A journal that a power cut brings back finds every file placed and only goes again.
    Step(journal);
    if (!fs::remove(journal, error) && error) {
        throw FileError(
            journal,
            KORVEL_PHRASE("Files", "cannot be removed (%1)").With({error.message()}).English());
    }
}

bool NothingAt(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::not_found;
}

}  // namespace

FileCommit::FileCommit(fs::path journalFolder) : folder_(std::move(journalFolder)) {}

void FileCommit::Add(StagedFile file) {
    files_.push_back(std::move(file));
}

void FileCommit::Add(std::vector<StagedFile> files) {
    for (StagedFile& file : files) Add(std::move(file));
}

void FileCommit::AddListChange(fs::path list, ListChange change, std::shared_ptr<FileLock> lock) {
    changes_.push_back({std::move(list), std::move(change), {}, std::nullopt});
    locks_.push_back(std::move(lock));
}

void FileCommit::CommitNewFiles(std::vector<StagedFile*>& all) {
    std::vector<JournalEntry> journal;
    std::set<fs::path> flushed;
    for (StagedFile* file : all) {
        journal.push_back({Kind::Rename, file->Temporary(), file->Target()});
        if (file->Flushed()) flushed.insert(file->Target().parent_path());
    }
    {
        StagedFile written(JournalIn(folder_), JournalText(journal), Flush::Never);
        Step(JournalIn(folder_));
        Step(JournalIn(folder_));
        written.Place();
    }
    try {
        for (StagedFile* file : all) {
            Step(file->Target());
            file->Place();
        }
        // One flush of each file system stores the new files and their names together.
        for (const fs::path& each : flushed) {
            Step(each);
            FlushFileSystemOf(each, each);
        }
        Step(JournalIn(folder_));
        std::error_code error;
        if (!fs::remove(JournalIn(folder_), error) && error) {
            throw FileError(JournalIn(folder_), "cannot be removed (" + error.message() + ")");
        }
    } catch (const FileError& failure) {
        for (StagedFile* file : all) file->Release();
        try {
            FinishFromJournal(folder_, false, true);
        } catch (const FileError&) {
            throw CommitUnfinished(
                failure.File(),
                failure.Cause() + "; the save is finished the next time Korvel starts");
        }
    }
}

void FileCommit::Commit() {
    if (Empty()) return;
    if (CommitInterrupted(folder_)) FinishFromJournal(folder_, true);
    std::vector<StagedFile*> all;
    bool replacing = !changes_.empty();
    bool flushed = !changes_.empty();
    for (StagedFile& file : files_) {
        all.push_back(&file);
        replacing = replacing || !NothingAt(file.Target()) || file.RewritesInPlace();
        flushed = flushed || file.Flushed();
    }
    // Files flushed one by one were flushed when they were staged; those of a set are flushed
    // now, with the change files and the journal, one flush per folder's file system.
    std::set<fs::path> setFolders;
    for (const StagedFile* file : all) {
        if (file->FlushedWithItsSet()) setFolders.insert(file->Target().parent_path());
    }
    // One file renamed into place needs no journal: the rename itself is all or nothing.
    if (all.size() == 1 && changes_.empty() && !all.front()->RewritesInPlace()) {
        StagedFile& file = *all.front();
        for (const fs::path& each : setFolders) {
            Step(each);
            FlushFileSystemOf(each, each);
        }
        Step(file.Target());
        file.Place();
        if (flushed) SyncFolderOf(file.Target().parent_path(), file.Target());
        return;
    }
    if (!replacing) {
        CommitNewFiles(all);
        return;
    }
    try {
        std::vector<JournalEntry> journal;
        for (Change& change : changes_) {
            change.File = WriteListChange(change.List, change.What, Absolute(JournalIn(folder_)));
            journal.push_back({Kind::ListChange, change.File, change.List});
            setFolders.insert(change.List.parent_path());
            // Under the lock, held to the end, the list cannot change before it is placed.
            change.Staged.emplace(StageListChanges(change.List, {change.What}, Flush::WithTheSet));
        }
        for (StagedFile* file : all) {
            journal.push_back({Kind::Rename, file->Temporary(), file->Target()});
        }
        StagedFile written(JournalIn(folder_), JournalText(journal),
                           flushed ? Flush::WithTheSet : Flush::Never);
        if (flushed) setFolders.insert(folder_);
        for (const fs::path& each : setFolders) {
            Step(each);
            FlushFileSystemOf(each, each);
        }
        Step(JournalIn(folder_));
        Step(JournalIn(folder_));
        written.Place();
    } catch (...) {
        // Change files of a commit that never reached its journal are nobody's.
        for (const Change& change : changes_) {
            if (!change.File.empty()) system::RemoveFile(change.File);
        }
        throw;
    }
    if (flushed) SyncFolderOf(folder_, JournalIn(folder_));
    // From here on the commit is done: whatever is not placed is placed from the journal.
    try {
        for (Change& change : changes_) {
            Step(change.List);
            change.Staged->Place();
            SyncFolderOf(change.List.parent_path(), change.List);
            // Only now: a change file still there after a kill is found done by the next holder.
            Step(change.File);
            system::RemoveFile(change.File);
        }
        for (StagedFile* file : all) {
            Step(file->Target());
            file->Place();
        }
        FinishFromJournal(folder_, false, flushed);
    } catch (const FileError& failure) {
        for (StagedFile* file : all) file->Release();
        try {
            FinishFromJournal(folder_, false, flushed);
        } catch (const FileError&) {
            throw CommitUnfinished(
                failure.File(),
                failure.Cause() + "; the save is finished the next time Korvel starts");
        }
    }
}

void CommitTogether(std::vector<StagedFile> files, const fs::path& journalFolder) {
    FileCommit commit(journalFolder);
    commit.Add(std::move(files));
    commit.Commit();
}

bool CommitInterrupted(const fs::path& folder) {
    std::error_code error;
    return fs::exists(fs::symlink_status(JournalIn(folder), error));
}

void FinishInterruptedCommit(const fs::path& folder) {
    if (CommitInterrupted(folder)) FinishFromJournal(folder, true);
}

void RecoverStartFolder(const fs::path& folder) {
    try {
        FinishInterruptedCommit(folder);
    } catch (const FileError& failure) {
        throw CommitPending(
            failure.File(),
            KORVEL_PHRASE("Commit",
                          "%1. A save that Korvel could not finish waits in %2 with every file it "
                          "names, and is finished the next time Korvel starts in this folder; "
                          "until then no league is loaded here")
                .With({failure.Cause(), Utf8Of(JournalIn(folder))})
                .English());
    }
    // The folder's lock keeps other programs out: a temporary file here that no journal names is
    // a killed write's.
    RemoveLeftoverTemporaryFiles(folder);
}

JournalMention JournalMentions(const fs::path& journal, const fs::path& change) {
    std::error_code error;
    if (fs::symlink_status(journal, error).type() == fs::file_type::not_found) {
        return fs::is_directory(journal.parent_path(), error) ? JournalMention::DoesNotName
                                                              : JournalMention::Unknown;
    }
    try {
        for (const JournalEntry& entry : ParseJournal(journal)) {
            if (entry.How == Kind::ListChange &&
                entry.Temporary.filename() == change.filename()) {
                return JournalMention::Names;
            }
        }
    } catch (const FileError&) {
        return JournalMention::Unknown;
    }
    return JournalMention::DoesNotName;
}

namespace testing {

void FailCommitStep(int n, StepFailure how) {
    seam = {n, how, 0, {}};
}

int CommitStepsTaken() {
    return seam.Taken;
}

std::vector<fs::path> CommitStepFiles() {
    return seam.Files;
}

}  // namespace testing

}  // namespace korvel

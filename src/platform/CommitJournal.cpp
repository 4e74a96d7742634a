#include "platform/CommitJournal.h"

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "platform/Phrase.h"
#include "platform/SharedFileChange.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

constexpr const char* kJournalName = "korvel.commit";
constexpr const char* kJournalHeader = "korvel commit 1\n";
constexpr const char* kJournalEnd = "end\n";
constexpr std::size_t kJournalLimit = 1 << 20;

// What the journal says of one file: how it is placed, its temporary file and its target.
enum class Kind : char { Rename = 'R', SharedRename = 'S', SharedRewrite = 'I' };
struct JournalEntry {
    Kind How;
    fs::path Temporary;
    fs::path Target;
};

struct StepSeam {
    int FailAt = 0;
    testing::StepFailure How = testing::StepFailure::Once;
    int Taken = 0;
};
StepSeam seam;

void Step(const fs::path& file) {
    const int step = ++seam.Taken;
    if (seam.FailAt == 0 || step < seam.FailAt) return;
    if (seam.How == testing::StepFailure::Exit) std::_Exit(137);
    if (step == seam.FailAt || seam.How == testing::StepFailure::FromThen) {
        throw FileError(file, KORVEL_TEXT("Files", "cannot be written (Input/output error)"));
    }
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
        if (at + 2 > text.size() || (how != 'R' && how != 'S' && how != 'I') ||
            text[at + 1] != ' ') {
            throw bad();
        }
        at += 2;
        JournalEntry entry{static_cast<Kind>(how), readPath(), {}};
        if (at >= text.size() || text[at++] != ' ') throw bad();
        entry.Target = readPath();
        if (at >= text.size() || text[at++] != '\n') throw bad();
        if (entry.Temporary.parent_path() != entry.Target.parent_path() ||
            !IsTemporaryNameOf(Utf8Of(entry.Temporary.filename()),
                               Utf8Of(entry.Target.filename()))) {
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
    const std::vector<JournalEntry> entries = ParseJournal(journal);
    std::set<fs::path> folders{folder};
    for (const JournalEntry& entry : entries) {
        // Only the lock: its temporary file, left by a killed program, is the one to place.
        std::optional<FileLock> lock;
        if (lockShared && entry.How != Kind::Rename) {
            lock.emplace(LockFileOf(entry.Target), kSharedFileWait);
        }
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
    std::error_code error;
    if (!fs::remove(journal, error) && error) {
        throw FileError(
            journal,
            KORVEL_PHRASE("Files", "cannot be removed (%1)").With({error.message()}).English());
    }
}

}  // namespace

FileCommit::FileCommit(fs::path journalFolder) : folder_(std::move(journalFolder)) {}

void FileCommit::Add(StagedFile file) {
    files_.push_back(std::move(file));
}

void FileCommit::Add(std::vector<StagedFile> files) {
    for (StagedFile& file : files) Add(std::move(file));
}

// A shared file's temporary file waits for the journal only until another program takes the
// file's lock and clears what killed programs left. So a program killed in the moment between
// writing its journal and placing the shared file (placed first for that reason), whose start
// folder is not started again before another manager saves the file, loses its change of it;
// the file stays whole, as the other manager saved it.
void FileCommit::AddShared(StagedFile file, std::shared_ptr<FileLock> lock) {
    shared_.push_back(std::move(file));
    locks_.push_back(std::move(lock));
}

void FileCommit::Commit() {
    if (Empty()) return;
    if (CommitInterrupted(folder_)) FinishFromJournal(folder_, true);
    std::vector<StagedFile*> all;
    std::vector<JournalEntry> journal;
    for (StagedFile& file : shared_) {
        all.push_back(&file);
        journal.push_back({file.RewritesInPlace() ? Kind::SharedRewrite : Kind::SharedRename,
                           file.Temporary(), file.Target()});
    }
    for (StagedFile& file : files_) {
        all.push_back(&file);
        journal.push_back({Kind::Rename, file.Temporary(), file.Target()});
    }
    // Files flushed one by one were flushed when they were staged; those of a set are flushed
    // now, one flush per folder's file system.
    bool flushed = false;
    std::set<fs::path> setFolders;
    for (const StagedFile* file : all) {
        flushed = flushed || file->Flushed();
        if (file->FlushedWithItsSet()) setFolders.insert(file->Target().parent_path());
    }
    for (const fs::path& each : setFolders) {
        Step(each);
        FlushFileSystemOf(each, each);
    }
    // One file renamed into place needs no journal: the rename itself is all or nothing.
    if (all.size() == 1 && !all.front()->RewritesInPlace()) {
        StagedFile& file = *all.front();
        Step(file.Target());
        file.Place();
        if (flushed) SyncFolderOf(file.Target().parent_path(), file.Target());
        return;
    }
    {
        StagedFile written(JournalIn(folder_), JournalText(journal),
                           flushed ? Flush::Always : Flush::Never);
        Step(JournalIn(folder_));
        Step(JournalIn(folder_));
        written.Place();
        if (flushed) SyncFolderOf(folder_, JournalIn(folder_));
    }
    // From here on the commit is done: whatever is not placed is placed from the journal.
    try {
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

namespace testing {

void FailCommitStep(int n, StepFailure how) {
    seam = {n, how, 0};
}

int CommitStepsTaken() {
    return seam.Taken;
}

}  // namespace testing

}  // namespace korvel

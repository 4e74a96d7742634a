#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileLock.h"
#include "platform/Files.h"

namespace korvel {

// How long a save waits for another program that is changing the same shared file.
constexpr std::chrono::milliseconds kSharedFileWait{3000};

// The lock file of a shared file: "<file>.lock" beside it.
std::filesystem::path LockFileOf(const std::filesystem::path& file);

// The file a shared list really is: a symbolic link is followed to the file it names, so that a
// list shared from another folder is changed there, beside its own lock, and stays linked.
// Throws FileError when the link leads nowhere (or round in a circle).
std::filesystem::path SharedFileTarget(const std::filesystem::path& file);

// A list of fixed-length records (the league's waiver list): each record's length, and where in a
// record lies the key that says whom it is about (a waiver entry's player name).
struct ListLayout {
    std::size_t Length = 0;
    std::size_t KeyOffset = 0;
    std::size_t KeyLength = 0;
};

// One record a save puts on a shared list, and the record of the same key it takes the place of
// (empty when the key was not on the list when the save read it).
struct ListEntryChange {
    Bytes Added;
    Bytes Replaced;
};

// What one save changes of a shared list, entry by entry, so that it can be applied to the list
// as it is found, once, however often it is tried.
struct ListChange {
    ListLayout Layout;
    std::vector<ListEntryChange> Entries;
};

// The change that puts each record of `added` on `list` as it is now: each takes the place of the
// first record of its key there (recorded as Replaced), or is appended; of several records of one
// key in `added` the last goes. Read it under the list's lock.
ListChange ChangeOfList(const std::filesystem::path& list, const ListLayout& layout,
                        const std::vector<Bytes>& added);

// Stages `list` with `changes` applied in order, read a block at a time (runs of zero bytes stay
// holes; a cut-off last record stays unless a record is appended over it). Each entry change goes
// by the first record of its key: one equal to Added is already there (nothing to do); one equal
// to Replaced, or no record of the key when Replaced is empty, takes Added (appended in the
// latter case); any other record of the key, or none where Replaced was there, was changed by a
// later save and stays as it is. The new list keeps the owner, group and mode of the old one
// (StagedFile::KeepOwnerOfTarget). A missing list starts empty.
StagedFile StageListChanges(const std::filesystem::path& list,
                            const std::vector<ListChange>& changes, Flush flush = Flush::Always);

// Takes the lock of the shared file `file`, then, under it, tidies what killed programs left:
// a rewrite in place is finished (PendingRewriteOf), the list's temporary files are removed (only
// a holder of the lock writes them, so any found are a killed writer's), and the changes other
// saves left waiting (WriteListChange) are settled: a change whose records are all on the list
// already is done; one whose save committed (its journal names it) is applied; one whose save
// never committed (a journal on this machine that does not name it) is removed; any other waits
// for its own start folder. Throws FileBusy naming `file` when another program still holds the
// lock after `wait`.
std::shared_ptr<FileLock> LockSharedFile(const std::filesystem::path& file,
                                         std::chrono::milliseconds wait = kSharedFileWait,
                                         const std::function<void()>& whileBusy = {});

// Writes `change` of `list` beside it as a change file (".NAME.change-TOKEN", put in place by a
// rename, not flushed: the commit flushes it with its set) that names `journal`, the commit
// journal that will name it in turn. Returns its path. Call under the list's lock.
std::filesystem::path WriteListChange(const std::filesystem::path& list, const ListChange& change,
                                      const std::filesystem::path& journal);

// Applies the change files `changes` of `list` that are still there, replaces the list (flushed,
// its folder too), then removes them. Call under the list's lock. Throws FileError.
void ApplyListChanges(const std::filesystem::path& list,
                      const std::vector<std::filesystem::path>& changes);

// True when `name` is a change file name of the list named `listName`.
bool IsListChangeNameOf(const std::string& name, const std::string& listName);

// A change of a file that programs working in other start folders may change too. From its read
// to its replacement the file is locked through "<file>.lock" beside it (LockSharedFile), so that
// no change of another program is lost.
class SharedFileChange {
  public:
    // Takes the lock, then stages the new file with `stage`, which reads the file as it is now.
    // Throws FileBusy naming `file` when another program still holds it after `wait`
    // (`whileBusy`, if given, is called once when it is first found held).
    SharedFileChange(const std::filesystem::path& file,
                     const std::function<StagedFile(const std::filesystem::path&)>& stage,
                     std::chrono::milliseconds wait = kSharedFileWait,
                     const std::function<void()>& whileBusy = {});

    // Puts the new file in place. The lock is released when the object goes.
    void Commit() { staged_.Commit(); }

  private:
    std::shared_ptr<FileLock> lock_;
    StagedFile staged_;
};

}  // namespace korvel

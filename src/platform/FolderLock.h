#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/FileLock.h"

namespace korvel {

// The start folder is in use by another Korvel program.
class FolderInUse : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Keeps other Korvel programs out of a start folder while this one works in it: an advisory lock
// on the folder's "korvel.lock", released when the object goes or the process ends in any way.
class FolderLock {
  public:
    // Throws FolderInUse when another program holds the folder, FileError naming korvel.lock and
    // the cause when it cannot be opened or locked (a folder, a symbolic link, another user's
    // file). A read-only folder without a lock file is not locked: no program can write its
    // files either.
    explicit FolderLock(const std::filesystem::path& folder);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return lock_.has_value(); }
    // Lets the folder go as it was found: a lock file this lock made is removed.
    void ReleaseLeavingNoTrace();

  private:
    std::optional<FileLock> lock_;
    bool madeLockFile_ = false;
};

// Why this user cannot write in `folder` (as "Permission denied"), or nothing when it can.
std::optional<std::string> CannotWriteIn(const std::filesystem::path& folder);

}  // namespace korvel

#pragma once

#include <filesystem>
#include <stdexcept>

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
    // Throws FolderInUse when another program holds the folder. A folder where the lock file
    // cannot be created (read-only) is not locked: no program can write its files either.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace korvel

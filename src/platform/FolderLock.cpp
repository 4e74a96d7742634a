#include "platform/FolderLock.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

// A folder this user cannot write, holding no lock file yet: no Korvel program can change
// anything in it, so there is nothing to keep others out of.
bool ReadOnlyWithoutLockFile(const std::filesystem::path& folder,
                             const std::filesystem::path& file) {
    struct stat status {};
    return ::lstat(file.c_str(), &status) != 0 && errno == ENOENT &&
           ::access(folder.c_str(), W_OK) != 0;
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "korvel.lock";
    if (ReadOnlyWithoutLockFile(folder, file)) return;
    struct stat status {};
    madeLockFile_ = ::lstat(file.c_str(), &status) != 0 && errno == ENOENT;
    try {
        lock_.emplace(file, std::chrono::milliseconds(0));
    } catch (const FileBusy&) {
        throw FolderInUse("The folder " + folder.string() +
                          " is in use by another Korvel program. Close it, or start Korvel in "
                          "another folder.");
    } catch (const FileError& failure) {
        throw FileError(file, failure.Cause() +
                                  "; Korvel does not work in a start folder it cannot lock. "
                                  "Remove it, or start Korvel in another folder.");
    }
}

void FolderLock::ReleaseLeavingNoTrace() {
    if (lock_ && madeLockFile_) lock_->RemoveFile();
    lock_.reset();
}

std::optional<std::string> CannotWriteIn(const std::filesystem::path& folder) {
    if (::access(folder.c_str(), W_OK) == 0) return std::nullopt;
    return std::string(std::strerror(errno));
}

}  // namespace korvel

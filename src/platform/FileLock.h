#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>

#include "platform/Files.h"

namespace korvel {

// The lock of a FileLock is held by another program.
class FileBusy : public FileError {
  public:
    using FileError::FileError;
};

// An exclusive advisory lock (flock; LockFileEx on Windows) on a lock file, released when the
// object goes or the process ends in any way.
class FileLock {
  public:
    // Opens `file`, creating it when missing but never through a symbolic link, and locks it.
    // When another program holds it, waits up to `wait`, calling `whileBusy` (if given) once when
    // it is first found held. Throws FileError naming the file and the cause when it cannot be
    // opened or is not a normal file, FileBusy when it is still held after `wait`.
    FileLock(std::filesystem::path file, std::chrono::milliseconds wait,
             const std::function<void()>& whileBusy = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Removes the lock file while the lock is held; a program that opened it meanwhile finds it
    // gone once it gets the lock, and locks the file then in its place.
    void RemoveFile();

  private:
    std::filesystem::path file_;
    std::intptr_t handle_ = -1;  // a POSIX descriptor or a Windows handle
};

}  // namespace korvel

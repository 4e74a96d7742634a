#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/FileLock.h"
#include "platform/Files.h"

namespace korvel {

// How long a save waits for another program that is changing the same shared file.
constexpr std::chrono::milliseconds kSharedFileWait{3000};

// The lock file of a shared file: "<file>.lock" beside it.
std::filesystem::path LockFileOf(const std::filesystem::path& file);

// Takes the lock of the shared file `file`, then finishes a rewrite in place that a killed
// program left (PendingRewriteOf) and removes the temporary files killed programs left for it.
// Throws FileBusy naming `file` when another program still holds it after `wait`.
std::shared_ptr<FileLock> LockSharedFile(const std::filesystem::path& file,
                                         std::chrono::milliseconds wait = kSharedFileWait,
                                         const std::function<void()>& whileBusy = {});

// A change of a file that programs working in other start folders may change too (the league's
// waiver list). From its read to its replacement the file is locked through "<file>.lock" beside
// it, so that no change of another program is lost. Temporary files that a killed program left
// for it are removed first.
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

#include "platform/SharedFileChange.h"
#include "platform/Phrase.h"

#include <system_error>

namespace korvel {

std::filesystem::path LockFileOf(const std::filesystem::path& file) {
    std::filesystem::path lockFile = file;
    return lockFile += ".lock";
}

std::shared_ptr<FileLock> LockSharedFile(const std::filesystem::path& file,
                                         std::chrono::milliseconds wait,
                                         const std::function<void()>& whileBusy) {
    std::shared_ptr<FileLock> lock;
    try {
        lock = std::make_shared<FileLock>(LockFileOf(file), wait, whileBusy);
    } catch (const FileBusy&) {
        throw FileBusy(
            file,
            KORVEL_TEXT("Files",
                        "is being saved by another Korvel program; try again when it is done"));
    }
    // Under the lock no other program is writing the file or a temporary file for it.
    std::error_code error;
    const std::filesystem::path pending = PendingRewriteOf(file);
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(pending, error))) {
        RewriteInPlace(pending, file);
    }
    RemoveLeftoverTemporaryFilesOf(file);
    return lock;
}

SharedFileChange::SharedFileChange(
    const std::filesystem::path& file,
    const std::function<StagedFile(const std::filesystem::path&)>& stage,
    std::chrono::milliseconds wait, const std::function<void()>& whileBusy)
    : lock_(LockSharedFile(file, wait, whileBusy)), staged_(stage(file)) {}

}  // namespace korvel

#include "platform/SharedFileChange.h"

namespace korvel {
namespace {

FileLock LockOf(const std::filesystem::path& file, std::chrono::milliseconds wait,
                const std::function<void()>& whileBusy) {
    try {
        std::filesystem::path lockFile = file;
        return FileLock(lockFile += ".lock", wait, whileBusy);
    } catch (const FileBusy&) {
        throw FileBusy(file, "is being saved by another Korvel program; try again when it is done");
    }
}

StagedFile StageWithoutLeftovers(
    const std::filesystem::path& file,
    const std::function<StagedFile(const std::filesystem::path&)>& stage) {
    // Under the lock no other program is writing a temporary file for it.
    RemoveLeftoverTemporaryFilesOf(file);
    return stage(file);
}

}  // namespace

SharedFileChange::SharedFileChange(
    const std::filesystem::path& file,
    const std::function<StagedFile(const std::filesystem::path&)>& stage,
    std::chrono::milliseconds wait, const std::function<void()>& whileBusy)
    : lock_(LockOf(file, wait, whileBusy)), staged_(StageWithoutLeftovers(file, stage)) {}

}  // namespace korvel

#include "platform/FolderLock.h"

#include "platform/Phrase.h"
#include "platform/SystemFiles.h"
#include "platform/Utf8Paths.h"

namespace korvel {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "korvel.lock";
    madeLockFile_ = system::NothingAt(file);
    // No Korvel program can change anything in a folder this user cannot write, so there is
    // nothing to keep others out of.
    if (madeLockFile_ && system::WriteRefusal(folder)) return;
    try {
        lock_.emplace(file, std::chrono::milliseconds(0));
    } catch (const FileBusy&) {
        throw FolderInUse(KORVEL_PHRASE("Files",
                                        "The folder %1 is in use by another Korvel program. "
                                        "Close it, or start Korvel in another folder.")
                              .With({Utf8Of(folder)})
                              .English());
    } catch (const FileError& failure) {
        throw FileError(file, KORVEL_PHRASE("Files",
                                            "%1; Korvel does not work in a start folder it cannot "
                                            "lock. Remove it, or start Korvel in another folder.")
                                  .With({failure.Cause()})
                                  .English());
    }
}

void FolderLock::ReleaseLeavingNoTrace() {
    if (lock_ && madeLockFile_) lock_->RemoveFile();
    lock_.reset();
}

std::optional<std::string> CannotWriteIn(const std::filesystem::path& folder) {
    if (const std::error_code refusal = system::WriteRefusal(folder)) return refusal.message();
    return std::nullopt;
}

}  // namespace korvel

#include "platform/FolderLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace korvel {

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "korvel.lock";
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    const int error = errno;
    ::close(fd_);
    fd_ = -1;
    if (error == EWOULDBLOCK) {
        throw FolderInUse("The folder " + folder.string() +
                          " is in use by another Korvel program. Close it, or start Korvel in "
                          "another folder.");
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace korvel

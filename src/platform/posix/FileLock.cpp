#include "platform/FileLock.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {
namespace {

std::string OpenFailure(int error) {
    if (error == EISDIR) return "is a folder, not a file";
    if (error == ELOOP) return "is a symbolic link, not a file";
    return "cannot be opened (" + std::string(std::strerror(error)) + ")";
}

// O_NOFOLLOW: a link planted in place of the lock file would lock (or create) another file.
int OpenLockFile(const std::filesystem::path& file) {
    constexpr int flags = O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(file.c_str(), O_RDWR | flags, 0666);
    // A lock file this user may not write (made by another user) still locks when readable.
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(file.c_str(), O_RDONLY | flags, 0666);
    if (fd < 0) throw FileError(file, OpenFailure(errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw FileError(file, "is not a normal file");
    }
    return fd;
}

}  // namespace

FileLock::FileLock(std::filesystem::path file, std::chrono::milliseconds wait,
                   const std::function<void()>& whileBusy)
    : file_(OpenLockFile(file)) {
    constexpr auto kPoll = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool toldBusy = false;
    while (::flock(static_cast<int>(file_), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(static_cast<int>(file_));
            if (error != EWOULDBLOCK) {
                throw FileError(file,
                                "cannot be locked (" + std::string(std::strerror(error)) + ")");
            }
            throw FileBusy(file, "is held by another Korvel program");
        }
        if (!toldBusy && whileBusy) whileBusy();
        toldBusy = true;
        std::this_thread::sleep_for(kPoll);
    }
}

FileLock::~FileLock() {
    ::close(static_cast<int>(file_));
}

}  // namespace korvel

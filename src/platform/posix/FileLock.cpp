#include "platform/FileLock.h"
#include "platform/Phrase.h"

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
    if (error == EISDIR) return KORVEL_TEXT("Files", "is a folder, not a file");
    if (error == ELOOP) return KORVEL_TEXT("Files", "is a symbolic link, not a file");
    return KORVEL_PHRASE("Files", "cannot be opened (%1)")
        .With({std::string(std::strerror(error))})
        .English();
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
        throw FileError(file, KORVEL_TEXT("Files", "is not a normal file"));
    }
    return fd;
}

// Whether `fd` is still the file at `file`: a holder may remove the lock file before it lets go
// (FileLock::RemoveFile), and a lock taken on the removed file keeps nobody out.
bool StillInPlace(int fd, const std::filesystem::path& file) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::lstat(file.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(std::filesystem::path file, std::chrono::milliseconds wait,
                   const std::function<void()>& whileBusy)
    : file_(std::move(file)) {
    constexpr auto kPoll = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool toldBusy = false;
    for (;;) {
        const int fd = OpenLockFile(file_);
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EINTR) continue;
            if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                if (error != EWOULDBLOCK) {
                    throw FileError(file_, KORVEL_PHRASE("Files", "cannot be locked (%1)")
                                               .With({std::string(std::strerror(error))})
                                               .English());
                }
                throw FileBusy(file_, KORVEL_TEXT("Files", "is held by another Korvel program"));
            }
            if (!toldBusy && whileBusy) whileBusy();
            toldBusy = true;
            std::this_thread::sleep_for(kPoll);
        }
        if (StillInPlace(fd, file_)) {
            handle_ = fd;
            return;
        }
        ::close(fd);  // its holder removed it meanwhile: lock the file now in its place
    }
}

void FileLock::RemoveFile() {
    ::unlink(file_.c_str());
}

FileLock::~FileLock() {
    ::close(static_cast<int>(handle_));
}

}  // namespace korvel

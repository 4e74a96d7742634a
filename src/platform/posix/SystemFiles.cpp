#include "platform/SystemFiles.h"
#include "platform/FileNames.h"

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel::system {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowErrno(int error = errno) {
    throw std::system_error(error, std::generic_category());
}

void Check(int result) {
    if (result != 0) ThrowErrno();
}

int Descriptor(FileHandle file) {
    return static_cast<int>(file);
}

}  // namespace

std::uint64_t ProcessId() {
    return static_cast<std::uint64_t>(::getpid());
}

bool ProcessIsGone(std::uint64_t id) {
    const auto pid = static_cast<pid_t>(id);
    return static_cast<std::uint64_t>(pid) == id && ::kill(pid, 0) != 0 && errno == ESRCH;
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::optional<unsigned> ModeOfNormalFile(const fs::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return status.st_mode & 07777;
}

bool GiveOwnerOf(const fs::path& file, const fs::path& model) {
    struct stat status {};
    if (::stat(model.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return true;
    if (status.st_uid == ::geteuid() && status.st_gid == ::getegid()) return true;
    const uid_t owner = status.st_uid == ::geteuid() ? static_cast<uid_t>(-1) : status.st_uid;
    return ::lchown(file.c_str(), owner, status.st_gid) == 0;
}

FileHandle CreateNewFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) ThrowErrno();
    return fd;
}

FileHandle OpenForRewriting(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) ThrowErrno();
    return fd;
}

void WriteAll(FileHandle file, const std::uint8_t* bytes, std::size_t count) {
    std::size_t written = 0;
    while (written < count) {
        const ssize_t n = ::write(Descriptor(file), bytes + written, count - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ThrowErrno();
        written += static_cast<std::size_t>(n);
    }
}

void SkipForward(FileHandle file, std::size_t count) {
    if (::lseek(Descriptor(file), static_cast<off_t>(count), SEEK_CUR) < 0) ThrowErrno();
}

void SetFileSize(FileHandle file, std::size_t size) {
    Check(::ftruncate(Descriptor(file), static_cast<off_t>(size)));
}

void SetMode(FileHandle file, unsigned mode) {
    Check(::fchmod(Descriptor(file), static_cast<mode_t>(mode)));
}

void FlushFile(FileHandle file) {
    Check(::fsync(Descriptor(file)));
}

void CloseFile(FileHandle file) {
    Check(::close(Descriptor(file)));
}

void CloseQuietly(FileHandle file) noexcept {
    ::close(Descriptor(file));
}

void ReplaceWith(const fs::path& temporary, const fs::path& target) {
    fs::rename(temporary, target);
}

namespace {

// Runs `flush` on `folder` opened as a folder; an error when it cannot be opened or flushed.
template <class Flush>
std::error_code OnFolder(const fs::path& folder, Flush flush, bool openFailureCounts) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return openFailureCounts ? std::error_code(errno, std::generic_category())
                                 : std::error_code();
    const int result = flush(fd);
    const int error = errno;
    ::close(fd);
    return result == 0 ? std::error_code() : std::error_code(error, std::generic_category());
}

}  // namespace

std::error_code FlushFolder(const fs::path& folder) {
    // Nothing to flush through when the folder cannot be opened: the rename itself has happened.
    // File systems that cannot flush a folder say EINVAL.
    const std::error_code error = OnFolder(folder, ::fsync, false);
    return error.value() == EINVAL ? std::error_code() : error;
}

bool CanFlushFileSystem() {
    return true;
}

std::error_code FlushFileSystem(const fs::path& folder) {
    return OnFolder(folder, ::syncfs, true);
}

bool RemoveFile(const fs::path& file) {
    return ::unlink(file.c_str()) == 0;
}

bool RemoveEmptyFolder(const fs::path& folder) {
    return ::rmdir(folder.c_str()) == 0;
}

bool NothingAt(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) != 0 && errno == ENOENT;
}

std::error_code WriteRefusal(const fs::path& folder) {
    if (::access(folder.c_str(), W_OK) == 0) return {};
    return std::error_code(errno, std::generic_category());
}

}  // namespace korvel::system

namespace korvel {

bool FileNamesMayHold(char character) {
    return character != '/' && character != '\0';
}

}  // namespace korvel

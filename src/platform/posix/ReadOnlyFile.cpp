#include "platform/ReadOnlyFile.h"
#include "platform/Phrase.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {
namespace {

std::string OpenFailure(int error) {
    if (error == ENOENT) return KORVEL_TEXT("Files", "file not found");
    return KORVEL_PHRASE("Files", "cannot be read (%1)")
        .With({std::string(std::strerror(error))})
        .English();
}

std::string NotANormalFile(mode_t mode) {
    if (S_ISDIR(mode)) return KORVEL_TEXT("Files", "is a folder, not a file");
    if (S_ISFIFO(mode)) return KORVEL_TEXT("Files", "is a pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return KORVEL_TEXT("Files", "is a device, not a file");
    return KORVEL_TEXT("Files", "is not a normal file");
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(std::filesystem::path path) : path_(std::move(path)) {
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    const int descriptor = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) throw FileError(path_, OpenFailure(errno));
    struct stat status {};
    std::string refusal;
    if (::fstat(descriptor, &status) != 0) {
        refusal = OpenFailure(errno);
    } else if (!S_ISREG(status.st_mode)) {
        refusal = NotANormalFile(status.st_mode);
    }
    if (!refusal.empty()) {
        ::close(descriptor);
        throw FileError(path_, refusal);
    }
    file_ = descriptor;
    size_ = static_cast<std::size_t>(status.st_size);
}

ReadOnlyFile::~ReadOnlyFile() {
    ::close(static_cast<int>(file_));
}

std::size_t ReadOnlyFile::ReadAt(std::size_t offset, std::size_t length, std::uint8_t* to) const {
    constexpr auto kLastOffset = static_cast<std::size_t>(std::numeric_limits<off_t>::max());
    if (offset > kLastOffset || length > kLastOffset - offset) return 0;  // beyond any file
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(static_cast<int>(file_), to + done, length - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            throw FileError(path_, KORVEL_PHRASE("Files", "reading failed (%1)")
                                       .With({std::string(std::strerror(errno))})
                                       .English());
        }
        if (n == 0) break;  // the end of the file
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace korvel

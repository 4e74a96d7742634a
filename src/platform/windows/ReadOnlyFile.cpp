#include "platform/ReadOnlyFile.h"

#include <algorithm>
#include <string>

#include "platform/windows/WindowsCalls.h"

namespace korvel {
namespace {

std::string OpenFailure(DWORD error) {
    if (system::IsMissing(error)) return "file not found";
    return "cannot be read (" + system::ErrorCode(error).message() + ")";
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(std::filesystem::path path) : path_(std::move(path)) {
    // Shared for writing and deleting too: a reader must never stop another program's save.
    HANDLE file = CreateFileW(system::SystemPath(path_).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const DWORD attributes = system::AttributesOf(path_);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            throw FileError(path_, "is a folder, not a file");
        }
        throw FileError(path_, OpenFailure(error));
    }
    std::string refusal;
    LARGE_INTEGER size{};
    const DWORD type = GetFileType(file);
    if (type == FILE_TYPE_PIPE) {
        refusal = "is a pipe, not a file";
    } else if (type != FILE_TYPE_DISK) {
        refusal = "is a device, not a file";
    } else if (!GetFileSizeEx(file, &size)) {
        refusal = OpenFailure(GetLastError());
    }
    if (!refusal.empty()) {
        CloseHandle(file);
        throw FileError(path_, refusal);
    }
    file_ = system::FromHandle(file);
    size_ = static_cast<std::size_t>(size.QuadPart);
}

ReadOnlyFile::~ReadOnlyFile() {
    CloseHandle(system::AsHandle(file_));
}

std::size_t ReadOnlyFile::ReadAt(std::size_t offset, std::size_t length, std::uint8_t* to) const {
    constexpr std::size_t kLargestRead = 1u << 30;
    constexpr auto kLastOffset = static_cast<std::size_t>(MAXLONGLONG);
    if (offset > kLastOffset || length > kLastOffset - offset) return 0;  // beyond any file
    std::size_t done = 0;
    while (done < length) {
        OVERLAPPED at{};
        const std::uint64_t position = offset + done;
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        DWORD n = 0;
        const auto chunk = static_cast<DWORD>(std::min(length - done, kLargestRead));
        if (!ReadFile(system::AsHandle(file_), to + done, chunk, &n, &at)) {
            const DWORD error = GetLastError();
            if (error == ERROR_HANDLE_EOF) break;
            throw FileError(path_, "reading failed (" + system::ErrorCode(error).message() + ")");
        }
        if (n == 0) break;  // the end of the file
        done += n;
    }
    return done;
}

}  // namespace korvel

#include "platform/SystemFiles.h"
#include "platform/FileNames.h"

#include <algorithm>
#include <chrono>
#include <string_view>
#include <thread>

#include "platform/windows/WindowsCalls.h"

namespace korvel::system {
namespace fs = std::filesystem;

std::uint64_t ProcessId() {
    return GetCurrentProcessId();
}

std::string HostName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) return {};
    return std::string(name, size);
}

bool ProcessIsGone(std::uint64_t id) {
    if (id > MAXDWORD) return true;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    const bool ended = GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
}

std::optional<unsigned> ModeOfNormalFile(const fs::path& target) {
    // The replacement takes the old file's security and attributes over itself (ReplaceWith).
    const DWORD attributes = AttributesOf(target);
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return std::nullopt;
    }
    return 0;
}

bool GiveOwnerOf(const fs::path&, const fs::path&) {
    return true;
}

FileHandle CreateNewFile(const fs::path& path) {
    HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) ThrowError();
    return FromHandle(file);
}

FileHandle OpenForRewriting(const fs::path& path) {
    HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) ThrowError();
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        CloseHandle(file);
        ThrowError(ERROR_CANT_ACCESS_FILE);
    }
    return FromHandle(file);
}

void WriteAll(FileHandle file, const std::uint8_t* bytes, std::size_t count) {
    constexpr std::size_t kLargestWrite = 1u << 30;
    std::size_t written = 0;
    while (written < count) {
        DWORD n = 0;
        const auto chunk = static_cast<DWORD>(std::min(count - written, kLargestWrite));
        if (!WriteFile(AsHandle(file), bytes + written, chunk, &n, nullptr)) ThrowError();
        written += n;
    }
}

void SkipForward(FileHandle file, std::size_t count) {
    LARGE_INTEGER distance{};
    distance.QuadPart = static_cast<LONGLONG>(count);
    if (!SetFilePointerEx(AsHandle(file), distance, nullptr, FILE_CURRENT)) ThrowError();
}

void SetFileSize(FileHandle file, std::size_t size) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(AsHandle(file), end, nullptr, FILE_BEGIN) ||
        !SetEndOfFile(AsHandle(file))) {
        ThrowError();
    }
}

void SetMode(FileHandle, unsigned) {}

void FlushFile(FileHandle file) {
    if (!FlushFileBuffers(AsHandle(file))) ThrowError();
}

void CloseFile(FileHandle file) {
    if (!CloseHandle(AsHandle(file))) ThrowError();
}

void CloseQuietly(FileHandle file) noexcept {
    CloseHandle(AsHandle(file));
}

namespace {

// A virus scanner or an indexer may hold a file just written for a moment.
bool MayPass(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

}  // namespace

namespace {

// Replaces the existing normal file `to` by `from`, keeping `to`'s security and attributes, which
// a rename over it would drop. A read-only file cannot be replaced: its read-only attribute is
// lifted for the replacement and set again on the new file, or on the old one when the
// replacement fails, so that a file a user made read-only stays so either way.
bool ReplaceExisting(const std::wstring& from, const std::wstring& to, DWORD attributes) {
    const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly && !SetFileAttributesW(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    const bool replaced = ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (readOnly) {
        const DWORD error = GetLastError();
        // A changed file is marked for the next backup, as any write marks it.
        SetFileAttributesW(to.c_str(), replaced ? attributes | FILE_ATTRIBUTE_ARCHIVE : attributes);
        SetLastError(error);
    }
    return replaced;
}

}  // namespace

void ReplaceWith(const fs::path& temporary, const fs::path& target) {
    const std::wstring from = SystemPath(temporary);
    const std::wstring to = SystemPath(target);
    constexpr int kTries = 20;
    for (int attempt = 1;; ++attempt) {
        // A new file is renamed into place.
        const bool replaced =
            ModeOfNormalFile(target)
                ? ReplaceExisting(from, to, AttributesOf(target))
                : MoveFileExW(from.c_str(), to.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (replaced) return;
        const DWORD error = GetLastError();
        if (!MayPass(error) || attempt == kTries) ThrowError(error);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::error_code FlushFolder(const fs::path&) {
    // NTFS journals a rename with the folder it is in: there is no folder to flush.
    return {};
}

bool CanFlushFileSystem() {
    // Flushing a whole volume needs an administrator.
    return false;
}

std::error_code FlushFileSystem(const fs::path&) {
    return {};
}

bool RemoveFile(const fs::path& file) {
    return DeleteFileW(SystemPath(file).c_str());
}

bool RemoveEmptyFolder(const fs::path& folder) {
    return RemoveDirectoryW(SystemPath(folder).c_str());
}

bool NothingAt(const fs::path& path) {
    return AttributesOf(path) == INVALID_FILE_ATTRIBUTES && IsMissing(GetLastError());
}

std::error_code WriteRefusal(const fs::path& folder) {
    // Folders have no write bit on Windows: only trying to create a file there tells.
    const fs::path probe = folder / ("korvel.lock.probe" + std::to_string(ProcessId()));
    HANDLE made = CreateFileW(SystemPath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (made == INVALID_HANDLE_VALUE) return ErrorCode();
    CloseHandle(made);
    return {};
}

}  // namespace korvel::system

namespace korvel {

bool FileNamesMayHold(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte >= 0x20 &&
           std::string_view("\"*/:<>?\\|").find(character) == std::string_view::npos;
}

}  // namespace korvel

#include "platform/FileLock.h"

#include <string>
#include <thread>

#include "platform/windows/WindowsCalls.h"

namespace korvel {
namespace {

std::string OpenFailure(const std::filesystem::path& file, DWORD error) {
    const DWORD attributes = system::AttributesOf(file);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return "is a folder, not a file";
    }
    return "cannot be opened (" + system::ErrorCode(error).message() + ")";
}

HANDLE Open(const std::wstring& file, DWORD access) {
    // The reparse point itself, never what it leads to: a link planted in place of the lock
    // file would lock (or create) another file.
    return CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                       nullptr);
}

HANDLE OpenLockFile(const std::filesystem::path& file) {
    const std::wstring name = system::SystemPath(file);
    // DELETE: its holder may remove it (FileLock::RemoveFile).
    HANDLE handle = Open(name, GENERIC_READ | GENERIC_WRITE | DELETE);
    // A lock file this user may not write (made by another user) still locks when readable.
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        handle = Open(name, GENERIC_READ);
    }
    if (handle == INVALID_HANDLE_VALUE) throw FileError(file, OpenFailure(file, GetLastError()));
    BY_HANDLE_FILE_INFORMATION information{};
    std::string refusal;
    if (!GetFileInformationByHandle(handle, &information) ||
        GetFileType(handle) != FILE_TYPE_DISK) {
        refusal = "is not a normal file";
    } else if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        refusal = "is a symbolic link, not a file";
    } else if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        refusal = "is a folder, not a file";
    }
    if (!refusal.empty()) {
        CloseHandle(handle);
        throw FileError(file, refusal);
    }
    return handle;
}

bool TryLock(HANDLE handle, DWORD& error) {
    OVERLAPPED whole{};
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                   MAXDWORD, &whole)) {
        return true;
    }
    error = GetLastError();
    return false;
}

bool SameFile(HANDLE one, HANDLE other) {
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    return GetFileInformationByHandle(one, &first) && GetFileInformationByHandle(other, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

// Whether `handle` is still the file at `file`: a holder may remove the lock file before it lets
// go (FileLock::RemoveFile), and a lock taken on the removed file keeps nobody out.
bool StillInPlace(HANDLE handle, const std::filesystem::path& file) {
    HANDLE named = CreateFileW(system::SystemPath(file).c_str(), 0,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (named == INVALID_HANDLE_VALUE) return false;
    const bool same = SameFile(handle, named);
    CloseHandle(named);
    return same;
}

}  // namespace

FileLock::FileLock(std::filesystem::path file, std::chrono::milliseconds wait,
                   const std::function<void()>& whileBusy)
    : file_(std::move(file)) {
    constexpr auto kPoll = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool toldBusy = false;
    for (;;) {
        HANDLE handle = OpenLockFile(file_);
        DWORD error = 0;
        while (!TryLock(handle, error)) {
            if (error != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
                CloseHandle(handle);
                if (error != ERROR_LOCK_VIOLATION) {
                    throw FileError(
                        file_, "cannot be locked (" + system::ErrorCode(error).message() + ")");
                }
                throw FileBusy(file_, "is held by another Korvel program");
            }
            if (!toldBusy && whileBusy) whileBusy();
            toldBusy = true;
            std::this_thread::sleep_for(kPoll);
        }
        if (StillInPlace(handle, file_)) {
            handle_ = system::FromHandle(handle);
            return;
        }
        CloseHandle(handle);  // its holder removed it meanwhile: lock the file now in its place
    }
}

void FileLock::RemoveFile() {
    // Windows removes the name when the last handle on the file closes: a program waiting for
    // the lock then finds it gone (StillInPlace) and makes a new one.
    FILE_DISPOSITION_INFO remove{TRUE};
    SetFileInformationByHandle(system::AsHandle(handle_), FileDispositionInfo, &remove,
                               sizeof remove);
}

FileLock::~FileLock() {
    // Closing the handle releases its lock.
    CloseHandle(system::AsHandle(handle_));
}

}  // namespace korvel

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
    HANDLE handle = Open(name, GENERIC_READ | GENERIC_WRITE);
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

}  // namespace

FileLock::FileLock(std::filesystem::path file, std::chrono::milliseconds wait,
                   const std::function<void()>& whileBusy)
    : file_(system::FromHandle(OpenLockFile(file))) {
    constexpr auto kPoll = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool toldBusy = false;
    DWORD error = 0;
    while (!TryLock(system::AsHandle(file_), error)) {
        if (error != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
            CloseHandle(system::AsHandle(file_));
            if (error != ERROR_LOCK_VIOLATION) {
                throw FileError(file,
                                "cannot be locked (" + system::ErrorCode(error).message() + ")");
            }
            throw FileBusy(file, "is held by another Korvel program");
        }
        if (!toldBusy && whileBusy) whileBusy();
        toldBusy = true;
        std::this_thread::sleep_for(kPoll);
    }
}

FileLock::~FileLock() {
    // Closing the handle releases its lock.
    CloseHandle(system::AsHandle(file_));
}

}  // namespace korvel

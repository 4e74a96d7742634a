#pragma once

// What the Windows side of the platform layer shares: paths as the wide-character calls take
// them, and their failures as exceptions.

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace korvel::system {

// `path` as a wide-character call takes it. A path too long for the plain calls (260 characters)
// is given absolute with the \\?\ prefix, which lifts that limit.
std::wstring SystemPath(const std::filesystem::path& path);

std::error_code ErrorCode(DWORD error = GetLastError());
[[noreturn]] void ThrowError(DWORD error = GetLastError());

bool IsMissing(DWORD error);

// The attributes of `path` itself (a link is not followed); INVALID_FILE_ATTRIBUTES when it has
// none, with GetLastError saying why.
DWORD AttributesOf(const std::filesystem::path& path);

// Handles opened by the calls below, which std::intptr_t carries across the shared interface.
inline HANDLE AsHandle(std::intptr_t file) {
    return reinterpret_cast<HANDLE>(file);
}
inline std::intptr_t FromHandle(HANDLE handle) {
    return reinterpret_cast<std::intptr_t>(handle);
}

}  // namespace korvel::system

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvel {

// Paths as the program holds them in text, UTF-8 on every system; the system's own form (bytes on
// POSIX, UTF-16 on Windows) is made only where a path meets a system call.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace korvel

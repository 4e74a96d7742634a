#include "platform/windows/WindowsCalls.h"

namespace korvel::system {
namespace fs = std::filesystem;

std::wstring SystemPath(const fs::path& path) {
    // Folders are limited to 248 characters, the 260 of files less room for an 8.3 name.
    constexpr std::size_t kPlainLimit = 248;
    const std::wstring& text = path.empty() ? std::wstring(L".") : path.native();
    if (text.size() < kPlainLimit || text.starts_with(L"\\\\?\\")) return text;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) return text;
    const std::wstring full = absolute.lexically_normal().make_preferred().native();
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::error_code ErrorCode(DWORD error) {
    return std::error_code(static_cast<int>(error), std::system_category());
}

void ThrowError(DWORD error) {
    throw std::system_error(ErrorCode(error));
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

DWORD AttributesOf(const fs::path& path) {
    return GetFileAttributesW(SystemPath(path).c_str());
}

}  // namespace korvel::system

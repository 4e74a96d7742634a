#pragma once

#include <filesystem>
#include <functional>

namespace korvel::qt {

// Shows a folder in the desktop's file manager; false when there is none or it refused.
bool OpenFolder(const std::filesystem::path& folder);

// Puts `opener` in the desktop's place for OpenFolder (tests); an empty one gives it back.
void ReplaceFolderOpener(std::function<bool(const std::filesystem::path&)> opener);

}  // namespace korvel::qt

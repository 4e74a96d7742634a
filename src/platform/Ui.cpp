#include "platform/Ui.h"

#include <sstream>
#include <system_error>

namespace korvel {

std::vector<FileFilter> ParseFilterList(const std::string& list) {
    std::vector<std::string> parts;
    std::stringstream stream(list);
    for (std::string part; std::getline(stream, part, '|');) parts.push_back(part);
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

std::filesystem::path ChooseInitialFolder(const FileDialog& dialog) {
    std::error_code error;
    if (!dialog.InitialFolder.empty() &&
        std::filesystem::is_directory(dialog.InitialFolder, error)) {
        return dialog.InitialFolder;
    }
    for (const auto& folder : dialog.FallbackFolders) {
        if (!folder.empty() && std::filesystem::is_directory(folder, error)) return folder;
    }
    return {};
}

}  // namespace korvel

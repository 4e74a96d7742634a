#include "platform/qt/FolderOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

#include "platform/qt/QtText.h"

namespace korvel::qt {
namespace {

std::function<bool(const std::filesystem::path&)>& Replacement() {
    static std::function<bool(const std::filesystem::path&)> opener;
    return opener;
}

}  // namespace

bool OpenFolder(const std::filesystem::path& folder) {
    if (Replacement()) return Replacement()(folder);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(folder)));
}

void ReplaceFolderOpener(std::function<bool(const std::filesystem::path&)> opener) {
    Replacement() = std::move(opener);
}

}  // namespace korvel::qt

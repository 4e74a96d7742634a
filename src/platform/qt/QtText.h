#pragma once

#include <QString>

#include <filesystem>
#include <string>

namespace korvel::qt {

// Control texts are UTF-8.
inline QString ToQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

// A tooltip that shows `text` as it is: a tooltip that looks like markup would otherwise be
// rendered as rich text, and a team file may hold any characters.
QString PlainToolTip(const QString& text);

// Paths cross into Qt in the file system's own encoding.
QString PathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToPath(const QString& text);

}  // namespace korvel::qt

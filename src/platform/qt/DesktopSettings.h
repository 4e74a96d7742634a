#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace korvel::qt {

// What the desktop program keeps between runs, in QSettings under the organisation and
// application names (see DesktopIdentity.h).

// Puts the window where it stood when it last closed (moved onto a screen if that place is off
// every screen), and saves its place whenever it closes from now on. Without a kept place the
// window stays where it is.
void KeepPlacement(QWidget& window, const QString& name);

// The window's size and place as kept under `name`, one entry per window. RestorePlacement does
// nothing when none is kept, and returns whether it restored one; the place is then moved onto a
// screen if it lies off every screen (keeping it inside the available area is FitToScreen's job).
bool RestorePlacement(QWidget& window, const QString& name);
void SavePlacement(const QWidget& window, const QString& name);

// The folder a file dialog of this title last chose a file from, when that folder still exists.
std::optional<std::filesystem::path> RememberedFolder(const std::string& dialogTitle);
void RememberFolder(const std::string& dialogTitle, const std::filesystem::path& folder);

// How a table was last sorted: a column (-1: the order the window gives) and its direction.
struct TableSort {
    int Column = -1;
    bool Descending = false;
};
// The kept sort of the table named `table`; a column outside 0..columnCount-1 gives the window's
// order.
TableSort RememberedSort(const QString& table, int columnCount);
void RememberSort(const QString& table, const TableSort& sort);

}  // namespace korvel::qt

#pragma once

#include <QMainWindow>

#include <memory>

#include "windows/main/Main.h"

namespace korvel::bench {

// The yardstick of the main window: a plain QMainWindow holding the main window's widgets - its
// menus and items with their shortcuts (the recent leagues of the settings among them), the
// league's name, the hidden bar that says the league changed, the two conferences with their
// division and team lists as `main` fills them, and the status bar, in the main window's fonts (its
// bold titles) and list spacing - without a painted backdrop or an icon.
std::unique_ptr<QMainWindow> MakeSameWidgetsWindow(const Main& main);

}  // namespace korvel::bench

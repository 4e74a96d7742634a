#pragma once

#include <string>

#include "app/cli/ExitCodes.h"
#include "app/cli/Session.h"

namespace korvel::cli {

// Presses `menuItem` of the main window and lets `use` drive the window of type W it opens. The
// window is modal, so the press returns once it is closed and `use` runs while it is open. True
// when such a window opened; a disabled menu item opens none.
template <class W, class Use>
bool DriveWindow(Session& session, void (korvel::Main::*menuItem)(), Use use) {
    CliUi& ui = session.UiOfCli();
    bool opened = false;
    ui.SetModalAction([&](Window& window) {
        if (auto* shown = dynamic_cast<W*>(&window)) {
            opened = true;
            use(*shown);
        }
    });
    (session.MainWindow().*menuItem)();
    ui.SetModalAction(nullptr);
    return opened;
}

// The error of a command whose window, opened by the menu item `menuPath`, did not open.
inline UsageError WindowNotOpened(const std::string& window, const std::string& menuPath) {
    return UsageError("the " + window + " did not open: " + menuPath +
                      " is disabled until a team is listed in the main window");
}

}  // namespace korvel::cli

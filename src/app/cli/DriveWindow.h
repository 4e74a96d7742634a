#pragma once

#include <functional>
#include <string>

#include "app/cli/ExitCodes.h"
#include "app/cli/Session.h"

namespace korvel::cli {

// Runs `open`, which shows a window modally as a menu item of the main window does, and lets `use`
// drive the window of type W it opens. The window is modal, so `open` returns once it is closed
// and `use` runs while it is open. True when such a window opened.
template <class W, class Use>
bool DriveWindow(Session& session, const std::function<void()>& open, Use use) {
    CliUi& ui = session.UiOfCli();
    bool opened = false;
    ui.SetModalAction([&](Window& window) {
        if (auto* shown = dynamic_cast<W*>(&window)) {
            opened = true;
            use(*shown);
        }
    });
    open();
    ui.SetModalAction(nullptr);
    return opened;
}

// The error of a command whose window, opened by the menu item `menuPath`, did not open.
inline UsageError WindowNotOpened(const std::string& window, const std::string& menuPath) {
    return UsageError("the " + window + " did not open: " + menuPath +
                      " is disabled until a team is listed in the main window");
}

}  // namespace korvel::cli

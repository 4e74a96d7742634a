#pragma once

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

}  // namespace korvel::cli

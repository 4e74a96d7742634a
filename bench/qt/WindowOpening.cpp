// korvel_window_opening WINDOW [--plain]: starts as korvel does on the league of korvel.def in the
// current folder, shows the main window, then opens WINDOW (roster, lines, team-info,
// player-card or standings) and stays in it. Under callgrind the count starts when the window is
// asked for. With --plain every window is without its decorations (style sheets, painted
// backdrops): the yardstick of what they cost.

#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include <valgrind/callgrind.h>

#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/Style.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/PlayerInfo.h"

namespace {

using namespace korvel;

// The player card shows the first player on the current team's roster.
void OpenPlayerCard(Variables& vars, qt::QtUi& ui) {
    LoadTeam(vars, vars.CurrentTeam, 0);
    vars.CurrentPlayerIndex = 0;
    while (vars.CurrentPlayerIndex + 1 < kRosterPlaces &&
           vars.Players[0][vars.CurrentPlayerIndex].IsEmptyPlace()) {
        ++vars.CurrentPlayerIndex;
    }
    PlayerInfo card(vars);
    ui.ShowModal(card);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qt::SetUpDesktopIdentity();
    const bool plain = argc == 3 && std::string(argv[2]) == "--plain";
    if (argc != 2 && !plain) {
        std::fprintf(stderr, "usage: korvel_window_opening WINDOW [--plain]\n");
        return 2;
    }
    qt::SetDecorations(!plain);

    Variables vars;
    qt::QtUi ui;
    RegisterWindowForms(ui);
    TeamSession session(vars);
    Main main(session, ui, std::filesystem::current_path());
    main.Form_Load();
    const std::map<std::string, std::function<void()>> windows = {
        {"roster", [&] { main.SetRoster_Click(); }},
        {"lines", [&] { main.SetLines_Click(); }},
        {"team-info", [&] { main.ViewTeam_Click(); }},
        {"standings", [&] { main.Standings_Click(); }},
        {"player-card", [&] { OpenPlayerCard(vars, ui); }},
    };
    const auto open = windows.find(argv[1]);
    if (open == windows.end() || !vars.LeagueLoaded()) {
        std::fprintf(stderr, "korvel_window_opening: no window %s, or no league in korvel.def\n",
                     argv[1]);
        return 2;
    }

    // The main window is on the screen and painted before the count starts.
    MainForm form(main, vars);
    form.show();
    while (form.windowHandle() == nullptr || !form.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
    CALLGRIND_ZERO_STATS;
    open->second();
    return 0;
}

// korvel_window_opening WINDOW [--plain | --same-widgets] [--again]: starts as korvel does on the
// league of korvel.def in the current folder, shows the main window, then opens WINDOW (roster,
// lines, team-info, player-card or standings) and stays in it. Under callgrind the count starts
// when the window is asked for. With --plain every window is without its decorations (style
// sheets, painted backdrops): the yardstick of what they cost. With --same-widgets (roster and
// standings) a plain dialog holding the same widgets opens instead (SameDialogs.h): the yardstick
// of the whole form. With --again the window is opened, shown, closed, and opened a second time;
// the count starts at the second opening, when what a first opening prepares is there already.

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include <valgrind/callgrind.h>

#include "bench/qt/SameDialogs.h"
#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/Style.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/Roster.h"
#include "windows/standings/Standings.h"

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

// The plain dialog of the same widgets, opened as the main window would open the window.
void OpenSameWidgets(const std::string& window, TeamSession& session, qt::QtUi& ui) {
    Variables& vars = session.Vars();
    std::unique_ptr<QDialog> dialog;
    if (window == "roster") {
        LoadTeam(vars, vars.CurrentTeam, 0);
        Roster roster(session, ui);
        roster.Form_Load();
        dialog = bench::MakeSameWidgetsRoster(roster);
        dialog->exec();
    } else if (window == "standings") {
        korvel::Standings standings(vars, [](int) {});
        standings.Form_Load();
        dialog = bench::MakeSameWidgetsStandings(standings);
        dialog->exec();
    }
}

// Closes the modal window that opens next once it is on the screen and its first paint is done,
// as its close box would.
void CloseWhenShown() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown == nullptr || shown->windowHandle() == nullptr ||
            !shown->windowHandle()->isExposed())
            return;
        poll->deleteLater();
        QCoreApplication::processEvents();
        shown->close();
    });
    poll->start(50);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qt::SetUpDesktopIdentity();
    bool plain = false, sameWidgets = false, again = false, known = argc >= 2;
    for (int n = 2; n < argc; ++n) {
        const std::string option = argv[n];
        plain = plain || option == "--plain";
        sameWidgets = sameWidgets || option == "--same-widgets";
        again = again || option == "--again";
        known = known && (option == "--plain" || option == "--same-widgets" || option == "--again");
    }
    if (!known || (plain && sameWidgets)) {
        std::fprintf(stderr,
                     "usage: korvel_window_opening WINDOW [--plain | --same-widgets] [--again]\n");
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
    const auto openWindow = [&] {
        if (sameWidgets) {
            OpenSameWidgets(argv[1], session, ui);
        } else {
            open->second();
        }
    };
    if (again) {
        CloseWhenShown();
        openWindow();
        QCoreApplication::processEvents();
    }
    CALLGRIND_ZERO_STATS;
    openWindow();
    return 0;
}

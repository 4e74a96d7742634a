// korvel-screenshots [--dark] [--hold] FOLDER: writes a PNG of every window that has a form, as
// the program shows it on the league named in korvel.def of the current folder. Run under the
// offscreen platform by scripts/screenshots, which makes the league and keeps the pictures in
// docs/screenshots. With --hold each window stays open after its picture ("shown NAME" on
// standard output) until a line arrives on standard input, so that another program (a screen
// reader's view of the window, scripts/screen-reader-names) can look at it meanwhile.

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPushButton>
#include <QSocketNotifier>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/LocaleNumbers.h"
#include "platform/qt/Palettes.h"
#include "platform/qt/QtUi.h"
#include "windows/lines/Lines.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/AddPlayer.h"
#include "windows/roster/Roster.h"
#include "windows/season/SeasonView.h"
#include "windows/standings/Standings.h"
#include "windows/team/DisplayTeam.h"

namespace {

namespace fs = std::filesystem;
using namespace korvel;

class Pictures {
  public:
    Pictures(fs::path folder, qt::QtUi& ui, bool hold)
        : folder_(std::move(folder)), ui_(ui), hold_(hold) {}

    bool Save(QWidget& window, const std::string& name) {
        const fs::path path = folder_ / (name + ".png");
        const bool saved = window.grab().save(QString::fromStdString(path.string()), "PNG");
        if (saved) {
            std::printf("%s\n", path.c_str());
        } else {
            std::fprintf(stderr, "korvel-screenshots: could not write %s\n", path.c_str());
            failed_ = true;
        }
        if (hold_) Hold(window, name);
        return saved;
    }

    // Shows the window modally and hands its form to `act`; a window without a form is skipped.
    void Show(Window& window, const std::function<void(QDialog&)>& act) {
        if (!ui_.HasForm(window)) {
            std::printf("skipped \"%s\": no form yet\n", window.Caption.c_str());
            return;
        }
        ui_.ModalHook = act;
        ui_.ShowModal(window);
        ui_.ModalHook = nullptr;
    }

    bool Failed() const { return failed_; }

  private:
    // Keeps the window on screen and answering (to the accessibility bus too) until standard
    // input has a line or ends.
    static void Hold(QWidget& window, const std::string& name) {
        window.activateWindow();
        std::printf("shown %s\n", name.c_str());
        std::fflush(stdout);
        QEventLoop loop;
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, &loop, [&] {
            char byte = 0;
            while (::read(STDIN_FILENO, &byte, 1) == 1 && byte != '\n') {
            }
            loop.quit();
        });
        loop.exec();
    }

    fs::path folder_;
    qt::QtUi& ui_;
    bool hold_;
    bool failed_ = false;
};

// Roster index of the first player of the current team, for the player card.
int FirstPlayer(const Variables& vars) {
    for (int index = 0; index < kRosterPlaces; ++index) {
        if (!vars.Players[0][index].IsEmptyPlace()) return index;
    }
    return 0;
}

// A game day of the league's simulation, told by its files: each pair of teams plays, the first
// twenty players of each team get a game, and now and then a goal, an assist or a penalty, all in
// a pattern that varies from day to day.
void PlayAGameDay(const fs::path& base, int lastTeam, int day) {
    Bytes teams = ReadWholeFile(WithExtension(base, ".tms"));
    Bytes roster = ReadWholeFile(WithExtension(base, ".ros"));
    constexpr std::size_t kTeam = RecordLayout<Team>::Size, kPlayer = RecordLayout<Player>::Size;
    for (int t = 0; t + 1 <= lastTeam; t += 2) {
        const std::size_t home = static_cast<std::size_t>(t) * kTeam, away = home + kTeam;
        if (away + kTeam > teams.size()) break;
        Team a = DecodeRecord<Team>(std::span(teams).subspan(home, kTeam));
        Team b = DecodeRecord<Team>(std::span(teams).subspan(away, kTeam));
        const int goalsA = (day * 7 + t * 3) % 6, goalsB = (day * 5 + t) % 5;
        (goalsA > goalsB ? a.Wins : goalsA < goalsB ? a.Losses : a.Ties)[0]++;
        (goalsA > goalsB ? b.Losses : goalsA < goalsB ? b.Wins : b.Ties)[0]++;
        a.GoalsFor = static_cast<std::int16_t>(a.GoalsFor + goalsA);
        a.GoalsAgainst = static_cast<std::int16_t>(a.GoalsAgainst + goalsB);
        b.GoalsFor = static_cast<std::int16_t>(b.GoalsFor + goalsB);
        b.GoalsAgainst = static_cast<std::int16_t>(b.GoalsAgainst + goalsA);
        EncodeValue(a, teams.data() + home);
        EncodeValue(b, teams.data() + away);
    }
    for (int t = 0; t <= lastTeam; ++t) {
        for (int i = 0; i < 20; ++i) {
            const std::size_t at = (PlayerRecordNumber(t, i) - 1) * kPlayer;
            if (at + kPlayer > roster.size()) break;
            Player p = DecodeRecord<Player>(std::span(roster).subspan(at, kPlayer));
            if (p.IsEmptyPlace()) continue;
            ++p.GamesPlayed;
            p.Goals = static_cast<std::uint8_t>(p.Goals + ((day + i) % 5 == 0 ? 1 : 0));
            p.Assists = static_cast<std::uint8_t>(p.Assists + ((day * i) % 3 == 1 ? 1 : 0));
            p.PlusMinus = static_cast<std::int16_t>(p.PlusMinus + (day + i) % 3 - 1);
            if ((day + i) % 7 == 0) p.PenaltyMin = static_cast<std::int16_t>(p.PenaltyMin + 2);
            if (i == 4 && day == 3) p.Status = static_cast<std::uint8_t>(p.Status / 100 * 100 + 2);
            if (i == 4 && day == 6) p.Status = static_cast<std::uint8_t>(p.Status / 100 * 100);
            EncodeValue(p, roster.data() + at);
        }
    }
    WriteWholeFile(WithExtension(base, ".tms"), teams);
    WriteWholeFile(WithExtension(base, ".ros"), roster);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qt::SetUpDesktopIdentity();
    qt::UseLocaleNumbers();
    bool dark = false;
    bool hold = false;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--dark") {
            dark = true;
        } else if (option == "--hold") {
            hold = true;
        } else {
            argc = 0;
        }
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvel-screenshots [--dark] [--hold] FOLDER\n");
        return 2;
    }
    if (dark) {
        QApplication::setStyle("Fusion");
        QApplication::setPalette(qt::DarkPalette());
    }
    const fs::path folder = argv[argc - 1];
    fs::create_directories(folder);

    Variables vars;
    qt::QtUi ui;
    RegisterWindowForms(ui);
    ui.MsgBoxHook = [](const std::string& text, Buttons buttons, Icon, const std::string& title) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return buttons == Buttons::OK ? Answer::OK : Answer::No;
    };
    Pictures pictures(folder, ui, hold);

    TeamSession session(vars);
    Main window(session, ui, fs::current_path());
    window.Form_Load();
    MainForm main(window, vars);
    main.show();
    if (vars.League.LeagueName.Utf8().empty()) {
        std::fprintf(stderr, "korvel-screenshots: korvel.def names no league that loads\n");
        return 1;
    }
    pictures.Save(main, "main");

    // The briefing of the first team: a first visit, unless this start folder saw the league
    // before.
    ui.ModalHook = [&](QDialog& form) { pictures.Save(form, "briefing"); };
    window.Briefing_Click();
    ui.ModalHook = nullptr;

    LoadTeam(vars, vars.CurrentTeam, 0);
    Lines lines(session, ui);
    pictures.Show(lines, [&](QDialog& dialog) {
        auto& form = static_cast<LinesForm&>(dialog);
        pictures.Save(form, "lines-even");
        form.optPP->click();
        pictures.Save(form, "lines-power-play");
        form.optPK->click();
        pictures.Save(form, "lines-penalty-kill");
    });

    LoadTeam(vars, vars.CurrentTeam, 0);
    Roster roster(session, ui);
    pictures.Show(roster, [&](QDialog& form) { pictures.Save(form, "roster"); });
    AddPlayer addPlayer(vars, ui);
    addPlayer.Label1.Caption = "Add player to " + vars.CurrentTeamRecord().Name.Utf8();
    pictures.Show(addPlayer, [&](QDialog& form) { pictures.Save(form, "add-player"); });

    Standings standings(vars, [&](int team) { window.SelectTeam(team); });
    pictures.Show(standings, [&](QDialog& form) { pictures.Save(form, "standings"); });

    DisplayTeam team(session, ui);
    pictures.Show(team, [&](QDialog& form) { pictures.Save(form, "team-info"); });

    LoadTeam(vars, vars.CurrentTeam, 0);
    vars.CurrentPlayerIndex = FirstPlayer(vars);
    PlayerInfo card(vars);
    pictures.Show(card, [&](QDialog& form) { pictures.Save(form, "player-card"); });

    // The season view after a few game days of the league's simulation (the league is a
    // generated one of the script's own).
    const fs::path base = vars.LeaguePath;
    for (int day = 1; day <= 8; ++day) {
        PlayAGameDay(base, vars.League.LastTeam, day);
        window.LoadLg(base);
    }
    window.SelectTeam(vars.CurrentTeam);
    ui.ModalHook = [&](QDialog& form) { pictures.Save(form, "season"); };
    window.Season_Click();
    ui.ModalHook = nullptr;

    return pictures.Failed() ? 1 : 0;
}

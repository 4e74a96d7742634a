#include "windows/main/Main.h"

#include <utility>

#include "league/LeagueFiles.h"
#include "league/LeagueLoad.h"
#include "league/RosterSlots.h"
#include "league/TeamLists.h"
#include "platform/CommitJournal.h"
#include "platform/Files.h"
#include "platform/Phrase.h"
#include "platform/Utf8Paths.h"
#include "windows/briefing/GameDayBriefing.h"
#include "windows/lines/Lines.h"
#include "windows/roster/Roster.h"
#include "windows/season/SeasonView.h"
#include "windows/standings/Standings.h"
#include "windows/team/DisplayTeam.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {
constexpr const char* kLoadLeagueTitle = KORVEL_TEXT("Main", "Load League");
}  // namespace

Main::Main(TeamSession& session, Ui& ui, fs::path startFolder)
    : Window(kCaption),
      session_(session),
      vars_(session.Vars()),
      ui_(ui),
      startFolder_(std::move(startFolder)) {}

void Main::Form_Load() {
    // A save that a killed program left half done is finished before anything reads the files.
    // When it cannot be, it waits with every file it names, and no league is loaded over it.
    try {
        RecoverStartFolder(startFolder_);
    } catch (const std::exception& failure) {
        ui_.MsgBox(failure.what(), Buttons::OK, Icon::Critical, kLoadLeagueTitle);
        return;
    }
    // A failing start-up is tried once more from the default names on; when it fails again the
    // window opens with no league and says why.
    try {
        StartUp();
    } catch (const std::exception&) {
        try {
            StartUp();
        } catch (const std::exception& failure) {
            ui_.MsgBox(failure.what(), Buttons::OK, Icon::Critical, kLoadLeagueTitle);
        }
    }
}

void Main::StartUp() {
    korvel::StartUp(vars_, startFolder_, [this](const fs::path& base) { LoadLg(base); });
}

void Main::LoadLeague_Click() {
    FileDialog dialog;
    dialog.Title = kLoadLeagueTitle;
    dialog.Filters = ParseFilterList("All Files|*.*|Norrik Files|*.tms");
    dialog.SelectedFilter = 1;
    dialog.InitialFolder = "c:\\vessa\\";
    dialog.FallbackFolders = {vars_.LeaguePath.parent_path(), vars_.StartFolder};
    dialog.FileName = "test.tms";
    const auto chosen = ui_.OpenFile(dialog);
    if (!chosen) return;

    // The league's base path is the chosen name without its last four characters (".tms").
    fs::path::string_type name = chosen->native();
    name.erase(name.size() - std::min<std::size_t>(4, name.size()));
    LoadChosenLeague(fs::path(name));
}

void Main::LoadLeagueFile(const fs::path& file) {
    fs::path base = file;
    for (const char* extension : {".tms", ".lge", ".TMS", ".LGE"}) {
        if (file.extension() == extension) base.replace_extension();
    }
    LoadChosenLeague(base);
}

void Main::LoadChosenLeague(const fs::path& base) {
    try {
        LoadLg(base);
    } catch (const std::exception& failure) {
        ui_.MsgBox(LoadFailureText(base, vars_.StartFolder, failure), Buttons::OK, Icon::Critical,
                   kLoadLeagueTitle);
    }
}

void Main::cmdReload_Click() {
    if (!vars_.LeagueLoaded()) return;
    const fs::path base = vars_.LeaguePath;
    LoadChosenLeague(base);
}

bool Main::CheckLeagueFiles() {
    if (!vars_.LeagueLoaded()) return false;
    const bool changed = !(StampLeagueFiles(vars_.LeaguePath) == loadedStamp_);
    ShowLeagueChanged(changed);
    return changed;
}

void Main::ShowLeagueChanged(bool changed) {
    lblLeagueChanged.Visible = changed;
    cmdReload.Visible = changed;
}

void Main::LoadLg(const fs::path& path) {
    // A save the start could not finish is tried again before a load writes the working copies.
    if (CommitInterrupted(startFolder_)) RecoverStartFolder(startFolder_);
    // Stamped before reading: a write the reading overlaps shows as a change afterwards.
    const LeagueFileStamp stamp = StampLeagueFiles(path);
    LeagueLoaded loaded = korvel::LoadLeague(vars_, path);
    gameDays_ = std::move(loaded.Visit);
    BriefingDue = gameDays_ && gameDays_->NewGameDay;
    GameDayNotice = std::move(loaded.Notice);
    loadedStamp_ = stamp;
    ShowLeagueChanged(false);
    ShowLeague();
    if (loaded.ShortRoster) {
        ui_.MsgBox(*loaded.ShortRoster, Buttons::OK, Icon::Information, kLoadLeagueTitle);
    }
}

void Main::ShowLeague() {
    for (auto& list : lstDivs) list.Clear();
    for (auto& list : lstTeams) list.Clear();
    Label1.Caption = vars_.League.Conferences[0].ConfName.Utf8();
    Label2.Caption = vars_.League.Conferences[1].ConfName.Utf8();
    Label3.Caption = vars_.League.LeagueName.Utf8();
    for (int conf = 0; conf < 2; ++conf) {
        // Each conference lists its first two divisions only.
        for (int division = 0; division < 2; ++division) {
            lstDivs[conf].AddItem(
                vars_.League.Conferences[conf].Divisions[division].DivName.Utf8());
        }
    }
    for (int conf = 0; conf < 2; ++conf) {
        lstDivs[conf].ListIndex = 0;
        lstDivs_Click(conf);
    }
    // The team menus wait for a team of this league: when the load selects none (no team is
    // listed), CurrentTeam still names a team of the league before and must not be opened.
    coach.Enabled = false;
    manager.Enabled = false;
    for (int conf = 0; conf < 2; ++conf) {
        if (lstTeams[conf].ListCount() == 0) continue;
        lstTeams[conf].ListIndex = 0;
        lstTeams_Click(conf);
    }
    if (RememberedTeam) {
        if (const auto team = RememberedTeam(vars_.LeaguePath)) SelectTeam(*team);
    }
    Caption = Utf8Of(vars_.LeaguePath);
}

void Main::lstDivs_Click(int conf) {
    auto& teams = lstTeams[conf];
    teams.Clear();
    for (const int t : TeamsOfDivision(vars_, conf, lstDivs[conf].ListIndex)) {
        teams.AddItem(vars_.Teams[static_cast<std::size_t>(t)].Name.Utf8(), t);
    }
}

void Main::lstTeams_Click(int conf) {
    if (!lstTeams[conf].HasSelection()) return;
    coach.Enabled = true;
    manager.Enabled = true;
    session_.SelectTeam(lstTeams[conf].SelectedItemData());
}

void Main::lstTeams_DblClick(int conf) {
    if (!lstTeams[conf].HasSelection()) return;
    session_.SelectTeam(lstTeams[conf].SelectedItemData());
    ShowTeamInfo();
}

void Main::ViewTeam_Click() {
    if (manager.Enabled) ShowTeamInfo();
}

// The team information window reads the team's roster itself, on every refresh.
void Main::ShowTeamInfo() {
    RunGuarded(ui_, KORVEL_TEXT("Main", "View Team"), [&] {
        DisplayTeam info(session_, ui_);
        ui_.ShowModal(info);
    });
}

void Main::SetRoster_Click() {
    if (!coach.Enabled) return;
    // The session reads the team into its working slot; a failure is shown and opens nothing.
    const Outcome opened = session_.OpenRoster(KORVEL_TEXT("Main", "Set Game Roster"));
    ShowOutcome(ui_, opened);
    if (!opened) return;
    Roster roster(session_, ui_);
    ui_.ShowModal(roster);
}

void Main::SetLines_Click() {
    if (!coach.Enabled) return;
    const Outcome opened = session_.OpenLines(KORVEL_TEXT("Main", "Set Lines"));
    ShowOutcome(ui_, opened);
    if (!opened) return;
    Lines lines(session_, ui_);
    ui_.ShowModal(lines);
}

void Main::Standings_Click() {
    if (!manager.Enabled) return;
    korvel::Standings standings(vars_, [this](int team) { SelectTeam(team); });
    ui_.ShowModal(standings);
}

void Main::Briefing_Click() {
    if (!manager.Enabled || !gameDays_) return;
    GameDayBriefing::Openers open{[this] { SetRoster_Click(); }, [this] { SetLines_Click(); },
                                  [this] { Season_Click(); }};
    RunGuarded(ui_, KORVEL_TEXT("Main", "Briefing"), [&] {
        GameDayBriefing briefing(vars_, ui_, *gameDays_, std::move(open));
        ui_.ShowModal(briefing);
    });
}

void Main::Season_Click() {
    if (!manager.Enabled) return;
    RunGuarded(ui_, "Season", [&] {
        SeasonView season(vars_, ui_,
                          gameDays_ ? gameDays_->Now : ReadLeagueState(vars_.LeaguePath));
        ui_.ShowModal(season);
    });
}

void Main::GameDayNews(bool openBriefing) {
    if (!GameDayNotice.empty()) {
        ui_.MsgBox(std::exchange(GameDayNotice, {}), Buttons::OK, Icon::Information,
                   KORVEL_TEXT("Main", "Briefing"));
    }
    if (std::exchange(BriefingDue, false) && openBriefing) Briefing_Click();
}

void Main::SelectTeam(int team) {
    if (!vars_.LeagueLoaded() || team < 0 || team > vars_.League.LastTeam) return;
    const Team& record = vars_.Teams[static_cast<std::size_t>(team)];
    const int conf = record.Conference;
    if (conf < 2 && record.Division < lstDivs[conf].ListCount()) {
        lstDivs[conf].ListIndex = record.Division;
        lstDivs_Click(conf);
        for (int entry = 0; entry < lstTeams[conf].ListCount(); ++entry) {
            if (lstTeams[conf].Items[entry].ItemData != team) continue;
            lstTeams[conf].ListIndex = entry;
            lstTeams_Click(conf);
            return;
        }
    }
    // A team the lists do not show becomes current all the same, as a click would make it.
    coach.Enabled = true;
    manager.Enabled = true;
    session_.SelectTeam(team);
}

void Main::exit_Click() {
    Unload();
}

}  // namespace korvel

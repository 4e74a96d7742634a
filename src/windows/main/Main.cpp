#include "windows/main/Main.h"

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/CommitJournal.h"
#include "platform/Files.h"
#include "platform/Utf8Paths.h"
#include "windows/lines/Lines.h"
#include "windows/roster/Roster.h"
#include "windows/standings/Standings.h"
#include "windows/team/DisplayTeam.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {
constexpr const char* kLoadLeagueTitle = "Load League";

// A file of the start folder that is not one of the league's own is a working copy (or its
// temporary file): when it cannot be written the start folder is at fault, not the league.
bool WorkingCopyFailed(const fs::path& league, const fs::path& startFolder,
                       const std::exception& failure) {
    const auto* file = dynamic_cast<const FileError*>(&failure);
    if (file == nullptr) return false;
    const fs::path folder = file->File().parent_path().lexically_normal();
    if (folder != fs::path(startFolder).lexically_normal() &&
        folder != (startFolder / "").lexically_normal().parent_path()) {
        return false;
    }
    for (const char* extension : {".lge", ".tms", ".ros"}) {
        if (file->File() == WithExtension(league, extension)) return false;
    }
    return true;
}

std::string LoadFailureText(const fs::path& path, const fs::path& startFolder,
                            const std::exception& failure) {
    if (WorkingCopyFailed(path, startFolder, failure)) {
        return "The start folder " + Utf8Of(startFolder) +
               " must be writable: Korvel keeps its working copies of the league there.\n\n" +
               failure.what();
    }
    return "The league " + Utf8Of(path) + " could not be loaded.\n\n" + failure.what();
}
}  // namespace

Main::Main(Variables& vars, Ui& ui, fs::path startFolder)
    : Window(kCaption), vars_(vars), ui_(ui), startFolder_(std::move(startFolder)) {}

void Main::Form_Load() {
    // A save that a killed program left half done is finished before anything reads the files.
    try {
        FinishInterruptedCommit(startFolder_);
    } catch (const std::exception& failure) {
        ui_.MsgBox(failure.what(), Buttons::OK, Icon::Critical, kLoadLeagueTitle);
    }
    RemoveLeftoverTemporaryFiles(startFolder_);
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
    InitialiseVariables(vars_, startFolder_);
    const auto remembered = ReadDefaultsFile(DefaultsFileIn(vars_.StartFolder));
    if (!remembered || remembered->empty()) return;
    // A relative path was written relative to the start folder, whatever folder we run in now.
    const fs::path base = vars_.StartFolder / *remembered;
    if (!FileExists(WithExtension(base, ".lge"))) return;
    try {
        LoadLg(base);
    } catch (const std::exception& failure) {
        throw std::runtime_error(LoadFailureText(base, vars_.StartFolder, failure));
    }
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
    // Stamped before reading: a write the reading overlaps shows as a change afterwards.
    const LeagueFileStamp stamp = StampLeagueFiles(path);
    const LeagueFileSet league = ReadLeagueFiles(path);
    InstallLeague(vars_, league);
    loadedStamp_ = stamp;
    ShowLeagueChanged(false);
    ShowLeague();
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
    Caption = Utf8Of(vars_.LeaguePath);
}

void Main::lstDivs_Click(int conf) {
    auto& teams = lstTeams[conf];
    teams.Clear();
    const int division = lstDivs[conf].ListIndex;
    if (!vars_.LeagueLoaded()) return;
    for (int t = 0; t <= vars_.League.LastTeam; ++t) {
        const Team& team = vars_.Teams[t];
        if (team.Conference == conf && team.Division == division)
            teams.AddItem(team.Name.Utf8(), t);
    }
}

void Main::lstTeams_Click(int conf) {
    if (!lstTeams[conf].HasSelection()) return;
    coach.Enabled = true;
    manager.Enabled = true;
    vars_.CurrentTeam = static_cast<std::uint8_t>(lstTeams[conf].SelectedItemData());
}

void Main::lstTeams_DblClick(int conf) {
    if (!lstTeams[conf].HasSelection()) return;
    vars_.CurrentTeam = static_cast<std::uint8_t>(lstTeams[conf].SelectedItemData());
    ShowTeamInfo();
}

void Main::ViewTeam_Click() {
    if (manager.Enabled) ShowTeamInfo();
}

// The team information window reads the team's roster itself, on every refresh.
void Main::ShowTeamInfo() {
    RunGuarded(ui_, "View Team", [&] {
        DisplayTeam info(vars_, ui_);
        ui_.ShowModal(info);
    });
}

void Main::SetRoster_Click() {
    if (!coach.Enabled) return;
    if (!RunGuarded(ui_, "Set Game Roster", [&] { LoadTeam(vars_, vars_.CurrentTeam, 0); })) return;
    Roster roster(vars_, ui_);
    ui_.ShowModal(roster);
}

void Main::SetLines_Click() {
    if (!coach.Enabled) return;
    if (!RunGuarded(ui_, "Set Lines", [&] { LoadTeam(vars_, vars_.CurrentTeam, 0); })) return;
    Lines lines(vars_, ui_);
    ui_.ShowModal(lines);
}

void Main::Standings_Click() {
    if (!manager.Enabled) return;
    korvel::Standings standings(vars_, [this](int team) { SelectTeam(team); });
    ui_.ShowModal(standings);
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
    vars_.CurrentTeam = static_cast<std::uint8_t>(team);
}

void Main::exit_Click() {
    Unload();
}

}  // namespace korvel

#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "league/GameDayHistory.h"
#include "league/LeagueFileStamp.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"
#include "session/TeamSession.h"

namespace korvel {

// The main window: the loaded league's conferences, their divisions and teams, the current team,
// and the menus that open the other windows for it.
class Main : public Window {
  public:
    static constexpr const char* kCaption = "Ostervald";

    Main(TeamSession& session, Ui& ui, std::filesystem::path startFolder);

    // Controls.
    Label Label3{KORVEL_TEXT("Main", "League Name")};
    Label Label1{KORVEL_TEXT("Main", "Conference 1")};
    Label Label2{KORVEL_TEXT("Main", "Conference 2")};
    std::array<ListBox, 2> lstDivs;   // by conference
    std::array<ListBox, 2> lstTeams;  // by conference; item data is the team index

    MenuItem file{KORVEL_TEXT("Main", "File")};
    MenuItem LoadLeague{KORVEL_TEXT("Main", "Load"), true, "Ctrl+L"};
    MenuItem exit{KORVEL_TEXT("Main", "Exit"), true, "Ctrl+Q"};
    MenuItem manager{KORVEL_TEXT("Main", "Manager"), false};
    MenuItem ViewTeam{KORVEL_TEXT("Main", "View Team"), true, "Ctrl+V"};
    MenuItem Standings{KORVEL_TEXT("Main", "Standings"), true, "Ctrl+T"};
    MenuItem Briefing{KORVEL_TEXT("Main", "Briefing"), true, "Ctrl+B"};
    MenuItem Season{KORVEL_TEXT("Main", "Season"), true, "Ctrl+G"};
    MenuItem coach{KORVEL_TEXT("Main", "Coach"), false};
    MenuItem SetRoster{KORVEL_TEXT("Main", "Set Game Roster"), true, "Ctrl+R"};
    MenuItem SetLines{KORVEL_TEXT("Main", "Set Lines"), true, "Ctrl+E"};
    MenuItem Info{KORVEL_TEXT("Main", "Info")};
    MenuItem About{KORVEL_TEXT("Main", "About")};

    // The bar above the lists when the league's files changed on disk after the load.
    Label lblLeagueChanged{
        KORVEL_TEXT("Main", "The league's files changed on disk since they were loaded."), false};
    Button cmdReload{KORVEL_TEXT("Main", "Reload"), true, false};

    // Start-up: name tables, the defaults file and the league loaded last time.
    void Form_Load() override;

    void LoadLeague_Click();
    // Loads the league of `file` as Load does when that file is chosen: a ".tms" or ".lge" file
    // of the league, or its base path. A failure is shown and leaves the loaded league as it was.
    void LoadLeagueFile(const std::filesystem::path& file);
    // Loads the league with base path `path`. The league is read and checked completely before
    // anything changes; a failure throws and leaves the loaded league as it was.
    void LoadLg(const std::filesystem::path& path);

    void lstDivs_Click(int conf);
    void lstTeams_Click(int conf);
    void lstTeams_DblClick(int conf);
    void ViewTeam_Click();
    void SetRoster_Click();
    void SetLines_Click();
    void exit_Click();
    void Standings_Click();
    // Opens the game-day briefing of the current team.
    void Briefing_Click();
    // Opens the season so far of the current team.
    void Season_Click();
    // Makes `team` current as a click on it in a team list does, selecting its division and entry
    // when the lists show it.
    void SelectTeam(int team);

    // Shows the bar when the league's files differ from those loaded; true when they do.
    bool CheckLeagueFiles();
    // Loads the current league again, as File > Load does when it is chosen.
    void cmdReload_Click();
    void About_Click() {}

    // The team the manager last chose in the league of this base path, when it is remembered;
    // selected after each load, over the first team the load selects.
    std::function<std::optional<int>(const std::filesystem::path& league)> RememberedTeam;

    // The league's last two game days, as the last load found them; none before a load.
    const std::optional<GameDayVisit>& GameDays() const { return gameDays_; }
    // Set by a load: the league changed since the game day before (the briefing is due), and what
    // the user should hear of the game-day history (a damaged one set aside). Front ends clear
    // them.
    bool BriefingDue = false;
    std::string GameDayNotice;
    // After a load: shows the notice, then opens the briefing when it is due and `openBriefing`.
    void GameDayNews(bool openBriefing);

  private:
    void StartUp();
    void ShowTeamInfo();
    void ShowLeague();
    void ShowLeagueChanged(bool changed);
    void LoadChosenLeague(const std::filesystem::path& base);

    TeamSession& session_;
    Variables& vars_;
    Ui& ui_;
    std::filesystem::path startFolder_;
    LeagueFileStamp loadedStamp_;
    std::optional<GameDayVisit> gameDays_;
};

}  // namespace korvel

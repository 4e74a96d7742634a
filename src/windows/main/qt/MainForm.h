#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "league/Variables.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/WindowForm.h"
#include "windows/main/Main.h"

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QListWidget;
class QMenu;

namespace korvel {

class LeagueWatch;

// Registers the form of every window that the main window, and the windows it opens, show.
void RegisterWindowForms(qt::QtUi& ui);

// The main window on screen: the league name, the two conference columns with their division and
// team lists, and the menus, over a picture of a rink.
class MainForm : public qt::MainWindowForm {
  public:
    MainForm(Main& window, const Variables& vars, QWidget* parent = nullptr);

    // The widgets, named after the controls they show.
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QListWidget*, 2> lstDivs{};
    std::array<QListWidget*, 2> lstTeams{};
    QMenu* file = nullptr;
    QMenu* manager = nullptr;
    QMenu* coach = nullptr;
    QMenu* Info = nullptr;
    QMenu* Help = nullptr;
    QAction* LoadLeague = nullptr;
    QAction* exit = nullptr;
    QAction* ViewTeam = nullptr;
    QAction* Standings = nullptr;
    QAction* Briefing = nullptr;
    QAction* Season = nullptr;
    QAction* SetRoster = nullptr;
    QAction* SetLines = nullptr;
    QAction* About = nullptr;
    // Help > Korvel Help (F1): the manual.
    QAction* KorvelHelp = nullptr;
    // File: the leagues loaded last, newest first, each loading its league as Load does.
    std::vector<QAction*> RecentLeagues;
    // The bar above the lists that says the league changed on disk, with its Reload button.
    QFrame* LeagueChangedBar = nullptr;
    QLabel* lblLeagueChanged = nullptr;
    QPushButton* cmdReload = nullptr;

    // Looks at the league's files now and shows or hides the bar. The file system says when they
    // may have changed; while another window is open the look waits until this one is active.
    void CheckLeagueFiles();

    // Another start of the program in this start folder asks for this window: it comes to the
    // front (with the window open over it) and loads `league` when one is given: at once, or when
    // the windows open over it have closed (the status bar says so meanwhile).
    void BringForward(const std::filesystem::path& league);

    // A notice in the status bar for a while, over the current team.
    void ShowNotice(const QString& text);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QWidget* MakeLeagueChangedBar(QWidget* parent);
    void NameLists();
    void CreateWidgets();
    void CreateMenus();
    void ShowStatus();
    void RememberChoices();
    void ShowRecentLeagues();
    void LeagueTouched();
    void OpenOnEnter(QListWidget& list, int conf);
    void LoadQueuedLeague();

    QLabel* status_ = nullptr;
    LeagueWatch* watch_ = nullptr;
    bool leagueTouched_ = false;
    // The league a second start asked for, waiting for the open windows to close.
    std::filesystem::path queuedLeague_;
    std::vector<std::filesystem::path> recentShown_;
    QAction* recentSeparator_ = nullptr;
    std::filesystem::path rememberedLeague_;
    int rememberedTeam_ = -1;
    bool gameDayNewsPosted_ = false;
    Main& window_;
    const Variables& vars_;
};

}  // namespace korvel

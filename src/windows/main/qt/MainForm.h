#pragma once

#include <array>

#include "league/Variables.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/WindowForm.h"
#include "windows/main/Main.h"

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QListWidget;
class QMenu;

namespace korvel {

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
    QAction* LoadLeague = nullptr;
    QAction* exit = nullptr;
    QAction* ViewTeam = nullptr;
    QAction* Standings = nullptr;
    QAction* Briefing = nullptr;
    QAction* SetRoster = nullptr;
    QAction* SetLines = nullptr;
    QAction* About = nullptr;
    // The bar above the lists that says the league changed on disk, with its Reload button.
    QFrame* LeagueChangedBar = nullptr;
    QLabel* lblLeagueChanged = nullptr;
    QPushButton* cmdReload = nullptr;

    // Looks at the league's files now (a timer does it every few seconds while no other window is
    // open) and shows or hides the bar.
    void CheckLeagueFiles();

  private:
    QWidget* MakeLeagueChangedBar(QWidget* parent);
    void CreateWidgets();
    void CreateMenus();
    void ShowStatus();

    QLabel* status_ = nullptr;
    QTimer* fileCheck_ = nullptr;
    bool gameDayNewsPosted_ = false;
    Main& window_;
    const Variables& vars_;
};

}  // namespace korvel

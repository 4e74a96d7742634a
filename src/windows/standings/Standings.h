#pragma once

#include <array>
#include <functional>
#include <string>

#include "league/Standings.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Window.h"

namespace korvel {

// The standings of the loaded league: one table per division that holds a team, the teams of no
// division listed apart. A double click on a team makes it the current team.
class Standings : public Window {
  public:
    static constexpr const char* kCaption = KORVEL_TEXT("Standings", "Standings");
    using MakeCurrent = std::function<void(int team)>;

    // `makeCurrent` makes a team current as a click in the main window's team list does.
    Standings(const Variables& vars, MakeCurrent makeCurrent);

    // State: the tables as computed when the window loaded, and the team shown as current.
    LeagueStandings Shown;
    int CurrentTeam = -1;
    std::array<std::string, 2> ConferenceNames;  // without trailing blanks

    // The division's conference and name, "East · North"; "Conference 1" or "Division 2" stand
    // for names the league leaves blank.
    static std::string Heading(const DivisionStandings& division);

    // "Unlisted: Oslo, Bern" under the tables; hidden when every team has a division.
    Label lblUnlisted{"", false};
    Button cmdExit{KORVEL_TEXT("Standings", "Exit")};

    void Form_Load() override;
    void Team_DblClick(int teamIndex);
    void cmdExit_Click();

  private:
    const Variables& vars_;
    MakeCurrent makeCurrent_;
};

}  // namespace korvel

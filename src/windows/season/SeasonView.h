#pragma once

#include <functional>
#include <string>

#include "league/GameDayHistory.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"
#include "session/Season.h"

namespace korvel {

// The season so far of the current team: its run by game day (drawn by the form), the form of
// each player over the last game days, the absences, and the waiver wire against the weakest
// dressed player of each position. Every player leads to his card. Nothing is read before the
// window loads.
class SeasonView : public Window {
  public:
    static constexpr const char* kCaption = KORVEL_TEXT("Season", "Season");
    static constexpr int kFormDays = 5;

    // `now` is the league as the load found it; the kept game days are read when the window loads.
    SeasonView(Variables& vars, Ui& ui, LeagueState now);

    // State: the season shown.
    korvel::Season Shown;

    // Controls. Form rows are Shown.Form; their item data, as the lists', is the roster place
    // (the waiver wire: the entry of the league's waiver list).
    Label lblTitle;
    Label lblNote{"", false};
    Label lblRun;  // the record now and how it went over the kept game days
    Label lblForm;
    Label lblAbsences;
    Label lblWaivers;
    ListBox lstAbsences;
    ListBox lstWaivers;
    Button cmdExit{KORVEL_TEXT("Season", "Exit")};

    void Form_Load() override;
    // Enter or a double click on the player of roster place `index` in the form table.
    void FormPlayer_Open(int index);
    void lstAbsences_DblClick();
    void lstWaivers_DblClick();
    void cmdExit_Click();

  private:
    void ShowTeamPlayer(int index);

    Variables& vars_;
    Ui& ui_;
    LeagueState now_;
};

}  // namespace korvel

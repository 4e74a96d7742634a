#pragma once

#include <array>
#include <string_view>

#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"
#include "ratings/PositionalStrength.h"
#include "session/TeamSession.h"
#include "windows/team/TeamFinances.h"

namespace korvel {

// The team information window: the current team's identity, season record and statistics,
// roster make-up and finance projection. Nothing in it can be edited; its buttons open the lines
// and game-roster windows for the same team.
class DisplayTeam : public Window {
  public:
    static constexpr const char* kCaption = KORVEL_TEXT("DisplayTeam", "Team Info");
    static constexpr Colour kValueColour = 0xFFFFFF;
    static constexpr Colour kDeficitColour = 0xFF0000;

    DisplayTeam(TeamSession& session, Ui& ui);

    // State: false until the first refresh has filled the identity fields.
    bool InfoShown = false;
    // The strength of each position, from the roster read by the latest refresh.
    TeamStrength Strength{};

    // Value fields (the captions beside them are in Fields).
    Label lblTeam{KORVEL_TEXT("DisplayTeam", "Team Name")};
    Label lblConf, lblDiv, lblAbbrev, lblOwner, lblEmail, lblICQ, lblCoach, lblArena, lblSeats,
        lblTicket;
    Label lblGP, lblW, lblL, lblT, lblGF, lblGA, lblPP, lblPK, lblSF, lblSA, lblPIM;
    Label lblAvgHgt, lblAvgWgt, lblAvgAge, lblPro, lblFarm, lblFA;
    Label lblRev, lblEst, lblExpGame, lblProjExp, lblProjBal, lblCurFin, lblHome, lblGR;

    // Picture buttons: Exit, Team Lines, Team Roster.
    Button Command1, Command2, Command3;

    // Every value field with its caption, from lblTeam to lblGR.
    struct FieldInfo {
        const char* Name;  // the control's name
        const char* Caption;
        Label DisplayTeam::*Member;
    };
    static const std::array<FieldInfo, 36> Fields;
    // The value field named `name`; throws std::out_of_range for an unknown name.
    Label& Field(std::string_view name);
    const Label& Field(std::string_view name) const;

    void Form_Load() override;
    // The refresh: reads the team's roster into slot 0 and shows everything again.
    void DisplayInfo();
    // Recomputes the projected balance from the displayed amounts.
    void UpdateBalance();

    void Command1_Click();  // Exit
    void Command2_Click();  // Team Lines
    void Command3_Click();  // Team Roster, then a refresh

  private:
    void ShowIdentity();
    void ShowFinances(const SeasonFigures& season);

    TeamSession& session_;
    Variables& vars_;
    Ui& ui_;
};

}  // namespace korvel

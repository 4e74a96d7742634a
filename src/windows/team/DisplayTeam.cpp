#include "windows/team/DisplayTeam.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/NumberFormat.h"
#include "platform/Phrase.h"
#include "windows/lines/Lines.h"
#include "windows/roster/Roster.h"

namespace korvel {
namespace {

constexpr const char* kTeamRosterTitle = KORVEL_TEXT("DisplayTeam", "Team Roster");

// Who is on the roster, what they cost and the sums behind the pro players' averages.
struct RosterMakeUp {
    int Pro = 0;
    int Farm = 0;
    std::int64_t ProSalaries = 0;
    std::int64_t FarmSalaries = 0;
    int HeightSum = 0;
    int WeightSum = 0;
    int AgeSum = 0;
};

// Healthy farm players and pro players (dressed or scratched, injured or not) count; an injured
// farm player counts nowhere.
RosterMakeUp ScanRoster(const RosterSlot& roster) {
    RosterMakeUp makeUp;
    for (const Player& player : roster) {
        if (player.IsEmptyPlace()) continue;
        if (player.Status == 0) {
            ++makeUp.Farm;
            makeUp.FarmSalaries += FarmCost(player.Salary);
        } else if (IsPro(player.Status)) {
            ++makeUp.Pro;
            makeUp.ProSalaries += player.Salary;
            makeUp.HeightSum += player.Height;
            makeUp.WeightSum += player.Weight;
            makeUp.AgeSum += player.Age;
        }
    }
    return makeUp;
}

// Games per team: every scheduled game has two teams; halves go to the even number.
int SeasonGamesOf(const League& league) {
    const double games = 2.0 * league.ScheduledGames / (league.LastTeam + 1);
    return static_cast<int>(std::nearbyint(games));  // the default rounding: ties to even
}

// One decimal after truncating to one decimal: 5 of 23 is 21.739..., shown as 21.7.
float TruncatedPercent(double part, double whole) {
    return static_cast<float>(std::floor(part / whole * 1000.0) / 10.0);
}

std::string CountText(int count) {
    return count == 0 ? std::string() : std::to_string(count);
}

}  // namespace

const std::array<DisplayTeam::FieldInfo, 36> DisplayTeam::Fields = {{
    {"lblTeam", KORVEL_TEXT("DisplayTeam", "Team Name"), &DisplayTeam::lblTeam},
    {"lblConf", KORVEL_TEXT("DisplayTeam", "CONF"), &DisplayTeam::lblConf},
    {"lblDiv", KORVEL_TEXT("DisplayTeam", "DIV"), &DisplayTeam::lblDiv},
    {"lblAbbrev", KORVEL_TEXT("DisplayTeam", "ABBREV"), &DisplayTeam::lblAbbrev},
    {"lblOwner", KORVEL_TEXT("DisplayTeam", "OWNER"), &DisplayTeam::lblOwner},
    {"lblEmail", KORVEL_TEXT("DisplayTeam", "EMAIL"), &DisplayTeam::lblEmail},
    {"lblICQ", KORVEL_TEXT("DisplayTeam", "ICQ#"), &DisplayTeam::lblICQ},
    {"lblCoach", KORVEL_TEXT("DisplayTeam", "COACH"), &DisplayTeam::lblCoach},
    {"lblArena", KORVEL_TEXT("DisplayTeam", "ARENA"), &DisplayTeam::lblArena},
    {"lblSeats", KORVEL_TEXT("DisplayTeam", "SEATS"), &DisplayTeam::lblSeats},
    {"lblTicket", KORVEL_TEXT("DisplayTeam", "TICKET $"), &DisplayTeam::lblTicket},
    {"lblGP", KORVEL_TEXT("DisplayTeam", "GP"), &DisplayTeam::lblGP},
    {"lblW", "W", &DisplayTeam::lblW},
    {"lblL", "L", &DisplayTeam::lblL},
    {"lblT", "T", &DisplayTeam::lblT},
    {"lblGF", KORVEL_TEXT("DisplayTeam", "GF"), &DisplayTeam::lblGF},
    {"lblGA", KORVEL_TEXT("DisplayTeam", "GA"), &DisplayTeam::lblGA},
    {"lblPP", KORVEL_TEXT("DisplayTeam", "PP%"), &DisplayTeam::lblPP},
    {"lblPK", KORVEL_TEXT("DisplayTeam", "PK%"), &DisplayTeam::lblPK},
    {"lblSF", KORVEL_TEXT("DisplayTeam", "SF/G"), &DisplayTeam::lblSF},
    {"lblSA", KORVEL_TEXT("DisplayTeam", "SA/G"), &DisplayTeam::lblSA},
    {"lblPIM", KORVEL_TEXT("DisplayTeam", "PIM/G"), &DisplayTeam::lblPIM},
    {"lblAvgHgt", KORVEL_TEXT("DisplayTeam", "Average Height"), &DisplayTeam::lblAvgHgt},
    {"lblAvgWgt", KORVEL_TEXT("DisplayTeam", "Average Weight"), &DisplayTeam::lblAvgWgt},
    {"lblAvgAge", KORVEL_TEXT("DisplayTeam", "Average Age"), &DisplayTeam::lblAvgAge},
    {"lblPro", KORVEL_TEXT("DisplayTeam", "Pro Players"), &DisplayTeam::lblPro},
    {"lblFarm", KORVEL_TEXT("DisplayTeam", "Farm Players"), &DisplayTeam::lblFarm},
    {"lblFA", KORVEL_TEXT("DisplayTeam", "Projected Free Agents"), &DisplayTeam::lblFA},
    {"lblRev", KORVEL_TEXT("DisplayTeam", "Revenue/Game"), &DisplayTeam::lblRev},
    {"lblEst", KORVEL_TEXT("DisplayTeam", "Estimated Revenue"), &DisplayTeam::lblEst},
    {"lblExpGame", KORVEL_TEXT("DisplayTeam", "Expenses/Game"), &DisplayTeam::lblExpGame},
    {"lblProjExp", KORVEL_TEXT("DisplayTeam", "Projected Expenses"), &DisplayTeam::lblProjExp},
    {"lblProjBal", KORVEL_TEXT("DisplayTeam", "Projected Balance"), &DisplayTeam::lblProjBal},
    {"lblCurFin", KORVEL_TEXT("DisplayTeam", "Current Finances"), &DisplayTeam::lblCurFin},
    {"lblHome", KORVEL_TEXT("DisplayTeam", "Home Games Remaining"), &DisplayTeam::lblHome},
    {"lblGR", KORVEL_TEXT("DisplayTeam", "Games Remaining"), &DisplayTeam::lblGR},
}};

DisplayTeam::DisplayTeam(TeamSession& session, Ui& ui)
    : Window(kCaption), session_(session), vars_(session.Vars()), ui_(ui) {
    for (const FieldInfo& field : Fields) (this->*field.Member).ForeColor = kValueColour;
}

Label& DisplayTeam::Field(std::string_view name) {
    return const_cast<Label&>(std::as_const(*this).Field(name));
}

const Label& DisplayTeam::Field(std::string_view name) const {
    for (const FieldInfo& field : Fields) {
        if (name == field.Name) return this->*field.Member;
    }
    throw std::out_of_range("the team information window has no field " + std::string(name));
}

void DisplayTeam::Form_Load() {
    InfoShown = false;
    DisplayInfo();
}

void DisplayTeam::DisplayInfo() {
    SeasonFigures season;
    season.SeasonGames = SeasonGamesOf(vars_.League);
    season.SeasonStarted = vars_.League.SeasonStarted != 0;

    LoadTeam(vars_, vars_.CurrentTeam, 0);
    const RosterMakeUp makeUp = ScanRoster(vars_.Players[0]);
    Strength = StrengthOf(vars_.Players[0]);
    season.ProSalaries = makeUp.ProSalaries;
    season.FarmSalaries = makeUp.FarmSalaries;

    if (!InfoShown) ShowIdentity();
    Team& team = vars_.CurrentTeamRecord();
    lblCoach.Caption = team.Coach.Name.Utf8();

    // The record as stored at this moment, even when it is about to be zeroed below.
    const int gamesPlayed = team.Wins[0] + team.Losses[0] + team.Ties[0];
    lblGP.Caption = std::to_string(gamesPlayed);
    lblT.Caption = std::to_string(team.Ties[0]);
    lblGF.Caption = std::to_string(team.GoalsFor);
    lblW.Caption = std::to_string(team.Wins[0]);
    lblL.Caption = std::to_string(team.Losses[0]);
    lblGA.Caption = std::to_string(team.GoalsAgainst);

    // No power-play opportunities leaves PP% without a value; PK% is 0.0 when never shorthanded.
    lblPP.Caption = team.PPOpportunities > 0
                        ? FormatFixed(TruncatedPercent(team.PPGoals, team.PPOpportunities), 1)
                        : std::string();
    const float penaltyKill =
        team.TimesShorthanded > 0
            ? TruncatedPercent(team.TimesShorthanded - team.PPGoalsAgainst, team.TimesShorthanded)
            : 0.0f;
    lblPK.Caption = FormatFixed(penaltyKill, 1);

    // Before the season starts the record counts for nothing, and is cleared in memory.
    if (season.SeasonStarted) {
        season.TeamGamesPlayed = gamesPlayed;
    } else {
        team.Wins[0] = team.Losses[0] = team.Ties[0] = 0;
    }

    const float perGameDivisor =
        static_cast<float>(season.TeamGamesPlayed > 0 ? season.TeamGamesPlayed : 1);
    lblPIM.Caption = FormatFixed(team.PenaltyMinutes / perGameDivisor, 1);
    lblSF.Caption = FormatFixed(team.ShotsFor / perGameDivisor, 1);
    lblSA.Caption = FormatFixed(team.ShotsAgainst / perGameDivisor, 1);

    if (makeUp.Pro > 0) {
        const double pros = makeUp.Pro;
        lblAvgAge.Caption = FormatFixed(makeUp.AgeSum / pros, 1);
        lblAvgHgt.Caption = FormatFixed(makeUp.HeightSum / pros, 1);
        lblAvgWgt.Caption = FormatFixed(makeUp.WeightSum / pros, 1);
    }

    ShowFinances(season);
    lblPro.Caption = CountText(makeUp.Pro);
    lblFarm.Caption = CountText(makeUp.Farm);
    UpdateBalance();
    InfoShown = true;
}

void DisplayTeam::ShowIdentity() {
    const Team& team = vars_.CurrentTeamRecord();
    lblTeam.Caption = team.Name.Utf8();
    lblArena.Caption = team.Arena.Utf8();
    // Conference and division numbers come from the file: one outside the league's name tables
    // shows no name.
    const bool knownConference = team.Conference < vars_.League.Conferences.size();
    const Conference* conference =
        knownConference ? &vars_.League.Conferences[team.Conference] : nullptr;
    lblConf.Caption = conference ? conference->ConfName.Utf8() : std::string();
    lblDiv.Caption = conference && team.Division < conference->Divisions.size()
                         ? conference->Divisions[team.Division].DivName.Utf8()
                         : std::string();
    lblSeats.Caption = std::to_string(team.Seats);
    lblTicket.Caption = std::to_string(team.TicketPrice);
    lblAbbrev.Caption = team.Abbrev.Utf8();
    lblOwner.Caption = team.Owner.Utf8();
    lblICQ.Caption = team.ICQ.Utf8();
}

void DisplayTeam::ShowFinances(const SeasonFigures& season) {
    const FinanceProjection projection = ProjectFinances(vars_.CurrentTeamRecord(), season);
    lblCurFin.Caption = FormatDollars(projection.CurrentFinances);
    lblGR.Caption = std::to_string(projection.GamesRemaining);
    lblHome.Caption = FormatGeneral(projection.HomeGamesRemaining);
    lblRev.Caption = FormatDollars(projection.RevenuePerGame);
    lblEst.Caption = FormatDollars(projection.EstimatedRevenue);
    lblProjExp.Caption = FormatDollars(projection.ProjectedExpenses);
    lblExpGame.Caption = FormatDollars(projection.ExpensesPerGame);
}

void DisplayTeam::UpdateBalance() {
    const std::int64_t balance = ReadDisplayedAmount(lblEst.Caption) +
                                 ReadDisplayedAmount(lblCurFin.Caption) -
                                 ReadDisplayedAmount(lblProjExp.Caption);
    lblProjBal.Caption = FormatDollars(balance);
    lblProjBal.ForeColor = balance < 0 ? kDeficitColour : kValueColour;
}

void DisplayTeam::Command1_Click() {
    Unload();
}

void DisplayTeam::Command2_Click() {
    Lines lines(session_, ui_);
    ui_.ShowModal(lines);
}

// The roster window works on slot 0, which the last refresh filled with this team's roster; the
// refresh after it shows the moves made there.
void DisplayTeam::Command3_Click() {
    RunGuarded(ui_, kTeamRosterTitle, [&] {
        Roster roster(session_, ui_);
        ui_.ShowModal(roster);
    });
    RunGuarded(ui_, kTeamRosterTitle, [&] { DisplayInfo(); });
}

}  // namespace korvel

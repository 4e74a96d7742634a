#include "windows/team/DisplayTeam.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Files.h"
#include "platform/NumberFormat.h"
#include "session/TeamSession.h"
#include "support/LeagueBuilder.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "windows/main/Main.h"
#include "windows/team/TeamFinances.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;
using testing::HasSubstr;

constexpr int kTeam = 1;  // the team shown; team 0 is a neighbour
constexpr Colour kWhite = DisplayTeam::kValueColour;
constexpr Colour kRed = DisplayTeam::kDeficitColour;

Player MakePlayer(const std::string& name, std::uint8_t status, std::int32_t salary,
                  std::uint8_t height = 0, std::uint8_t weight = 0, std::uint8_t age = 0) {
    Player player;
    player.Name = FixedText<22>::FromString(name);
    player.Status = status;
    player.Salary = salary;
    player.Height = height;
    player.Weight = weight;
    player.Age = age;
    return player;
}

// A league of two teams on disk, loaded as the main window loads it, with team 1 current.
class TeamInfoWindow : public testing::Test {
  protected:
    test::TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    test::ScriptedUi ui;

    void Install(const RosterSlot& roster = {}) {
        test::LeagueBuilder builder;
        builder.AddTeam("Wolves", 0, 0);
        builder.AddTeam("Bears", 1, 1);
        std::copy(roster.begin(), roster.end(), builder.Players.begin() + kTeam * kRosterPlaces);
        builder.Write(folder / "league" / "test");
        fs::create_directories(start);
        InitialiseVariables(vars, start);
        InstallLeague(vars, ReadLeagueFiles(folder / "league" / "test"));
        vars.CurrentTeam = kTeam;
    }

    Team& Shown() { return vars.Teams[kTeam]; }

    // Puts `player` in place `index` of the team in the working roster file.
    void StorePlayer(int index, const Player& player) {
        RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
        roster.Write(PlayerRecordNumber(kTeam, index), EncodeRecord(player).data());
        roster.Save();
    }
};

TEST_F(TeamInfoWindow, IdentityFieldsAndNamesOutsideTheLeaguesTables) {
    struct Case {
        std::uint8_t conference, division;
        const char *confName, *divName;
    };
    const Case cases[] = {
        {1, 3, "West        ", "Fourth 1  "},
        {0, 4, "East        ", ""},
        {2, 0, "", ""},
        {255, 255, "", ""},
    };
    Install();
    Shown().Owner = FixedText<25>::FromString("Ada Owner");
    Shown().ICQ = FixedText<12>::FromString("12345");
    Shown().Abbrev = FixedText<3>::FromString("BRS");
    Shown().Arena = FixedText<30>::FromString("Bear Pit");
    Shown().Seats = -5;
    Shown().TicketPrice = 250;
    Shown().Coach.Name = FixedText<22>::FromString("Coach Kay");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.conference) << "/" << int(c.division));
        Shown().Conference = c.conference;
        Shown().Division = c.division;
        DisplayTeam info(session, ui);
        info.Form_Load();
        EXPECT_EQ(info.lblConf.Caption, c.confName);
        EXPECT_EQ(info.lblDiv.Caption, c.divName);
        EXPECT_EQ(info.lblTeam.Caption, "Bears     ");
        EXPECT_EQ(info.lblOwner.Caption, "Ada Owner                ");
        EXPECT_EQ(info.lblICQ.Caption, "12345       ");
        EXPECT_EQ(info.lblAbbrev.Caption, "BRS");
        EXPECT_EQ(info.lblArena.Caption, "Bear Pit                      ");
        EXPECT_EQ(info.lblSeats.Caption, "-5");
        EXPECT_EQ(info.lblTicket.Caption, "250");
        EXPECT_EQ(info.lblCoach.Caption, "Coach Kay             ");
        EXPECT_EQ(info.lblEmail.Caption, "");
        EXPECT_EQ(info.lblFA.Caption, "");
        for (const auto& field : DisplayTeam::Fields) {
            EXPECT_EQ(info.Field(field.Name).ForeColor, kWhite) << field.Name;
        }
    }
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(TeamInfoWindow, PowerPlayAndPenaltyKillTruncateBeforeTheyRound) {
    struct Case {
        std::uint8_t ppGoals;
        std::int16_t opportunities, shorthanded;
        std::uint8_t goalsAgainst;
        const char *pp, *pk;
    };
    const Case cases[] = {
        {5, 23, 0, 0, "21.7", "0.0"},     // 217.39 becomes 217
        {0, 0, 20, 3, "", "85.0"},        // no opportunities: no value
        {1, 3, 3, 1, "33.3", "66.6"},     // 666.67 becomes 666, not 66.7
        {7, 7, 10, 12, "100.0", "-20.0"}  // more goals against than times shorthanded
    };
    Install();
    for (const Case& c : cases) {
        Shown().PPGoals = c.ppGoals;
        Shown().PPOpportunities = c.opportunities;
        Shown().TimesShorthanded = c.shorthanded;
        Shown().PPGoalsAgainst = c.goalsAgainst;
        DisplayTeam info(session, ui);
        info.Form_Load();
        EXPECT_EQ(info.lblPP.Caption, c.pp) << int(c.ppGoals) << "/" << c.opportunities;
        EXPECT_EQ(info.lblPK.Caption, c.pk) << c.shorthanded << "/" << int(c.goalsAgainst);
    }
}

// Before the season starts Games Remaining is the season's length and Home Games Remaining half.
TEST_F(TeamInfoWindow, SeasonLengthRoundsHalvesToEvenAndMayExceedAByte) {
    struct Case {
        std::int16_t scheduled;
        std::uint8_t lastTeam;
        const char *games, *home;
    };
    const Case cases[] = {
        {80, 19, "8", "4"}, {41, 19, "4", "2"},     {5, 3, "2", "1"},
        {7, 3, "4", "2"},   {400, 1, "400", "200"}, {81, 1, "81", "40.5"},
    };
    Install();
    for (const Case& c : cases) {
        vars.League.ScheduledGames = c.scheduled;
        vars.League.LastTeam = c.lastTeam;
        DisplayTeam info(session, ui);
        info.Form_Load();
        EXPECT_EQ(info.lblGR.Caption, c.games) << c.scheduled << " games, " << c.lastTeam + 1;
        EXPECT_EQ(info.lblHome.Caption, c.home) << c.scheduled << " games, " << c.lastTeam + 1;
    }
}

TEST_F(TeamInfoWindow, BeforeTheSeasonTheRecordIsShownOnceThenClearedInMemory) {
    Install();
    vars.League.SeasonStarted = 0;
    vars.League.ScheduledGames = 82;
    Team& team = Shown();
    team.Wins[0] = 3;
    team.Losses[0] = 2;
    team.Ties[0] = 1;
    team.ShotsFor = 30.5f;
    team.ShotsAgainst = 12.25f;
    team.PenaltyMinutes = 8;
    team.Finances = -1234;
    team.RevenuePerGame = 5000;
    team.Coach.Salary = 840000;
    DisplayTeam open(session, ui);
    open.Form_Load();
    EXPECT_EQ(open.lblGP.Caption, "6");
    EXPECT_EQ(open.lblW.Caption + open.lblL.Caption + open.lblT.Caption, "321");
    EXPECT_EQ(open.lblSF.Caption, "30.5");  // season totals divided by 1
    EXPECT_EQ(open.lblSA.Caption, "12.3");
    EXPECT_EQ(open.lblPIM.Caption, "8.0");
    EXPECT_EQ(open.lblGR.Caption, "82");
    EXPECT_EQ(open.lblExpGame.Caption, "$5,000");
    EXPECT_EQ(open.lblEst.Caption, "$0,000");
    EXPECT_EQ(open.lblProjExp.Caption, "$0,000");
    EXPECT_EQ(open.lblProjBal.Caption, "-$1,234");
    EXPECT_EQ(open.lblProjBal.ForeColor, kRed);
    EXPECT_EQ(team.Wins[0] + team.Losses[0] + team.Ties[0], 0);

    // Team Roster refreshes everything but the identity fields; the record now reads 0-0-0.
    team.Name = FixedText<10>::FromString("Renamed");
    team.Coach.Name = FixedText<22>::FromString("New Coach");
    open.Command3_Click();
    EXPECT_EQ(open.lblGP.Caption, "0");
    EXPECT_EQ(open.lblW.Caption + open.lblL.Caption + open.lblT.Caption, "000");
    EXPECT_EQ(open.lblTeam.Caption, "Bears     ");
    EXPECT_EQ(open.lblCoach.Caption, "New Coach             ");

    // A new opening fills the identity fields again.
    DisplayTeam reopened(session, ui);
    reopened.Form_Load();
    EXPECT_EQ(reopened.lblTeam.Caption, "Renamed   ");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(TeamInfoWindow, RosterMakeUpCountsHealthyFarmAndAllProPlayers) {
    RosterSlot roster{};
    roster[0] = MakePlayer("Dressed", 200, 1000, 70, 180, 25);
    roster[1] = MakePlayer("Injured Pro", 203, 2000, 72, 190, 30);
    roster[2] = MakePlayer("Scratched", 100, 0, 74, 200, 26);
    roster[3] = MakePlayer("Farm", 0, 95, 99, 99, 99);
    roster[4] = MakePlayer("Injured Farm", 5, 5000, 99, 99, 99);
    roster[6] = MakePlayer("Second Farm", 0, -5);
    roster[7] = MakePlayer("", 200, 1000000, 99, 99, 99);
    roster[7].Name.Bytes[0] = '\0';  // an empty place, whatever else it holds
    Install(roster);
    DisplayTeam info(session, ui);
    info.Form_Load();
    EXPECT_EQ(info.lblPro.Caption, "3");
    EXPECT_EQ(info.lblFarm.Caption, "2");
    EXPECT_EQ(info.lblAvgHgt.Caption, "72.0");
    EXPECT_EQ(info.lblAvgWgt.Caption, "190.0");
    EXPECT_EQ(info.lblAvgAge.Caption, "27.0");
    // Season expenses 1000 + 2000 + 9 - 1: 3008 / 84 = 35.8.
    EXPECT_EQ(info.lblExpGame.Caption, "$0,035");

    // Team Roster opens the roster window on this team's players; what it stores shows after it
    // closes: without pro players the averages stay as shown, and counts of zero show empty.
    ui.OnShowModal = [&](Window& window) {
        EXPECT_EQ(window.Caption, "Set Game Roster");
        EXPECT_EQ(vars.Players[0][1].Name, roster[1].Name);
        for (int i : {0, 1, 2}) StorePlayer(i, MakePlayer("Now Farm", 0, 0));
        for (int i : {3, 6}) StorePlayer(i, Player{});
    };
    info.Command3_Click();
    ui.OnShowModal = nullptr;
    EXPECT_EQ(ui.WindowsShown, std::vector<std::string>{"Set Game Roster"});
    EXPECT_EQ(info.lblPro.Caption, "");
    EXPECT_EQ(info.lblFarm.Caption, "3");
    EXPECT_EQ(info.lblAvgHgt.Caption, "72.0");

    for (int i : {0, 1, 2}) StorePlayer(i, Player{});
    DisplayTeam empty(session, ui);
    Shown().Coach.Salary = 1001;
    empty.Form_Load();
    EXPECT_EQ(empty.lblPro.Caption, "");
    EXPECT_EQ(empty.lblFarm.Caption, "");
    EXPECT_EQ(empty.lblAvgHgt.Caption + empty.lblAvgWgt.Caption + empty.lblAvgAge.Caption, "");
    EXPECT_EQ(empty.lblExpGame.Caption, "$0,005");  // 500 / 84 = 5.95
}

TEST(TeamFinances, AFarmPlayerCostsATenthRoundedDown) {
    const std::pair<std::int32_t, std::int64_t> cases[] = {
        {95, 9}, {-5, -1}, {10, 1}, {0, 0}, {-10, -1}};
    for (const auto& [salary, cost] : cases) EXPECT_EQ(FarmCost(salary), cost) << salary;
}

// A season of 81 games per team (81 scheduled, two teams), 40 home games played, revenue 10001
// a game (half a game left: 5000.5, shown as $5,000) and expenses of 1000 a game.
TEST_F(TeamInfoWindow, ProjectionOnceTheSeasonHasStarted) {
    struct Case {
        std::uint8_t wins, losses, ties;
        std::int32_t finances;
        const char *gp, *remaining, *projectedExpenses, *balance;
        Colour colour;
    };
    const Case cases[] = {
        {40, 30, 10, -2500, "80", "1", "$1,000", "$1,500", kWhite},
        {40, 30, 10, -4000, "80", "1", "$1,000", "$0,000", kWhite},
        {40, 30, 10, -4001, "80", "1", "$1,000", "-$0,001", kRed},
        // More games played than the season has: the true counts, and the projection uses them.
        {60, 20, 10, 0, "90", "-9", "-$9,000", "$14,000", kWhite},
        {200, 50, 10, 0, "260", "-179", "-$179,000", "$184,000", kWhite},
    };
    Install();
    vars.League.SeasonStarted = kTrue;
    vars.League.ScheduledGames = 81;
    Shown().HomeGamesPlayed = 40;
    Shown().RevenuePerGame = 10001;
    Shown().Coach.Salary = 168000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gp);
        Shown().Wins[0] = c.wins;
        Shown().Losses[0] = c.losses;
        Shown().Ties[0] = c.ties;
        Shown().Finances = c.finances;
        Shown().PenaltyMinutes = 160;
        DisplayTeam info(session, ui);
        info.Form_Load();
        EXPECT_EQ(info.lblGP.Caption, c.gp);
        EXPECT_EQ(info.lblGR.Caption, c.remaining);
        EXPECT_EQ(info.lblHome.Caption, "0.5");
        EXPECT_EQ(info.lblRev.Caption, "$10,001");
        EXPECT_EQ(info.lblEst.Caption, "$5,000");
        EXPECT_EQ(info.lblExpGame.Caption, "$1,000");
        EXPECT_EQ(info.lblProjExp.Caption, c.projectedExpenses);
        EXPECT_EQ(info.lblProjBal.Caption, c.balance);
        EXPECT_EQ(info.lblProjBal.ForeColor, c.colour);
        EXPECT_EQ(info.lblPIM.Caption, FormatFixed(160.0f / std::stoi(c.gp), 1));
    }
}

// The balance is worked out from the amounts as shown, so a desktop that writes money its own way
// must read each amount back in its style: the projection and its colour stay the same.
TEST_F(TeamInfoWindow, ProjectionIsTheSameInEveryNumberStyle) {
    const NumberStyle french{",", "\u202f", "-", "#\u00a0$", "-#\u00a0$"};
    const NumberStyle swedish{",", "\u00a0", "\u2212", "#\u00a0$", "\u2212#\u00a0$"};
    struct Restore {
        ~Restore() { SetNumberStyle({}); }
    } restore;
    Install();
    vars.League.SeasonStarted = kTrue;
    vars.League.ScheduledGames = 81;
    Shown().HomeGamesPlayed = 40;
    Shown().RevenuePerGame = 10001;
    Shown().Coach.Salary = 168000;
    Shown().Wins[0] = 40;
    Shown().Losses[0] = 30;
    Shown().Ties[0] = 10;
    for (const std::int32_t finances : {-4001, 1234567}) {
        Shown().Finances = finances;
        const std::int64_t balance = 5000 + finances - 1000;
        for (const NumberStyle& style : {NumberStyle{}, french, swedish}) {
            SCOPED_TRACE(style.Money + " " + std::to_string(finances));
            SetNumberStyle(style);
            DisplayTeam info(session, ui);
            info.Form_Load();
            EXPECT_EQ(info.lblProjBal.Caption, FormatDollars(balance, style));
            EXPECT_EQ(info.lblProjBal.ForeColor, balance < 0 ? kRed : kWhite);
        }
    }
}

TEST(ReadDisplayedAmount, ReadsAmountsBackInTheStyleTheyWereWrittenIn) {
    const NumberStyle french{",", "\u202f", "-", "#\u00a0$", "-#\u00a0$"};
    const NumberStyle german{",", ".", "-", "#\u00a0$", "-#\u00a0$"};
    const NumberStyle swedish{",", "\u00a0", "\u2212", "#\u00a0$", "\u2212#\u00a0$"};
    for (const NumberStyle& style : {NumberStyle{}, french, german, swedish}) {
        for (const std::int64_t amount : {0LL, 7LL, -500LL, 8225875LL, -19388303LL}) {
            EXPECT_EQ(ReadDisplayedAmount(FormatDollars(amount, style), style), amount)
                << FormatDollars(amount, style);
        }
    }
    // Texts the English style reads as it always has.
    EXPECT_EQ(ReadDisplayedAmount("-$2,500", NumberStyle{}), -2500);
    EXPECT_EQ(ReadDisplayedAmount("", NumberStyle{}), 0);
    EXPECT_EQ(ReadDisplayedAmount("n/a", NumberStyle{}), 0);
}

TEST_F(TeamInfoWindow, BalanceIsWorkedOutFromTheDisplayedAmounts) {
    struct Case {
        const char *revenue, *finances, *expenses, *balance;
        Colour colour;
    };
    const Case cases[] = {
        {"$10,000", "-$2,500", "$3,000", "$4,500", kWhite},
        {"$0,000", "-$0,001", "$0,000", "-$0,001", kRed},
        {"$0,000", "$0,000", "$0,000", "$0,000", kWhite},
        {"", "none", "$1,234,567", "-$1,234,567", kRed},
    };
    Install();
    DisplayTeam info(session, ui);
    info.Form_Load();
    for (const Case& c : cases) {
        info.lblEst.Caption = c.revenue;
        info.lblCurFin.Caption = c.finances;
        info.lblProjExp.Caption = c.expenses;
        info.UpdateBalance();
        EXPECT_EQ(info.lblProjBal.Caption, c.balance) << c.revenue << c.finances << c.expenses;
        EXPECT_EQ(info.lblProjBal.ForeColor, c.colour) << c.balance;
    }
}

TEST_F(TeamInfoWindow, ButtonsCloseOrOpenTheOtherWindows) {
    Install();
    Shown().Coach.Name = FixedText<22>::FromString("Coach");
    DisplayTeam info(session, ui);
    info.Form_Load();
    Shown().Coach.Name = FixedText<22>::FromString("Changed");
    info.Command2_Click();  // Team Lines: no refresh follows
    EXPECT_EQ(ui.WindowsShown, std::vector<std::string>{"Edit Lines"});
    EXPECT_EQ(info.lblCoach.Caption, "Coach                 ");
    EXPECT_FALSE(info.IsUnloaded());
    info.Command1_Click();
    EXPECT_TRUE(info.IsUnloaded());
}

TEST_F(TeamInfoWindow, TeamRosterSaysWhyWhenTheRosterCannotBeReadAgain) {
    Install();
    DisplayTeam info(session, ui);
    info.Form_Load();
    fs::remove(vars.SwapRosterFile);
    info.Command3_Click();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Team Roster");
    EXPECT_EQ(ui.Messages[0].IconShown, Icon::Critical);
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("swp.r"));
    EXPECT_FALSE(info.IsUnloaded());
}

// View Team and a double click on a team open the window for the current team.
TEST_F(TeamInfoWindow, MainWindowOpensItForTheCurrentTeam) {
    test::LeagueBuilder builder;
    builder.AddTeam("Wolves", 0, 0);
    builder.AddTeam("Bears", 0, 0);
    builder.AddTeam("Lynx", 1, 0);
    builder.Write(folder / "three");
    fs::create_directories(start);
    Main main(session, ui, start);
    main.Form_Load();
    ui.FileAnswers.push_back(folder / "three.tms");
    main.LoadLeague_Click();

    std::vector<std::string> teamsShown;
    ui.OnShowModal = [&](Window& window) {
        teamsShown.push_back(dynamic_cast<DisplayTeam&>(window).lblTeam.Caption);
    };
    main.lstTeams[0].ListIndex = 1;
    main.lstTeams_Click(0);
    main.ViewTeam_Click();
    main.lstTeams[0].ListIndex = 0;
    main.lstTeams_DblClick(0);
    main.lstTeams_DblClick(1);
    EXPECT_EQ(teamsShown, (std::vector<std::string>{"Bears     ", "Wolves    ", "Lynx      "}));
    EXPECT_EQ(vars.CurrentTeam, 2);

    fs::remove(vars.SwapRosterFile);
    main.ViewTeam_Click();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "View Team");
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("swp.r"));
    EXPECT_EQ(teamsShown.size(), 3u);
}

}  // namespace
}  // namespace korvel

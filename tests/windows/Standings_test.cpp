#include "windows/standings/Standings.h"

#include <gtest/gtest.h>

#include "session/TeamSession.h"
#include "support/LeagueBuilder.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "windows/main/Main.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;

class StandingsWindow : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        test::LeagueBuilder builder;
        builder.AddTeam("Alpha", 0, 0);
        builder.AddTeam("Beta", 1, 1);
        builder.AddTeam("Gamma", 0, 2);
        builder.AddTeam("Delta", 3, 0);
        builder.AddTeam("Omega", 1, 1);
        builder.Write(folder / "lg");
        main.Form_Load();
        ui.FileAnswers.push_back(folder / "lg.tms");
        main.LoadLeague_Click();
    }

    // Opens Manager > Standings and runs `act` in the window.
    void InStandings(const std::function<void(Standings&)>& act) {
        ui.OnShowModal = [&](Window& window) { act(dynamic_cast<Standings&>(window)); };
        main.Standings_Click();
    }

    test::TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    test::ScriptedUi ui;
    TeamSession session{vars};
    Main main{session, ui, start};
};

// A double click acts as a click in the main window's team list: the division and the team are
// selected there when the lists show them, and the team menus open for the team either way.
TEST_F(StandingsWindow, DoubleClickMakesTheTeamCurrent) {
    InStandings([&](Standings& standings) {
        EXPECT_EQ(standings.lblUnlisted.Caption, "Unlisted: Delta");
        standings.Team_DblClick(4);
        EXPECT_EQ(standings.CurrentTeam, 4);
        EXPECT_EQ(vars.CurrentTeam, 4);
        EXPECT_EQ(main.lstDivs[1].ListIndex, 1);
        ASSERT_TRUE(main.lstTeams[1].HasSelection());
        EXPECT_EQ(main.lstTeams[1].SelectedItemData(), 4);

        standings.Team_DblClick(2);  // division 2: no list shows it
        EXPECT_EQ(vars.CurrentTeam, 2);
        standings.Team_DblClick(9);  // past LastTeam: nothing
        EXPECT_EQ(vars.CurrentTeam, 2);
    });
    EXPECT_TRUE(main.manager.Enabled);
    EXPECT_TRUE(main.coach.Enabled);
}

TEST_F(StandingsWindow, OpensOnlyWhenTheManagerMenuIsOpen) {
    main.manager.Enabled = false;
    main.Standings_Click();
    EXPECT_TRUE(ui.WindowsShown.empty());
}

}  // namespace
}  // namespace korvel

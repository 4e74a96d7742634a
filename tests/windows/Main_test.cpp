#include "windows/main/Main.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "session/TeamSession.h"
#include "support/Checks.h"
#include "support/LeagueBuilder.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace korvel {
namespace {
namespace fs = std::filesystem;
using test::ItemDataOf;
using test::LeagueBuilder;
using test::TextsOf;
using testing::HasSubstr;

std::string TeamName(const std::string& name) {
    return FixedText<10>::FromString(name).Utf8();
}

class MainWindow : public testing::Test {
  protected:
    test::TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    test::ScriptedUi ui;
    TeamSession session{vars};
    Main main{session, ui, start};

    void SetUp() override { fs::create_directories(start); }

    // A league with two teams in each of the four listed divisions.
    fs::path WriteStandardLeague(const std::string& name, const fs::path& at) {
        LeagueBuilder builder(name);
        for (int t = 0; t < 8; ++t) {
            builder.AddTeam(name.substr(0, 3) + std::to_string(t), (t / 2) % 2, t / 4);
        }
        builder.Write(at);
        return at;
    }

    // Chooses `file` in the Load League dialog.
    void LoadThroughMenu(const fs::path& file) {
        ui.FileAnswers.push_back(file);
        main.LoadLeague_Click();
    }
};

TEST_F(MainWindow, OpensEmptyWithoutDefaultsFile) {
    main.Form_Load();
    EXPECT_EQ(main.Caption, "Ostervald");
    EXPECT_EQ(main.Label3.Caption, "League Name");
    EXPECT_EQ(main.Label1.Caption, "Conference 1");
    EXPECT_EQ(main.Label2.Caption, "Conference 2");
    EXPECT_EQ(main.lstDivs[0].ListCount(), 0);
    EXPECT_EQ(main.lstTeams[1].ListCount(), 0);
    EXPECT_FALSE(main.manager.Enabled);
    EXPECT_FALSE(main.coach.Enabled);
    EXPECT_EQ(vars.CurrentTeam, 0);
    EXPECT_TRUE(ui.Messages.empty());
    // The start-up tables and default names are in place.
    EXPECT_EQ(vars.PositionAbbrev[3], "D");
    EXPECT_EQ(vars.InjuryCode[6], "IN");
    EXPECT_EQ(vars.League.Conferences[1].ConfName.Str(), "CONF 2      ");
    EXPECT_EQ(vars.League.Conferences[0].Divisions[1].DivName.Str(), "DIV 2     ");
    EXPECT_EQ(vars.SwapRosterFile, start / "swp.r");
}

TEST_F(MainWindow, LoadMenuShowsTheLeagueDialogAndLoadsTheChosenLeague) {
    main.Form_Load();
    const fs::path base = WriteStandardLeague("Northern League", folder / "LG" / "ABC");
    const Bytes leagueBefore = ReadWholeFile(base.string() + ".lge");
    const Bytes teamsBefore = ReadWholeFile(base.string() + ".tms");
    const Bytes rosterBefore = ReadWholeFile(base.string() + ".ros");

    LoadThroughMenu(base.string() + ".tms");

    ASSERT_EQ(ui.FileDialogsShown.size(), 1u);
    const FileDialog& dialog = ui.FileDialogsShown[0];
    EXPECT_EQ(dialog.Title, "Load League");
    ASSERT_EQ(dialog.Filters.size(), 2u);
    EXPECT_EQ(dialog.Filters[0].Name, "All Files");
    EXPECT_EQ(dialog.Filters[0].Pattern, "*.*");
    EXPECT_EQ(dialog.Filters[1].Name, "Norrik Files");
    EXPECT_EQ(dialog.Filters[1].Pattern, "*.tms");
    EXPECT_EQ(dialog.SelectedFilter, 1u);
    EXPECT_EQ(dialog.InitialFolder, fs::path("c:\\vessa\\"));
    EXPECT_EQ(dialog.FileName, "test.tms");

    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(main.Caption, base.string());
    EXPECT_EQ(vars.LeaguePath, base);
    EXPECT_EQ(vars.WaiverFile, fs::path(base.string() + ".wvr"));
    EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), rosterBefore);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamsBefore);
    EXPECT_EQ(ReadWholeFile(vars.SwapLeagueFile), leagueBefore);
    const Bytes defaults = ReadWholeFile(start / "korvel.def");
    EXPECT_EQ(std::string(defaults.begin(), defaults.end()), "\"" + base.string() + "\"\n");

    EXPECT_EQ(main.Label3.Caption, FixedText<25>::FromString("Northern League").Utf8());
    EXPECT_EQ(main.Label1.Caption, FixedText<12>::FromString("East").Utf8());
    EXPECT_EQ(main.Label2.Caption, FixedText<12>::FromString("West").Utf8());
    EXPECT_THAT(TextsOf(main.lstDivs[1]),
                testing::ElementsAre(FixedText<10>::FromString("North 1").Utf8(),
                                     FixedText<10>::FromString("South 1").Utf8()));
    // Conference 1's first team is current after a load: team 2 (conference 1, division 0).
    EXPECT_EQ(vars.CurrentTeam, 2);
    EXPECT_EQ(main.lstTeams[0].ListIndex, 0);
    EXPECT_EQ(main.lstTeams[1].ListIndex, 0);
    EXPECT_TRUE(main.manager.Enabled);
    EXPECT_TRUE(main.coach.Enabled);

    // The league's own files are only read.
    EXPECT_EQ(ReadWholeFile(base.string() + ".lge"), leagueBefore);
    EXPECT_EQ(ReadWholeFile(base.string() + ".tms"), teamsBefore);
    EXPECT_EQ(ReadWholeFile(base.string() + ".ros"), rosterBefore);
}

TEST_F(MainWindow, CancelledDialogChangesNothing) {
    main.Form_Load();
    main.LoadLeague_Click();
    EXPECT_EQ(ui.FileDialogsShown.size(), 1u);
    EXPECT_EQ(main.Caption, "Ostervald");
    EXPECT_FALSE(FileExists(start / "korvel.def"));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(MainWindow, DropsTheLastFourCharactersOfAnyChosenName) {
    main.Form_Load();
    const fs::path base = WriteStandardLeague("Other", folder / "XYZ");
    LoadThroughMenu(base.string() + ".abc");
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(vars.LeaguePath, base);
    EXPECT_EQ(main.Caption, base.string());
}

TEST_F(MainWindow, ReadsOnlyTheTeamsUpToLastTeam) {
    LeagueBuilder builder;
    for (int t = 0; t < 12; ++t) builder.AddTeam(std::string(1, 'T') + std::to_string(t), 0, 0);
    builder.Write(folder / "ten", 9);
    main.Form_Load();
    vars.Teams[10].Name = FixedText<10>::FromString("earlier");
    LoadThroughMenu(folder / "ten.tms");

    EXPECT_THAT(ItemDataOf(main.lstTeams[0]), testing::ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 8, 9));
    EXPECT_EQ(vars.Teams[9].Name.Str(), FixedText<10>::FromString("T9").Str());
    // Entries past LastTeam keep what they held.
    EXPECT_EQ(vars.Teams[10].Name.Str(), FixedText<10>::FromString("earlier").Str());
}

TEST_F(MainWindow, LeagueWithAllTeamsInTheFirstConference) {
    LeagueBuilder builder;
    builder.AddTeam("B", 0, 1);
    builder.AddTeam("A", 0, 0);
    builder.AddTeam("C", 0, 0);
    builder.Write(folder / "one");
    main.Form_Load();
    LoadThroughMenu(folder / "one.tms");

    EXPECT_EQ(main.lstTeams[1].ListCount(), 0);
    EXPECT_EQ(vars.CurrentTeam, 1);
    EXPECT_TRUE(main.coach.Enabled);
    // Teams of one division are listed in index order, whatever their names.
    EXPECT_THAT(TextsOf(main.lstTeams[0]), testing::ElementsAre(TeamName("A"), TeamName("C")));
}

TEST_F(MainWindow, DivisionListsOfferTheFirstTwoDivisionsOnly) {
    LeagueBuilder builder;
    builder.AddTeam("Zero", 1, 0);
    builder.AddTeam("Two", 1, 2);
    builder.AddTeam("Three", 1, 3);
    builder.AddTeam("One", 1, 1);
    builder.Write(folder / "divs");
    main.Form_Load();
    LoadThroughMenu(folder / "divs.tms");

    ASSERT_EQ(main.lstDivs[1].ListCount(), 2);
    main.lstDivs[1].ListIndex = 1;
    main.lstDivs_Click(1);
    EXPECT_THAT(ItemDataOf(main.lstTeams[1]), testing::ElementsAre(3));
    main.lstDivs[1].ListIndex = 0;
    main.lstDivs_Click(1);
    EXPECT_THAT(ItemDataOf(main.lstTeams[1]), testing::ElementsAre(0));
}

TEST_F(MainWindow, SelectingAnEmptyDivisionKeepsTheCurrentTeam) {
    LeagueBuilder builder;
    builder.AddTeam("Alone", 0, 0);
    builder.Write(folder / "lonely");
    main.Form_Load();
    LoadThroughMenu(folder / "lonely.tms");
    ASSERT_EQ(vars.CurrentTeam, 0);

    main.lstDivs[0].ListIndex = 1;
    main.lstDivs_Click(0);
    EXPECT_EQ(main.lstTeams[0].ListCount(), 0);
    EXPECT_EQ(vars.CurrentTeam, 0);
}

TEST_F(MainWindow, MenusUnlockOnTheFirstTeamSelectionAndTheLastClickedListWins) {
    LeagueBuilder builder;
    builder.AddTeam("East0", 0, 1);
    builder.AddTeam("West0", 1, 1);
    builder.AddTeam("West1", 1, 1);
    builder.Write(folder / "menus");
    main.Form_Load();
    LoadThroughMenu(folder / "menus.tms");
    // Nobody plays in either first division, so the load selected no team.
    EXPECT_FALSE(main.manager.Enabled);
    EXPECT_FALSE(main.coach.Enabled);

    for (int conf = 0; conf < 2; ++conf) {
        main.lstDivs[conf].ListIndex = 1;
        main.lstDivs_Click(conf);
    }
    main.lstTeams[1].ListIndex = 1;
    main.lstTeams_Click(1);
    EXPECT_TRUE(main.manager.Enabled);
    EXPECT_TRUE(main.coach.Enabled);
    EXPECT_EQ(vars.CurrentTeam, 2);

    main.lstTeams[0].ListIndex = 0;
    main.lstTeams_Click(0);
    EXPECT_EQ(vars.CurrentTeam, 0);
    main.lstTeams_Click(1);  // the other column's highlighted entry, clicked again
    EXPECT_EQ(vars.CurrentTeam, 2);
}

TEST_F(MainWindow, FailedLoadKeepsThePreviousLeagueWhole) {
    const fs::path good = WriteStandardLeague("Good League", folder / "good");
    main.Form_Load();
    LoadThroughMenu(good.string() + ".tms");
    const Bytes goodRoster = ReadWholeFile(vars.SwapRosterFile);
    const auto divsBefore = TextsOf(main.lstDivs[0]);
    const auto teamsBefore = ItemDataOf(main.lstTeams[1]);
    const std::uint8_t currentBefore = vars.CurrentTeam;

    struct Broken {
        const char* name;
        std::function<void(const fs::path&)> breakIt;
        const char* expectedInMessage;
    };
    const std::vector<Broken> cases = {
        {"noros", [](const fs::path& b) { fs::remove(b.string() + ".ros"); }, "noros.ros"},
        {"shortlge", [](const fs::path& b) { WriteWholeFile(b.string() + ".lge", Bytes(100, 1)); },
         "shortlge.lge"},
        {"shorttms", [](const fs::path& b) { WriteWholeFile(b.string() + ".tms", Bytes(253, 1)); },
         "shorttms.tms"},
        {"toomany",
         [](const fs::path& b) {
             Bytes league = ReadWholeFile(b.string() + ".lge");
             league[25] = 50;  // LastTeam 50: 51 teams
             WriteWholeFile(b.string() + ".lge", league);
         },
         "toomany.lge"},
    };
    for (const auto& broken : cases) {
        SCOPED_TRACE(broken.name);
        const fs::path bad = WriteStandardLeague("Bad League", folder / broken.name);
        broken.breakIt(bad);
        ui.Messages.clear();
        LoadThroughMenu(bad.string() + ".tms");

        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0].Title, "Load League");
        EXPECT_EQ(ui.Messages[0].IconShown, Icon::Critical);
        EXPECT_THAT(ui.Messages[0].Text, HasSubstr(broken.expectedInMessage));
        EXPECT_EQ(vars.LeaguePath, good);
        EXPECT_EQ(main.Caption, good.string());
        EXPECT_EQ(vars.League.LeagueName.Str(), FixedText<25>::FromString("Good League").Str());
        EXPECT_EQ(TextsOf(main.lstDivs[0]), divsBefore);
        EXPECT_EQ(ItemDataOf(main.lstTeams[1]), teamsBefore);
        EXPECT_EQ(vars.CurrentTeam, currentBefore);
        EXPECT_EQ(ReadWholeFile(vars.SwapRosterFile), goodRoster);
        const Bytes defaults = ReadWholeFile(start / "korvel.def");
        EXPECT_EQ(std::string(defaults.begin(), defaults.end()), "\"" + good.string() + "\"\n");
    }
}

TEST_F(MainWindow, StartUpReloadsTheLeagueNamedInTheDefaultsFile) {
    const fs::path base = WriteStandardLeague("Remembered", folder / "rem");
    WriteWholeFile(start / "korvel.def", [&] {
        const std::string line = "  " + base.string() + ",ignored\r\n";
        return Bytes(line.begin(), line.end());
    }());
    main.Form_Load();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(main.Caption, base.string());
    EXPECT_EQ(vars.CurrentTeam, 2);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), ReadWholeFile(base.string() + ".tms"));
}

TEST_F(MainWindow, TheNextStartUpReopensPathsWithCommasAndRelativePathsFromTheStartFolder) {
    const fs::path base = WriteStandardLeague("Comma", folder / "x,y" / " lg");
    main.Form_Load();
    LoadThroughMenu(base.string() + ".tms");
    ASSERT_EQ(main.Caption, base.string());
    // Started again somewhere else, with the start folder given: the same league opens.
    const fs::path elsewhere = fs::current_path();
    auto startAgain = [&] {
        Variables nextVars;
        test::ScriptedUi nextUi;
        TeamSession nextSession(nextVars);
        Main next(nextSession, nextUi, start);
        next.Form_Load();
        EXPECT_TRUE(nextUi.Messages.empty());
        return nextVars.LeaguePath;
    };
    EXPECT_EQ(startAgain(), base);

    WriteWholeFile(start / "korvel.def", DefaultsFileContent("../x,y/ lg"));
    ASSERT_NE(fs::current_path(), start);
    EXPECT_EQ(startAgain(), start / "../x,y/ lg");
    EXPECT_EQ(fs::current_path(), elsewhere);
}

TEST_F(MainWindow, ALeaguePathKorvelDefCannotHoldIsRefusedAndNothingChanges) {
    if (!FileNamesMayHold('"')) GTEST_SKIP() << "no file name here holds a double quote";
    const fs::path good = WriteStandardLeague("Good", folder / "good");
    const fs::path quoted = WriteStandardLeague("Quote", folder / "a\"b");
    main.Form_Load();
    LoadThroughMenu(good.string() + ".tms");
    const Bytes defaults = ReadWholeFile(start / "korvel.def");
    LoadThroughMenu(quoted.string() + ".tms");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("contains a double quote"));
    EXPECT_EQ(main.Caption, good.string());
    EXPECT_EQ(ReadWholeFile(start / "korvel.def"), defaults);
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), ReadWholeFile(good.string() + ".tms"));
}

TEST_F(MainWindow, StartUpThatFailsTwiceSaysSoAndOpensEmpty) {
    const fs::path base = WriteStandardLeague("Broken", folder / "broken");
    fs::remove(base.string() + ".ros");
    const std::string line = base.string() + "\n";
    WriteWholeFile(start / "korvel.def", Bytes(line.begin(), line.end()));

    main.Form_Load();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Load League");
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("broken.ros"));
    EXPECT_EQ(main.Caption, "Ostervald");
    EXPECT_EQ(main.lstDivs[0].ListCount(), 0);
    EXPECT_FALSE(main.coach.Enabled);
    EXPECT_FALSE(FileExists(vars.SwapTeamFile));
}

TEST_F(MainWindow, CoachCommandsLoadTheCurrentTeamIntoSlotZero) {
    LeagueBuilder builder;
    for (int t = 0; t < 9; ++t) builder.AddTeam("Team" + std::to_string(t), 0, 0);
    builder.Write(folder / "nine");
    main.Form_Load();
    LoadThroughMenu(folder / "nine.tms");
    main.lstTeams[0].ListIndex = 7;
    main.lstTeams_Click(0);

    for (auto command : {&Main::SetRoster_Click, &Main::SetLines_Click, &Main::ViewTeam_Click}) {
        vars.Players[0] = RosterSlot{};
        (main.*command)();
        // Records 351 to 400 of the working roster file: team 7's places 0 to 49.
        EXPECT_EQ(vars.Players[0][0].Name.Str(), FixedText<22>::FromString("Team7 player 0").Str());
        EXPECT_EQ(vars.Players[0][49].Name.Str(),
                  FixedText<22>::FromString("Team7 player 49").Str());
    }
    EXPECT_THAT(ui.WindowsShown,
                testing::ElementsAre("Set Game Roster", "Edit Lines", "Team Info"));
}

TEST_F(MainWindow, CoachCommandWithAMissingWorkingCopySaysWhy) {
    const fs::path base = WriteStandardLeague("Gone", folder / "gone");
    main.Form_Load();
    LoadThroughMenu(base.string() + ".tms");
    fs::remove(vars.SwapRosterFile);
    main.SetRoster_Click();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].IconShown, Icon::Critical);
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("swp.r"));
}

TEST_F(MainWindow, ExitClosesTheWindow) {
    main.Form_Load();
    main.exit_Click();
    EXPECT_TRUE(main.IsUnloaded());
}

// The simulation rewrote the league: the bar shows, and Reload loads it as File > Load does.
TEST_F(MainWindow, ChangedLeagueShowsTheBarAndReloadLoadsItAgain) {
    WriteStandardLeague("Old", folder / "lg");
    main.Form_Load();
    LoadThroughMenu(folder / "lg.tms");
    main.lstTeams[0].ListIndex = 1;
    main.lstTeams_Click(0);
    ASSERT_EQ(vars.CurrentTeam, 1);
    EXPECT_FALSE(main.CheckLeagueFiles());
    EXPECT_FALSE(main.lblLeagueChanged.Visible);
    EXPECT_FALSE(main.cmdReload.Visible);

    WriteStandardLeague("New", folder / "lg");
    const fs::path teams = folder / "lg.tms";
    fs::last_write_time(teams, fs::last_write_time(teams) + std::chrono::seconds(5));
    EXPECT_TRUE(main.CheckLeagueFiles());
    EXPECT_TRUE(main.lblLeagueChanged.Visible);
    EXPECT_TRUE(main.cmdReload.Visible);

    main.cmdReload_Click();
    EXPECT_EQ(main.Label3.Caption.substr(0, 3), "New");
    EXPECT_EQ(vars.CurrentTeam, 2);  // the first team of the second column, as after File > Load
    EXPECT_FALSE(main.lblLeagueChanged.Visible);
    EXPECT_FALSE(main.cmdReload.Visible);
    EXPECT_FALSE(main.CheckLeagueFiles());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(MainWindow, ReloadOfALeagueGoneBadSaysWhyAndKeepsTheLoadedOne) {
    WriteStandardLeague("Old", folder / "lg");
    main.Form_Load();
    LoadThroughMenu(folder / "lg.tms");
    fs::remove(folder / "lg.ros");
    EXPECT_TRUE(main.CheckLeagueFiles());

    main.cmdReload_Click();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Title, "Load League");
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("lg.ros"));
    EXPECT_EQ(main.Label3.Caption.substr(0, 3), "Old");
    EXPECT_TRUE(main.lblLeagueChanged.Visible);
}

}  // namespace
}  // namespace korvel

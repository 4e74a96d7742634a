#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

// Several commands in one run, the team's lines password, and the help they document.
class GameDayRun : public ::testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "6", "--seed", "5"});
        league = LeagueOnDisk::Read(base);
    }
    std::vector<std::string> In(const fs::path& start, std::vector<std::string> args) const {
        args.insert(args.begin(), {"-C", start.string(), "--league", base.string()});
        return args;
    }
    std::string Password(int team) const { return Printed(league.Teams[team].Password); }
    fs::path LinesFile(const fs::path& start, int team) const {
        return start / (Printed(league.Teams[team].Name) + ".lns");
    }
    fs::path NewStart(const std::string& name) const {
        const fs::path start = folders.Start().parent_path() / name;
        fs::create_directories(start);
        return start;
    }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

TEST_F(GameDayRun, RosterThenLinesInOneRunEqualsPrepare) {
    for (int team : {1, 4}) {
        SCOPED_TRACE(team);
        const fs::path byHand = NewStart("hand" + std::to_string(team));
        const fs::path prepared = NewStart("prepared" + std::to_string(team));
        const RunResult day = RunCli(
            In(byHand, {"--team", std::to_string(team), "roster", "--auto", "--keep", "lines",
                        "--auto", "--save-lines", Password(team), "--keep", "--json", "--yes"}));
        ASSERT_EQ(day.ExitCode, 0) << day.Err;
        const RunResult one = RunCli(In(
            prepared, {"--team", std::to_string(team), "prepare", "--league-password", "--yes"}));
        ASSERT_EQ(one.ExitCode, 0) << one.Err;
        for (const char* file : {"swp.t", "swp.r", "swp.l"}) {
            EXPECT_EQ(ReadWholeFile(byHand / file), ReadWholeFile(prepared / file)) << file;
        }
        const Bytes lines = ReadWholeFile(LinesFile(byHand, team));
        EXPECT_EQ(lines, ReadWholeFile(LinesFile(prepared, team)));
        // The file holds the kept roster: the places the roster command dressed.
        const auto kept = LeagueOnDisk{{}, {}, ReadWholeFile(byHand / "swp.r")}.Roster(team);
        int dressed = 0;
        for (int i = 0; i < kRosterPlaces; ++i) {
            EXPECT_EQ(lines[76 + i], kept[i].Status) << i;
            if (lines[76 + i] / 100 == 2) ++dressed;
        }
        EXPECT_EQ(dressed, 20);
        // It goes back into the team in a fresh start.
        const RunResult back = RunCli(In(NewStart("back" + std::to_string(team)),
                                         {"--team", std::to_string(team), "lines", "--import",
                                          LinesFile(byHand, team).string(), "--keep", "--yes"}));
        EXPECT_EQ(back.ExitCode, 0) << back.Err;
    }
}

// Fixed results of the automatic roster and lines on this generated league, so that a fault in
// the core they share with the windows cannot pass by agreeing with itself.
const std::vector<int> kGameRoster{0,  1,  4,  5,  7,  8,  10, 12, 13, 14,
                                   21, 22, 23, 24, 25, 27, 29, 34, 35, 38};
const std::vector<int> kFirstLine{1, 13, 23, 12, 38};
const std::vector<int> kGoalieRow{7, 1, 21, 255, 255};

TEST_F(GameDayRun, AutomaticRosterAndLinesGiveTheKnownResult) {
    const RunResult run = RunCli(In(folders.Start(), {"--team", "3", "roster", "--auto", "--keep",
                                                      "lines", "--auto", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // One JSON document per command, in order.
    std::istringstream out(run.Out);
    json roster, lines;
    out >> roster >> lines;
    EXPECT_EQ(roster["GameRoster"], json(kGameRoster));
    EXPECT_EQ(lines["LineBuffer"][0], json(kFirstLine));
    EXPECT_EQ(lines["LineBuffer"][12], json(kGoalieRow));
}

TEST_F(GameDayRun, AWrongPasswordIsRefusedUnlessForced) {
    const fs::path start = folders.Start();
    const RunResult wrong = RunCli(In(start, {"--team", "2", "lines", "--save-lines", "not-it"}));
    EXPECT_EQ(wrong.ExitCode, 1);
    EXPECT_NE(wrong.Err.find("is not the lines password of " + Printed(league.Teams[2].Name)),
              std::string::npos)
        << wrong.Err;
    EXPECT_FALSE(fs::exists(LinesFile(start, 2)));

    const RunResult prepare = RunCli(In(start, {"--team", "2", "prepare", "--password", "x"}));
    EXPECT_EQ(prepare.ExitCode, 1);
    EXPECT_FALSE(fs::exists(LinesFile(start, 2)));

    const RunResult forced =
        RunCli(In(start, {"--team", "2", "lines", "--save-lines", "not-it", "--force"}));
    EXPECT_EQ(forced.ExitCode, 0) << forced.Err;
    EXPECT_EQ(ReadWholeFile(LinesFile(start, 2))[1], 'n');

    const RunResult own = RunCli(In(start, {"--team", "2", "lines", "--league-password"}));
    EXPECT_EQ(own.ExitCode, 0) << own.Err;
    const Bytes file = ReadWholeFile(LinesFile(start, 2));
    EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 11),
              std::string(league.Teams[2].Password.Bytes.data(), 10));

    const RunResult both =
        RunCli(In(start, {"--team", "2", "lines", "--league-password", "--save-lines", "x"}));
    EXPECT_EQ(both.ExitCode, 2);
}

TEST_F(GameDayRun, ARefusalStopsTheRunAndNamesTheCommand) {
    const RunResult run = RunCli(In(folders.Start(), {"--team", "2", "lines", "--save-lines",
                                                      "nope", "roster", "--auto", "--keep"}));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("command 1 (lines)"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out, "") << "the roster command never ran";

    const RunResult twice =
        RunCli(In(folders.Start(), {"--team", "2", "roster", "lines", "roster"}));
    EXPECT_EQ(twice.ExitCode, 2);
    EXPECT_NE(twice.Err.find("roster is given more than once"), std::string::npos) << twice.Err;
}

TEST_F(GameDayRun, HelpFitsEightyColumnsListsTheDayInOrderAndHidesTestOptions) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"card", "--help"},
                                                 {"team", "--help"},
                                                 {"lines", "--help"},
                                                 {"prepare", "--help"}}) {
        const RunResult help = RunCli(args);
        ASSERT_EQ(help.ExitCode, 0) << help.Err;
        std::istringstream lines(help.Out);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 80u) << line;
        }
        EXPECT_EQ(help.Out.find("slot 0"), std::string::npos) << help.Out;
        EXPECT_EQ(help.Out.find("lblSkill"), std::string::npos) << help.Out;
        EXPECT_EQ(help.Out.find("--height-clicks"), std::string::npos);
        EXPECT_EQ(help.Out.find("--refreshes"), std::string::npos);
    }
    const std::string top = RunCli({"--help"}).Out;
    // A list keeps its columns and hangs a long entry under its text.
    EXPECT_NE(top.find("\n  0  done\n"), std::string::npos) << top;
    EXPECT_NE(top.find("unanswered question), no\n     league could be loaded"), std::string::npos)
        << top;
    std::size_t at = 0;
    for (const char* command :
         {"league", "team", "players", "card", "roster", "lines", "prepare"}) {
        const std::size_t found = top.find("\n  " + std::string(command) + " ", at);
        ASSERT_NE(found, std::string::npos) << command << "\n" << top;
        at = found + 1;
    }
}

TEST(MakeLeaguePasswords, WritesEachTeamsPasswordBesideTheLeague) {
    CliFixtureFolders folders;
    const fs::path base = folders.LeagueBase("pw");
    const RunResult run = RunProgram(KORVEL_MAKE_LEAGUE, {"--teams", "3", "--json", base.string()});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const LeagueOnDisk league = LeagueOnDisk::Read(base);
    const json result = run.Json();
    const fs::path listed = result["PasswordsFile"].get<std::string>();
    EXPECT_EQ(listed, base.parent_path() / "PASSWORDS.txt");
    const std::string text = [&] {
        const Bytes bytes = ReadWholeFile(listed);
        return std::string(bytes.begin(), bytes.end());
    }();
    ASSERT_EQ(result["Teams"].size(), 3u);
    for (int t = 0; t < 3; ++t) {
        const std::string password = Printed(league.Teams[t].Password);
        EXPECT_EQ(result["Teams"][t]["Password"], password);
        EXPECT_EQ(result["Teams"][t]["Team"], Printed(league.Teams[t].Name));
        EXPECT_NE(text.find(std::to_string(t) + "\t" + Printed(league.Teams[t].Name) + "\t" +
                            password + "\n"),
                  std::string::npos)
            << text;
    }
}

}  // namespace
}  // namespace korvel::test

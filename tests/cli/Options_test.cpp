#include <gtest/gtest.h>

#include <cctype>

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

std::string Upper(std::string text) {
    for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class CliOptions : public ::testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "6", "--seed", "11"});
        league = LeagueOnDisk::Read(base);
    }

    // A usage error: exit code 2, nothing on stdout, a message on stderr holding `mention`.
    void ExpectUsageError(const std::vector<std::string>& args, const std::string& mention) {
        const RunResult run = RunCli(args);
        EXPECT_EQ(run.ExitCode, 2) << run.Out << run.Err;
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find(mention), std::string::npos) << "stderr: " << run.Err;
    }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

TEST_F(CliOptions, TeamByIndexOrByNameIgnoringCase) {
    for (int team : {0, 3, 5}) {
        const RunResult byIndex =
            RunCli(folders.With(base, {"league", "--json", "--team", std::to_string(team)}));
        ASSERT_EQ(byIndex.ExitCode, 0) << byIndex.Err;
        EXPECT_EQ(byIndex.Json()["CurrentTeam"], team);

        const std::string name = Printed(league.Teams[team].Name);
        for (const std::string& asTyped : {name, Upper(name), name + "  "}) {
            const RunResult byName =
                RunCli(folders.With(base, {"players", "--json", "--team", asTyped}));
            ASSERT_EQ(byName.ExitCode, 0) << byName.Err;
            EXPECT_EQ(byName.Json()["TeamIndex"], team) << asTyped;
            EXPECT_EQ(byName.Json()["Team"], name);
        }
    }
}

TEST_F(CliOptions, TeamOfAnUnlistedDivisionCanStillBeChosen) {
    // Team 5 moves to division 2, which the main window never lists.
    Bytes teams = ReadWholeFile(WithExt(base, ".tms"));
    teams[5 * RecordLayout<Team>::Size + 98] = 2;
    WriteWholeFile(WithExt(base, ".tms"), teams);

    const RunResult run = RunCli(folders.With(base, {"league", "--json", "--team", "5"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json result = run.Json();
    EXPECT_EQ(result["CurrentTeam"], 5);
    for (const auto& conference : result["Conferences"]) {
        for (const auto& division : conference["Divisions"]) {
            for (const auto& team : division["Teams"]) EXPECT_NE(team["Index"], 5);
        }
    }
    const RunResult players = RunCli(folders.With(base, {"players", "--json", "--team", "5"}));
    ASSERT_EQ(players.ExitCode, 0) << players.Err;
    EXPECT_EQ(players.Json()["Team"], Printed(league.Teams[5].Name));
}

TEST_F(CliOptions, GlobalOptionsMayFollowTheCommand) {
    const RunResult run = RunCli({"players", "--team", "4", "--json", "-C",
                                  folders.Start().string(), "--league", base.string()});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Json()["TeamIndex"], 4);
}

TEST_F(CliOptions, RelativeLeaguePathIsTakenFromTheStartFolder) {
    const RunResult run =
        RunCli({"-C", folders.Start().string(), "--league", "../league/demo", "league", "--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(fs::path(run.Json()["LeaguePath"].get<std::string>()), base);
}

TEST_F(CliOptions, UnknownTeamsAreUsageErrors) {
    ExpectUsageError(folders.With(base, {"players", "--team", "6"}), "0 to 5");
    ExpectUsageError(folders.With(base, {"players", "--team", "49"}), "0 to 5");
    ExpectUsageError(folders.With(base, {"players", "--team", "99999999999999"}), "0 to 5");
    ExpectUsageError(folders.With(base, {"league", "--team", "Atlantis"}), "Atlantis");
    ExpectUsageError(folders.With(base, {"league", "--team", "-1"}), "-1");
}

TEST_F(CliOptions, BadCommandLinesAreUsageErrors) {
    ExpectUsageError(folders.With(base, {"league", "--frobnicate"}), "--frobnicate");
    ExpectUsageError(folders.With(base, {"schedule"}), "schedule");
    const std::string unknown = RunCli(folders.With(base, {"schedule"})).Err;
    for (const char* command : {"league", "players", "lines", "card"}) {
        EXPECT_NE(unknown.find(command), std::string::npos) << unknown;
    }
    ExpectUsageError(folders.With(base, {}), "subcommand");
    ExpectUsageError(folders.With(base, {"league", "--yes", "--no"}), "--no");
    ExpectUsageError({"-C", (folders.Start() / "missing").string(), "league"}, "missing");
    // A file is no start folder.
    ExpectUsageError({"-C", WithExt(base, ".lge").string(), "league"}, "demo.lge");
}

// Every command is known by its name alone, and the help and the unknown-command message still
// list every one of them.
TEST_F(CliOptions, EachCommandIsKnownByItsName) {
    const std::string help = RunCli({"--help"}).Out;
    const std::string unknown = RunCli(folders.With(base, {"schedule"})).Err;
    for (const char* command : {"league", "standings", "team", "players", "card", "roster", "lines",
                                "prepare", "check-lines", "briefing"}) {
        const RunResult run = RunCli(folders.With(base, {command, "--frobnicate"}));
        EXPECT_EQ(run.ExitCode, 2) << command;
        EXPECT_EQ(run.Err.find("unknown command"), std::string::npos) << command << ": " << run.Err;
        EXPECT_NE(help.find(std::string("\n  ") + command + " "), std::string::npos) << command;
        EXPECT_NE(unknown.find(command), std::string::npos) << command;
    }
}

TEST_F(CliOptions, LeaguesThatCannotBeLoadedEndWithExitCode2) {
    // No korvel.def and no --league.
    ExpectUsageError({"-C", folders.Start().string(), "league"}, "--league");
    ExpectUsageError(folders.With(folders.LeagueBase("nowhere"), {"league"}), "nowhere");
    // The base path given with its extension.
    ExpectUsageError(folders.With(WithExt(base, ".tms"), {"league"}), "without the extension");

    // A league file shorter than one record: the message names it.
    const fs::path truncated = folders.LeagueBase("truncated");
    MakeLeague(truncated, {"--teams", "4"});
    Bytes leagueFile = ReadWholeFile(WithExt(truncated, ".lge"));
    leagueFile.resize(100);
    WriteWholeFile(WithExt(truncated, ".lge"), leagueFile);
    ExpectUsageError(folders.With(truncated, {"league"}), WithExt(truncated, ".lge").string());

    // A failed load leaves the league that was loaded before remembered, and its working copies.
    ASSERT_EQ(RunCli(folders.With(base, {"league"})).ExitCode, 0);
    ExpectUsageError(folders.With(truncated, {"players"}), "truncated.lge");
    const Bytes defaults = ReadWholeFile(folders.Start() / "korvel.def");
    EXPECT_EQ(std::string(defaults.begin(), defaults.end()), "\"" + base.string() + "\"\n");
    EXPECT_EQ(ReadWholeFile(folders.Start() / "swp.t"), ReadWholeFile(WithExt(base, ".tms")));
}

TEST_F(CliOptions, HelpExplainsOptionsExitCodesAndJson) {
    const RunResult help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* text : {"--start-folder", "--league", "--team", "--yes", "--no", "--json",
                             "Exit codes", "league", "players", "lines"}) {
        EXPECT_NE(help.Out.find(text), std::string::npos) << text;
    }
    const RunResult players = RunCli({"players", "--help"});
    EXPECT_EQ(players.ExitCode, 0);
    EXPECT_NE(players.Out.find("\"OffenseRating\""), std::string::npos) << players.Out;
    // The exit codes stand once, in the program's help; a command's help points there.
    EXPECT_EQ(players.Out.find("Exit codes:"), std::string::npos) << players.Out;
    EXPECT_NE(players.Out.find("and exit codes: see"), std::string::npos);
    EXPECT_NE(help.Out.find("Usage: korvel-cli [OPTIONS] COMMAND [COMMAND ...]"), std::string::npos)
        << help.Out;
    const RunResult lines = RunCli({"lines", "--help"});
    EXPECT_NE(lines.Out.find("--auto"), std::string::npos) << lines.Out;
    EXPECT_NE(lines.Out.find("\"LineBuffer\""), std::string::npos);
}

// A key the output lacks fails the one test that reads it; the rest of the binary runs on.
TEST(CliJson, AMissingKeyThrowsInsteadOfAborting) {
    const nlohmann::json result = nlohmann::json::object();
    EXPECT_THROW((void)result["Ready"], std::logic_error);
}

}  // namespace
}  // namespace korvel::test

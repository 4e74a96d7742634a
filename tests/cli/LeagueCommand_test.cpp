#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

// The conferences as the main window lists them, built from the league's own files.
json ExpectedConferences(const LeagueOnDisk& league) {
    json conferences = json::array();
    for (int conf = 0; conf < 2; ++conf) {
        const Conference& conference = league.LeagueRecord.Conferences[conf];
        json divisions = json::array();
        for (int division = 0; division < 2; ++division) {
            json teams = json::array();
            for (int t = 0; t <= league.LeagueRecord.LastTeam; ++t) {
                const Team& team = league.Teams[t];
                if (team.Conference == conf && team.Division == division) {
                    teams.push_back({{"Index", t}, {"Name", Printed(team.Name)}});
                }
            }
            divisions.push_back(
                {{"DivName", Printed(conference.Divisions[division].DivName)}, {"Teams", teams}});
        }
        conferences.push_back(
            {{"ConfName", Printed(conference.ConfName)}, {"Divisions", divisions}});
    }
    return conferences;
}

// After a load the current team is the first team listed for conference 1's first division, or
// when that list is empty the first listed for conference 0's.
int ExpectedCurrentTeam(const json& conferences) {
    for (int conf : {1, 0}) {
        const json& teams = conferences[conf]["Divisions"][0]["Teams"];
        if (!teams.empty()) return teams[0]["Index"];
    }
    return 0;
}

// Each expected piece appears in `text`, in this order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& pieces) {
    std::size_t at = 0;
    for (const auto& piece : pieces) {
        const auto found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: \"" << piece << "\" in\n"
                                            << text;
        at = found + piece.size();
    }
}

class LeagueCommand : public ::testing::Test {
  protected:
    CliFixtureFolders folders;
};

TEST_F(LeagueCommand, JsonListsWhatTheLeagueFilesHold) {
    for (const char* teams : {"2", "6", "20", "50"}) {
        SCOPED_TRACE(std::string("teams ") + teams);
        const fs::path base = folders.LeagueBase(std::string("lg") + teams);
        MakeLeague(base, {"--teams", teams, "--seed", "7"});
        const LeagueOnDisk league = LeagueOnDisk::Read(base);

        const RunResult run = RunCli(folders.With(base, {"league", "--json"}));
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        const json result = run.Json();
        EXPECT_EQ(result["LeagueName"], Printed(league.LeagueRecord.LeagueName));
        EXPECT_EQ(fs::path(result["LeaguePath"].get<std::string>()), base);
        const json expected = ExpectedConferences(league);
        EXPECT_EQ(result["Conferences"], expected);
        EXPECT_EQ(result["CurrentTeam"], ExpectedCurrentTeam(expected));
        EXPECT_EQ(result["CurrentTeamName"],
                  Printed(league.Teams[result["CurrentTeam"].get<int>()].Name));
    }
}

TEST_F(LeagueCommand, SingleTeamLeagueLeavesTheOtherListsEmpty) {
    const fs::path base = folders.LeagueBase("one");
    MakeLeague(base, {"--teams", "1"});
    const RunResult run = RunCli(folders.With(base, {"league", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json result = run.Json();
    EXPECT_EQ(result["CurrentTeam"], 0);
    EXPECT_EQ(result["Conferences"][0]["Divisions"][0]["Teams"].size(), 1u);
    EXPECT_TRUE(result["Conferences"][0]["Divisions"][1]["Teams"].empty());
    EXPECT_TRUE(result["Conferences"][1]["Divisions"][0]["Teams"].empty());

    const RunResult text = RunCli(folders.With(base, {"league"}));
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    EXPECT_NE(text.Out.find("(no teams)"), std::string::npos) << text.Out;
}

TEST_F(LeagueCommand, TextShowsConferencesDivisionsAndTeamsInOrder) {
    const fs::path base = folders.LeagueBase("demo");
    MakeLeague(base, {"--teams", "9"});
    const LeagueOnDisk league = LeagueOnDisk::Read(base);
    const json conferences = ExpectedConferences(league);

    const RunResult run = RunCli(folders.With(base, {"league"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    std::vector<std::string> pieces{"League: " + Printed(league.LeagueRecord.LeagueName),
                                    base.string()};
    for (int conf = 0; conf < 2; ++conf) {
        pieces.push_back("Conference " + std::to_string(conf) + ": " +
                         conferences[conf]["ConfName"].get<std::string>());
        for (int division = 0; division < 2; ++division) {
            const json& shown = conferences[conf]["Divisions"][division];
            pieces.push_back("Division " + std::to_string(division) + ": " +
                             shown["DivName"].get<std::string>());
            for (const json& team : shown["Teams"]) {
                pieces.push_back(std::to_string(team["Index"].get<int>()) + "  " +
                                 team["Name"].get<std::string>() + "\n");
            }
        }
    }
    const int current = ExpectedCurrentTeam(conferences);
    pieces.push_back("Current team: " + std::to_string(current) + "  " +
                     Printed(league.Teams[current].Name));
    ExpectInOrder(run.Out, pieces);
}

TEST_F(LeagueCommand, LoadCopiesTheWorkingFilesAndRemembersTheLeague) {
    const fs::path base = folders.LeagueBase("demo");
    MakeLeague(base, {"--teams", "8"});
    const Bytes teamFile = ReadWholeFile(WithExt(base, ".tms"));

    ASSERT_EQ(RunCli(folders.With(base, {"league"})).ExitCode, 0);
    EXPECT_EQ(ReadWholeFile(folders.Start() / "swp.t"), teamFile);
    EXPECT_EQ(ReadWholeFile(folders.Start() / "swp.r"), ReadWholeFile(WithExt(base, ".ros")));
    EXPECT_EQ(ReadWholeFile(folders.Start() / "swp.l"), ReadWholeFile(WithExt(base, ".lge")));
    const Bytes defaults = ReadWholeFile(folders.Start() / "korvel.def");
    EXPECT_EQ(std::string(defaults.begin(), defaults.end()), "\"" + base.string() + "\"\n");
    EXPECT_EQ(ReadWholeFile(WithExt(base, ".tms")), teamFile) << "the league's own file changed";
}

TEST_F(LeagueCommand, StartUpLoadsTheLeagueNamedInTheDefaultsFile) {
    const fs::path base = folders.LeagueBase("remembered");
    MakeLeague(base, {"--teams", "12", "--seed", "3"});
    // A defaults file written by hand, with a second field after a comma.
    const std::string line = base.string() + ",ignored\r\n";
    WriteWholeFile(folders.Start() / "korvel.def", Bytes(line.begin(), line.end()));

    // No -C: the start folder is the current folder.
    const RunResult run = RunCli({"league", "--json"}, folders.Start());
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const LeagueOnDisk league = LeagueOnDisk::Read(base);
    EXPECT_EQ(fs::path(run.Json()["LeaguePath"].get<std::string>()), base);
    EXPECT_EQ(run.Json()["Conferences"], ExpectedConferences(league));
    EXPECT_TRUE(FileExists(folders.Start() / "swp.t"));

    // The next run without --league finds the league the last one loaded.
    const fs::path other = folders.LeagueBase("other");
    MakeLeague(other, {"--teams", "4", "--seed", "9"});
    ASSERT_EQ(RunCli(folders.With(other, {"league"})).ExitCode, 0);
    const RunResult again = RunCli({"-C", folders.Start().string(), "league", "--json"});
    ASSERT_EQ(again.ExitCode, 0) << again.Err;
    EXPECT_EQ(fs::path(again.Json()["LeaguePath"].get<std::string>()), other);
}

TEST_F(LeagueCommand, ABrokenRememberedLeagueDoesNotStopAnExplicitOne) {
    const fs::path broken = folders.LeagueBase("broken");
    MakeLeague(broken, {"--teams", "4"});
    const fs::path good = folders.LeagueBase("good");
    MakeLeague(good, {"--teams", "4"});
    ASSERT_EQ(RunCli(folders.With(broken, {"league"})).ExitCode, 0);
    fs::remove(WithExt(broken, ".ros"));  // korvel.def now names a league that fails to load

    const RunResult run = RunCli(folders.With(good, {"league", "--json"}));
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Err.find(WithExt(broken, ".ros").string()), std::string::npos) << run.Err;
    EXPECT_EQ(fs::path(run.Json()["LeaguePath"].get<std::string>()), good);

    // What start-up reported is no refusal of the command that follows.
    MakeLeague(broken, {"--teams", "4"});
    ASSERT_EQ(RunCli(folders.With(broken, {"league"})).ExitCode, 0);
    WriteWholeFile(WithExt(broken, ".lge"), Bytes(10, 0));
    const RunResult lines = RunCli(folders.With(good, {"lines", "--json"}));
    EXPECT_EQ(lines.ExitCode, 0) << lines.Err;
    EXPECT_NE(lines.Err.find("Load League"), std::string::npos) << lines.Err;
}

}  // namespace
}  // namespace korvel::test

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "platform/NumberFormat.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

constexpr int kTeam = 2;

class TeamCommand : public testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("demo");
        MakeLeague(base, {"--teams", "4", "--seed", "5", "--games", "30"});
        league = LeagueOnDisk::Read(base);
    }

    RunResult Team(std::vector<std::string> args) const {
        args.insert(args.begin(), {"team", "--team", std::to_string(kTeam)});
        return RunCli(folders.With(base, args));
    }

    // Marks the league's season as not started, as the league simulation leaves it between seasons.
    void SeasonNotStarted() const {
        Bytes bytes = ReadWholeFile(WithExt(base, ".lge"));
        bytes[220] = bytes[221] = 0;  // SeasonStarted
        WriteWholeFile(WithExt(base, ".lge"), bytes);
    }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

TEST_F(TeamCommand, JsonHoldsEveryFieldAsShownAndTheBalanceColour) {
    const RunResult run = Team({"--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json shown = run.Json();
    EXPECT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown["TeamIndex"], kTeam);
    const korvel::Team& team = league.Teams[kTeam];
    EXPECT_EQ(shown["Team"], Printed(team.Name));

    const json& fields = shown["Fields"];
    EXPECT_EQ(fields.size(), 36u);
    EXPECT_EQ(fields["lblTeam"], team.Name.Utf8());  // with its trailing blanks, as shown
    EXPECT_EQ(fields["lblEmail"], "");
    EXPECT_EQ(fields["lblFA"], "");
    EXPECT_EQ(fields["lblGP"], std::to_string(team.Wins[0] + team.Losses[0] + team.Ties[0]));
    EXPECT_EQ(fields["lblCurFin"], FormatDollars(team.Finances));
    EXPECT_EQ(fields["lblRev"], FormatDollars(team.RevenuePerGame));
    const bool inTheRed = fields["lblProjBal"].get<std::string>().front() == '-';
    EXPECT_EQ(shown["ProjectedBalanceColour"], inTheRed ? "#FF0000" : "#FFFFFF");
}

// Every generated team is ready for its game: 20 dressed, so each position's best are dressed.
TEST_F(TeamCommand, JsonStrengthHoldsEveryPosition) {
    const RunResult run = Team({"--json"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json shown = run.Json();
    const json& strength = shown["Strength"];
    const std::vector<std::pair<std::string, int>> wanted = {
        {"C", 3}, {"LW", 3}, {"RW", 3}, {"D", 6}, {"G", 1}};
    ASSERT_EQ(strength.size(), wanted.size());
    for (const auto& [position, count] : wanted) {
        const json& row = strength[position];
        EXPECT_EQ(row["Wanted"], count) << position;
        EXPECT_EQ(row["DressedCounted"], count) << position;
        ASSERT_TRUE(row["Dressed"].is_number()) << position;
        EXPECT_GE(row["Pro"].get<double>(), row["Dressed"].get<double>()) << position;
        EXPECT_LE(row["Pro"].get<double>(), 99.0) << position;
    }
}

TEST_F(TeamCommand, TextIsOneCaptionedLinePerField) {
    const RunResult run = Team({});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const korvel::Team& team = league.Teams[kTeam];
    EXPECT_THAT(run.Out, testing::StartsWith("Team Name: " + Printed(team.Name) + "\nCONF: "));
    EXPECT_THAT(run.Out, testing::HasSubstr("\nEMAIL:\n"));
    EXPECT_THAT(run.Out, testing::HasSubstr("\nCurrent Finances: " + FormatDollars(team.Finances)));
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 36);
}

// Before the season starts the first refresh shows the stored record and clears it in memory,
// so a second refresh shows 0-0-0; nothing is written.
TEST_F(TeamCommand, RefreshesBeforeTheSeasonStarts) {
    SeasonNotStarted();
    const korvel::Team& team = league.Teams[kTeam];
    ASSERT_GT(team.Wins[0], 0);
    const RunResult once = Team({"--json"});
    ASSERT_EQ(once.ExitCode, 0) << once.Err;
    EXPECT_EQ(once.Json()["Fields"]["lblW"], std::to_string(team.Wins[0]));
    EXPECT_EQ(once.Json()["Fields"]["lblProjExp"], "$0,000");

    const RunResult twice = Team({"--refreshes", "2", "--json"});
    ASSERT_EQ(twice.ExitCode, 0) << twice.Err;
    const json fields = twice.Json()["Fields"];
    EXPECT_EQ(fields["lblGP"], "0");
    EXPECT_EQ(fields["lblW"], "0");
    EXPECT_EQ(fields["lblTeam"], team.Name.Utf8());
    EXPECT_EQ(ReadTeamRecord(folders.Start() / "swp.t", kTeam).Wins[0], team.Wins[0]);
}

TEST_F(TeamCommand, RefreshesMustBeAPositiveCount) {
    for (const char* refreshes : {"0", "x", "-1"}) {
        const RunResult run = Team({"--refreshes", refreshes});
        EXPECT_EQ(run.ExitCode, 2) << refreshes;
        EXPECT_THAT(run.Err, testing::HasSubstr("--refreshes")) << refreshes;
        EXPECT_EQ(run.Out, "") << refreshes;
    }
}

}  // namespace
}  // namespace korvel::test

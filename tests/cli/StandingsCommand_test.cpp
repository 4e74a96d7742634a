#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "league/RecordCodec.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;
using nlohmann::json;

struct TeamSeason {
    int Conference, Division, W, L, T, GF, GA;
};

// Ties in points (teams 0 to 3, 5, 6, 11), in wins too (0, 2, 3, 11, 5), in goal difference too
// (0 and 3); teams in divisions 2 and 3; team 7 in conference 2 and team 8 in division 4.
const std::vector<TeamSeason> kSeason = {
    {0, 0, 10, 5, 2, 50, 40}, {0, 0, 9, 4, 4, 45, 30}, {0, 0, 10, 6, 2, 60, 40},
    {0, 0, 10, 5, 2, 50, 40}, {0, 2, 1, 1, 1, 5, 5},   {1, 3, 3, 0, 0, 9, 1},
    {1, 3, 2, 0, 2, 9, 9},    {2, 0, 5, 0, 0, 20, 2},  {0, 4, 5, 0, 0, 20, 2},
    {1, 0, 0, 3, 0, 1, 9},    {0, 2, 2, 0, 0, 4, 1},   {1, 3, 3, 0, 0, 10, 1},
};

class StandingsCommand : public testing::Test {
  protected:
    void SetUp() override {
        base = folders.LeagueBase("table");
        MakeLeague(base, {"--teams", "12", "--seed", "8"});
        league = LeagueOnDisk::Read(base);
        Bytes teams = ReadWholeFile(WithExt(base, ".tms"));
        for (std::size_t t = 0; t < kSeason.size(); ++t) {
            const TeamSeason& s = kSeason[t];
            Team& team = league.Teams[t];
            team.Conference = static_cast<std::uint8_t>(s.Conference);
            team.Division = static_cast<std::uint8_t>(s.Division);
            team.Wins[0] = static_cast<std::uint8_t>(s.W);
            team.Losses[0] = static_cast<std::uint8_t>(s.L);
            team.Ties[0] = static_cast<std::uint8_t>(s.T);
            team.GoalsFor = static_cast<std::int16_t>(s.GF);
            team.GoalsAgainst = static_cast<std::int16_t>(s.GA);
            EncodeValue(team, teams.data() + t * RecordLayout<Team>::Size);
        }
        WriteWholeFile(WithExt(base, ".tms"), teams);
    }

    json Row(int rank, int t) const {
        const TeamSeason& s = kSeason[static_cast<std::size_t>(t)];
        return {{"Rank", rank},
                {"TeamIndex", t},
                {"Team", Printed(league.Teams[t].Name)},
                {"GP", s.W + s.L + s.T},
                {"W", s.W},
                {"L", s.L},
                {"T", s.T},
                {"PTS", 2 * s.W + s.T},
                {"GF", s.GF},
                {"GA", s.GA},
                {"DIFF", s.GF - s.GA}};
    }
    json Division(int conf, int division, const std::vector<int>& order) const {
        json teams = json::array();
        for (const int t : order) teams.push_back(Row(static_cast<int>(teams.size()) + 1, t));
        return {
            {"Conference", conf},
            {"ConferenceName", Printed(league.LeagueRecord.Conferences[conf].ConfName)},
            {"Division", division},
            {"Name", Printed(league.LeagueRecord.Conferences[conf].Divisions[division].DivName)},
            {"Teams", teams}};
    }

    CliFixtureFolders folders;
    fs::path base;
    LeagueOnDisk league;
};

TEST_F(StandingsCommand, JsonHoldsEachDivisionInRankOrderAndTheTeamsOfNone) {
    const RunResult run = RunCliInProcess(folders.With(base, {"standings", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json expected = {{"League", Printed(league.LeagueRecord.LeagueName)},
                           {"Divisions",
                            {Division(0, 0, {2, 0, 3, 1}), Division(0, 2, {10, 4}),
                             Division(1, 0, {9}), Division(1, 3, {11, 5, 6})}},
                           {"Unlisted", {7, 8}}};
    EXPECT_EQ(run.Json(), expected);
}

TEST_F(StandingsCommand, TextIsOneTablePerDivisionThenTheUnlisted) {
    const RunResult run = RunCli(folders.With(base, {"standings"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_THAT(run.Out, testing::StartsWith("League: " + Printed(league.LeagueRecord.LeagueName)));
    const auto& conference = league.LeagueRecord.Conferences[1];
    EXPECT_THAT(run.Out, testing::HasSubstr("\n" + Printed(conference.ConfName) + ", " +
                                            Printed(conference.Divisions[3].DivName) +
                                            " (conference 1, division 3)\n  Rank  Team "));
    EXPECT_THAT(run.Out, testing::HasSubstr("\nUnlisted:\n  7  " + Printed(league.Teams[7].Name) +
                                            "\n  8  " + Printed(league.Teams[8].Name) + "\n"));
    EXPECT_THAT(run.Out,
                testing::ContainsRegex("\n +1  [A-Za-z .]+ +18 +10 +6 +2 +22 +60 +40 +20 +2\n"));
}

TEST_F(StandingsCommand, BeforeTheSeasonNoTeamHasPoints) {
    Bytes record = ReadWholeFile(WithExt(base, ".lge"));
    record[220] = record[221] = 0;  // SeasonStarted
    WriteWholeFile(WithExt(base, ".lge"), record);
    const RunResult run = RunCli(folders.With(base, {"standings", "--json"}));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const json shown = run.Json();
    const json& first = shown["Divisions"][0]["Teams"];
    // Equal on points and wins, so goal difference orders: 2 (+20), 1 (+15), 0 and 3 (+10).
    std::vector<int> order;
    for (const json& row : first) {
        EXPECT_EQ(row["PTS"], 0);
        EXPECT_EQ(row["GP"], 0);
        order.push_back(row["TeamIndex"]);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1, 0, 3}));
}

TEST_F(StandingsCommand, RefusesExtraArgumentsAndRunsWithoutALeagueAsAUsageError) {
    EXPECT_EQ(RunCli(folders.With(base, {"standings", "--bogus"})).ExitCode, 2);
    const RunResult none = RunCli({"-C", folders.Start().string(), "standings"});
    EXPECT_EQ(none.ExitCode, 2);
    EXPECT_THAT(none.Err, testing::HasSubstr("no league was given"));
}

}  // namespace
}  // namespace korvel::test

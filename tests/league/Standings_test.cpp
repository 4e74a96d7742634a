#include "league/Standings.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace korvel {
namespace {

struct TeamCase {
    const char* Name;
    int Conference, Division, W, L, T, GF, GA;
};

struct Standing {
    League Record;
    std::array<Team, kMaxTeams> Teams{};

    explicit Standing(const std::vector<TeamCase>& cases, bool started = true) {
        Record.LastTeam = static_cast<std::uint8_t>(cases.size() - 1);
        Record.SeasonStarted = started ? -1 : 0;
        const char* divisions[2][4] = {{"North", "East", "West", "South"},
                                       {"Lake", "Hill", "Coast", "Plain"}};
        for (int c = 0; c < 2; ++c) {
            for (int d = 0; d < 4; ++d)
                Record.Conferences[c].Divisions[d].DivName =
                    FixedText<10>::FromString(divisions[c][d]);
        }
        for (std::size_t t = 0; t < cases.size(); ++t) {
            const TeamCase& c = cases[t];
            Team& team = Teams[t];
            team.Name = FixedText<10>::FromString(c.Name);
            team.Conference = static_cast<std::uint8_t>(c.Conference);
            team.Division = static_cast<std::uint8_t>(c.Division);
            team.Wins[0] = static_cast<std::uint8_t>(c.W);
            team.Losses[0] = static_cast<std::uint8_t>(c.L);
            team.Ties[0] = static_cast<std::uint8_t>(c.T);
            team.GoalsFor = static_cast<std::int16_t>(c.GF);
            team.GoalsAgainst = static_cast<std::int16_t>(c.GA);
        }
    }
    LeagueStandings Compute() const { return ComputeStandings(Record, Teams); }
};

std::vector<int> IndexesOf(const DivisionStandings& division) {
    std::vector<int> indexes;
    for (const auto& row : division.Teams) indexes.push_back(row.TeamIndex);
    return indexes;
}

// Ties broken in turn by wins, goal difference and team index.
TEST(Standings, OrderWithinADivision) {
    const Standing league({
        {"Equal A", 0, 0, 5, 5, 0, 30, 30},   // 10 pts, 5 W, 0 diff
        {"Fewer W", 0, 0, 4, 4, 2, 40, 20},   // 10 pts, 4 W
        {"Best", 0, 0, 6, 4, 0, 10, 40},      // 12 pts
        {"Better D", 0, 0, 5, 5, 0, 31, 30},  // 10 pts, 5 W, +1
        {"Equal B", 0, 0, 5, 5, 0, 20, 20},   // as Equal A: the lower index first
    });
    const LeagueStandings standings = league.Compute();
    ASSERT_EQ(standings.Divisions.size(), 1u);
    EXPECT_EQ(IndexesOf(standings.Divisions[0]), (std::vector<int>{2, 3, 0, 4, 1}));
    std::vector<int> ranks;
    for (const auto& row : standings.Divisions[0].Teams) ranks.push_back(row.Rank);
    EXPECT_EQ(ranks, (std::vector<int>{1, 2, 3, 4, 5}));
    const StandingsRow& best = standings.Divisions[0].Teams[0];
    EXPECT_EQ(std::tie(best.Team, best.GP, best.PTS, best.DIFF),
              std::make_tuple(std::string("Best"), 10, 12, -30));
}

TEST(Standings, DivisionsInOrderOnlyWhenHoldingATeamAndTheRestUnlisted) {
    const Standing league({
        {"C1 D3", 1, 3, 0, 0, 0, 0, 0},
        {"C0 D2", 0, 2, 0, 0, 0, 0, 0},
        {"Conf 2", 2, 0, 0, 0, 0, 0, 0},
        {"C1 D0", 1, 0, 0, 0, 0, 0, 0},
        {"Div 4", 0, 4, 0, 0, 0, 0, 0},
        {"C0 D0", 0, 0, 0, 0, 0, 0, 0},
    });
    const LeagueStandings standings = league.Compute();
    std::vector<std::tuple<int, int, std::string, std::vector<int>>> shown;
    for (const auto& d : standings.Divisions)
        shown.emplace_back(d.Conference, d.Division, d.Name, IndexesOf(d));
    const std::vector<std::tuple<int, int, std::string, std::vector<int>>> expected = {
        {0, 0, "North", {5}}, {0, 2, "West", {1}}, {1, 0, "Lake", {3}}, {1, 3, "Plain", {0}}};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(standings.Unlisted, (std::vector<int>{2, 4}));
}

// Before the season W, L, T, GP and PTS are 0, so the goals stored decide.
TEST(Standings, BeforeTheSeasonStartsTheRecordCountsNothing) {
    const Standing league({{"Low", 0, 0, 1, 2, 0, 5, 9}, {"High", 0, 0, 9, 0, 1, 30, 3}}, false);
    const LeagueStandings standings = league.Compute();
    const auto& rows = standings.Divisions.at(0).Teams;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].TeamIndex, 1);
    EXPECT_EQ(std::tie(rows[0].GP, rows[0].W, rows[0].L, rows[0].T, rows[0].PTS),
              std::make_tuple(0, 0, 0, 0, 0));
    EXPECT_EQ(std::tie(rows[0].GF, rows[0].GA, rows[0].DIFF), std::make_tuple(30, 3, 27));
}

}  // namespace
}  // namespace korvel

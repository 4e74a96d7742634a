#pragma once

#include <array>
#include <string>
#include <vector>

#include "league/Records.h"

namespace korvel {

// One team's line in its division's table. Before the season has started W, L, T, GP and PTS are
// 0, as the team information window shows them; the goals stand as stored.
struct StandingsRow {
    int Rank = 0;  // 1 for the top of the division
    int TeamIndex = 0;
    std::string Team;  // the name without trailing blanks, UTF-8
    int GP = 0, W = 0, L = 0, T = 0, PTS = 0, GF = 0, GA = 0, DIFF = 0;
};

struct DivisionStandings {
    int Conference = 0;
    int Division = 0;
    std::string Name;            // the division's name without trailing blanks, UTF-8
    std::string ConferenceName;  // its conference's name, the same way
    std::vector<StandingsRow> Teams;
};

struct LeagueStandings {
    // Conference 0 divisions 0 to 3, then conference 1 divisions 0 to 3; only those with a team.
    std::vector<DivisionStandings> Divisions;
    // Teams whose conference is above 1 or division above 3, by index.
    std::vector<int> Unlisted;
};

// The tables of teams 0 to LastTeam. Within a division: points, then wins, then goal difference,
// all descending, then the team index.
LeagueStandings ComputeStandings(const League& league, const std::array<Team, kMaxTeams>& teams);

}  // namespace korvel

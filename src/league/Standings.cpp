#include "league/Standings.h"

#include <algorithm>
#include <tuple>

#include "league/Condense.h"
#include "platform/Text1252.h"

namespace korvel {
namespace {

constexpr int kConferences = 2;
constexpr int kDivisions = 4;

template <std::size_t N>
std::string Shown(const FixedText<N>& text) {
    return Windows1252ToUtf8(Condense(text.Str()));
}

StandingsRow RowOf(int index, const Team& team, bool seasonStarted) {
    StandingsRow row;
    row.TeamIndex = index;
    row.Team = Shown(team.Name);
    if (seasonStarted) {
        row.W = team.Wins[0];
        row.L = team.Losses[0];
        row.T = team.Ties[0];
    }
    row.GP = row.W + row.L + row.T;
    row.PTS = 2 * row.W + row.T;
    row.GF = team.GoalsFor;
    row.GA = team.GoalsAgainst;
    row.DIFF = row.GF - row.GA;
    return row;
}

bool RanksAbove(const StandingsRow& a, const StandingsRow& b) {
    return std::tuple(-a.PTS, -a.W, -a.DIFF, a.TeamIndex) <
           std::tuple(-b.PTS, -b.W, -b.DIFF, b.TeamIndex);
}

}  // namespace

LeagueStandings ComputeStandings(const League& league, const std::array<Team, kMaxTeams>& teams) {
    std::array<std::array<std::vector<StandingsRow>, kDivisions>, kConferences> rows;
    LeagueStandings standings;
    const int lastTeam = std::min<int>(league.LastTeam, kMaxTeams - 1);
    for (int t = 0; t <= lastTeam; ++t) {
        const Team& team = teams[static_cast<std::size_t>(t)];
        if (team.Conference >= kConferences || team.Division >= kDivisions) {
            standings.Unlisted.push_back(t);
            continue;
        }
        rows[team.Conference][team.Division].push_back(RowOf(t, team, league.SeasonStarted != 0));
    }
    for (int conf = 0; conf < kConferences; ++conf) {
        for (int division = 0; division < kDivisions; ++division) {
            auto& teamRows =
                rows[static_cast<std::size_t>(conf)][static_cast<std::size_t>(division)];
            if (teamRows.empty()) continue;
            std::sort(teamRows.begin(), teamRows.end(), RanksAbove);
            for (std::size_t row = 0; row < teamRows.size(); ++row) {
                teamRows[row].Rank = static_cast<int>(row) + 1;
            }
            const Conference& conference = league.Conferences[static_cast<std::size_t>(conf)];
            standings.Divisions.push_back(
                {conf, division,
                 Shown(conference.Divisions[static_cast<std::size_t>(division)].DivName),
                 Shown(conference.ConfName), std::move(teamRows)});
        }
    }
    return standings;
}

}  // namespace korvel

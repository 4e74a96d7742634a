#include "league/TeamLists.h"

namespace korvel {

std::vector<int> TeamsOfDivision(const Variables& vars, int conf, int division) {
    std::vector<int> teams;
    if (!vars.LeagueLoaded()) return teams;
    for (int t = 0; t <= vars.League.LastTeam && t < kMaxTeams; ++t) {
        const Team& team = vars.Teams[static_cast<std::size_t>(t)];
        if (team.Conference == conf && team.Division == division) teams.push_back(t);
    }
    return teams;
}

std::optional<int> TeamAfterLoad(const Variables& vars) {
    for (int conf = 1; conf >= 0; --conf) {
        const std::vector<int> teams = TeamsOfDivision(vars, conf, 0);
        if (!teams.empty()) return teams.front();
    }
    return std::nullopt;
}

bool TeamListed(const Variables& vars, int team) {
    if (team < 0 || team > vars.League.LastTeam || team >= kMaxTeams) return false;
    const Team& record = vars.Teams[static_cast<std::size_t>(team)];
    return record.Conference < 2 && record.Division < kListedDivisions;
}

}  // namespace korvel

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/Records.h"

namespace korvel::test {

// Builds small leagues by hand, for tests that need exact control over teams and players.
struct LeagueBuilder {
    League LeagueRecord;
    std::vector<Team> Teams;
    std::vector<Player> Players;  // 50 per team; missing places are left out of the file

    explicit LeagueBuilder(const std::string& leagueName = "Test League");

    // Adds a team with every roster place filled by a named skater; returns its index.
    int AddTeam(const std::string& name, int conference, int division);

    // Writes base.lge, base.tms, base.ros and an empty base.wvr. LastTeam is the number of teams
    // minus one unless set with `lastTeam`.
    void Write(const std::filesystem::path& base, int lastTeam = -1) const;
};

}  // namespace korvel::test

#pragma once

// Which teams the main window's lists show, and which team a league load makes current.

#include <optional>
#include <vector>

#include "league/Variables.h"

namespace korvel {

// Each conference lists its first two divisions.
inline constexpr int kListedDivisions = 2;

// The teams of division `division` of conference `conf`, in team order.
std::vector<int> TeamsOfDivision(const Variables& vars, int conf, int division);
// The team a load makes current: the first team of the first division of the second conference,
// else of the first conference; none when neither division has a team.
std::optional<int> TeamAfterLoad(const Variables& vars);
// Whether the lists can show `team`: conference 0 or 1, one of its listed divisions.
bool TeamListed(const Variables& vars, int team);

}  // namespace korvel

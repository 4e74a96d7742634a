#pragma once

#include <vector>

#include "league/LinesCheck.h"
#include "league/Variables.h"

namespace korvel {

// What the league's check of lines files would find in the lines file of team `team` as it
// stands now: its stored line-up, its players' places as the working copies hold them and its own
// password. Empty when the team is ready.
std::vector<LinesProblem> ReadinessProblems(const Variables& vars, int team);

}  // namespace korvel

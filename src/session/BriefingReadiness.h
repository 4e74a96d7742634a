#pragma once

#include <vector>

#include "league/LinesCheck.h"
#include "league/Variables.h"

namespace korvel {

// Whether team `team` is ready for its next game (CheckReadiness) as it stands now: its stored
// line-up, its players' places as the working copies hold them and the password of its saved
// lines file. Empty when the team is ready.
std::vector<LinesProblem> ReadinessProblems(const Variables& vars, int team);

}  // namespace korvel

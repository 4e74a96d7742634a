#pragma once

// Whether the lines file saved now would pass the league's check: the rules and problem codes of
// check-lines, applied to the session's line-up and roster slot 0 instead of a file.

#include <string>
#include <vector>

#include "league/FixedText.h"
#include "league/LinesCheck.h"
#include "session/TeamSession.h"

namespace korvel {

// The problems the league would find in the lines file saved now with `password`, or with the
// team's own lines password; empty when the file would be ready.
std::vector<LinesProblem> LinesReadiness(const TeamSession& session);
std::vector<LinesProblem> LinesReadiness(const TeamSession& session, const FixedText<10>& password);

// "Ready for the league", or the first problem and how many there are.
std::string ReadinessLine(const std::vector<LinesProblem>& problems);

}  // namespace korvel

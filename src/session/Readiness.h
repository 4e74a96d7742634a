#pragma once

// Whether the current team is ready for its next game as the session holds it: the rules of
// CheckReadiness applied to roster slot 0 and the line-up being edited.

#include <string>
#include <vector>

#include "league/FixedText.h"
#include "league/LinesCheck.h"
#include "session/TeamReadiness.h"
#include "session/TeamSession.h"

namespace korvel {

// The problems of the team as the lines window edits it, with the password of the lines file
// saved in the start folder (none checked while there is none), or with `password`, the one a
// file is about to be saved with. Empty when the team is ready.
std::vector<LinesProblem> LinesReadiness(const TeamSession& session);
std::vector<LinesProblem> LinesReadiness(const TeamSession& session, const FixedText<10>& password);
// The same for the roster window: its working places and the team's stored line-up.
std::vector<LinesProblem> RosterReadiness(const TeamSession& session);

// "Ready for the league", or the first problem and how many there are.
std::string ReadinessLine(const std::vector<LinesProblem>& problems);

}  // namespace korvel

#pragma once

#include <string>

#include "app/cli/Session.h"
#include "session/TeamSession.h"

namespace korvel::cli {

// Throws when the main window's Coach menu, which opens the roster and lines windows, is disabled
// (no team listed): `window` and `menuPath` name what would have opened.
void RequireCoachMenu(Session& session, const std::string& window, const std::string& menuPath);

// Prints an outcome's message, if any, as the windows would show it; returns whether it was done.
bool Reported(Session& session, const Outcome& outcome);

// Prints a keep question with the Yes that --keep gives it.
void AnsweredYes(Session& session, const Question& question);

}  // namespace korvel::cli

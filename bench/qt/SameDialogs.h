#pragma once

#include <QDialog>

#include <memory>

#include "windows/roster/Roster.h"
#include "windows/standings/Standings.h"

namespace korvel::bench {

// The yardsticks of opening the roster and the standings: plain QDialogs holding the same widgets
// as those windows, filled from the loaded window, in their fonts (the roster's bold titles,
// headings and unmet rules), in plain layouts - no style sheet, no painted pieces, no sizes worked
// out, no icons.
std::unique_ptr<QDialog> MakeSameWidgetsRoster(const Roster& roster);
std::unique_ptr<QDialog> MakeSameWidgetsStandings(const Standings& standings);

}  // namespace korvel::bench

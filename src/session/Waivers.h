#pragma once

#include "league/Variables.h"
#include "platform/Ui.h"
#include "session/Outcome.h"

namespace korvel {

// True when player `index` of roster slot `slot` would have to clear waivers to go down to the
// farm club: old enough, played enough, and the league has waivers switched on and not blocked.
bool SubjectToWaivers(const Variables& vars, int index, int slot);

// The waiver question asked before a pro player goes down to the farm club. Returns true when the
// player is not subject to waivers (nothing asked, nothing changed). Otherwise asks "Put <name> on
// waivers?": Yes sends him to the farm club, No keeps him on the pro roster as a scratch, both
// keeping his injury code; then returns false.
bool CheckWaivers(Variables& vars, const Ask& ask, int index, int slot);
bool CheckWaivers(Variables& vars, Ui& ui, int index, int slot);

}  // namespace korvel

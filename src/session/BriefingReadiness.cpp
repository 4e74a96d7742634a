#include "session/BriefingReadiness.h"

#include "league/RosterSlots.h"
#include "session/TeamReadiness.h"

namespace korvel {

// The team as it stands: its players' places as the working copies hold them, its stored
// line-up and the password of its saved lines file.
std::vector<LinesProblem> ReadinessProblems(const Variables& vars, int team) {
    const Team& record = vars.Teams[static_cast<std::size_t>(team)];
    const RosterSlot players = vars.HeldCopies ? vars.HeldCopies->Players(team)
                                               : ReadTeamPlayers(vars.SwapRosterFile, team);
    ReadinessFacts facts = RecordFacts(record, players);
    facts.FilePassword = SavedLinesPassword(vars, team);
    return CheckReadiness(vars, facts);
}

}  // namespace korvel

#include "session/BriefingReadiness.h"

#include "league/LinesCheck.h"
#include "league/LinesFile.h"
#include "league/RosterSlots.h"

namespace korvel {

// The team as it stands, as the lines file it would save, checked by the league's rules.
std::vector<LinesProblem> ReadinessProblems(const Variables& vars, int team) {
    const Team& record = vars.Teams[static_cast<std::size_t>(team)];
    const RosterSlot players = vars.HeldCopies ? vars.HeldCopies->Players(team)
                                               : ReadTeamPlayers(vars.SwapRosterFile, team);
    LinesRecord lines;
    lines.TeamIndex = static_cast<std::uint8_t>(team);
    lines.Password = record.Password;
    lines.Slots = record.LineSlots;
    for (std::size_t i = 0; i < players.size(); ++i) {
        lines.RosterStatus[i] = players[i].Status;
        lines.RosterProtected[i] = players[i].Protected;
    }
    return CheckLinesRecord(lines, record, players);
}

}  // namespace korvel

#include "session/Readiness.h"

#include "league/LinesFile.h"

namespace korvel {

std::vector<LinesProblem> LinesReadiness(const TeamSession& session) {
    return LinesReadiness(session, session.TeamRecord().Password);
}

std::vector<LinesProblem> LinesReadiness(const TeamSession& session,
                                         const FixedText<10>& password) {
    const LinesRecord record = MakeLinesRecord(session.Vars(), password, session.LineBuffer, 0);
    return CheckLinesRecord(record, session.TeamRecord(), session.Players());
}

std::string ReadinessLine(const std::vector<LinesProblem>& problems) {
    if (problems.empty()) return "Ready for the league";
    const std::string first = problems.front().Text;
    if (problems.size() == 1) return "Not ready for the league: " + first;
    return "Not ready for the league (" + std::to_string(problems.size()) + " problems): " + first;
}

}  // namespace korvel

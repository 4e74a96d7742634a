#include "session/Readiness.h"

#include "platform/Phrase.h"

namespace korvel {
namespace {

ReadinessFacts LinesFacts(const TeamSession& session, std::optional<FixedText<10>> password) {
    ReadinessFacts facts = RecordFacts(session.TeamRecord(), session.Players());
    facts.LineUp = session.LineBuffer;
    facts.FilePassword = std::move(password);
    return facts;
}

}  // namespace

std::vector<LinesProblem> LinesReadiness(const TeamSession& session) {
    return CheckReadiness(
        session.Vars(),
        LinesFacts(session, SavedLinesPassword(session.Vars(), session.CurrentTeam())));
}

std::vector<LinesProblem> LinesReadiness(const TeamSession& session,
                                         const FixedText<10>& password) {
    return CheckReadiness(session.Vars(), LinesFacts(session, password));
}

std::vector<LinesProblem> RosterReadiness(const TeamSession& session) {
    ReadinessFacts facts = RecordFacts(session.TeamRecord(), session.Players());
    facts.Places = session.PlayerFlags;
    facts.FilePassword = SavedLinesPassword(session.Vars(), session.CurrentTeam());
    return CheckReadiness(session.Vars(), facts);
}

std::string ReadinessLine(const std::vector<LinesProblem>& problems) {
    if (problems.empty()) return KORVEL_TEXT("Readiness", "Ready for the league");
    if (problems.size() == 1) {
        return KORVEL_PHRASE("Readiness", "Not ready for the league: %1")
            .With({problems.front().Text})
            .English();
    }
    return KORVEL_PLURAL("Readiness", "Not ready for the league (%n problems): %1")
        .With({problems.front().Text})
        .Counting(static_cast<int>(problems.size()))
        .English();
}

}  // namespace korvel

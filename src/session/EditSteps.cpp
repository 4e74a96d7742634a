// Which team is current, whether anything changed, and the history of the edits.

#include "league/Condense.h"
#include "platform/Text1252.h"
#include "session/TeamSession.h"

namespace korvel {

bool TeamSession::SelectTeam(int team) {
    // The lists name teams of the league; any index of the team table is taken as they give it.
    if (team < 0 || team >= kMaxTeams) return false;
    vars_.CurrentTeam = static_cast<std::uint8_t>(team);
    return true;
}

std::string TeamSession::PlayerNameText(int index) const {
    return Windows1252ToUtf8(Condense(Players().at(static_cast<std::size_t>(index)).Name.Str()));
}

EditState TeamSession::Snapshot() const {
    return {PlayerFlags, vars_.Players[0], LineBuffer, TeamRecord().LinesSet};
}

void TeamSession::Restore(const EditState& state) {
    PlayerFlags = state.PlayerFlags;
    vars_.Players[0] = state.Players;
    LineBuffer = state.LineBuffer;
    TeamRecord().LinesSet = state.LinesSet;
}

void TeamSession::StartEditing() {
    history_.Reset();
    modified_ = false;
}

void TeamSession::Saved(bool stillModified) {
    history_.Reset(!stillModified);
    modified_ = stillModified;
}

bool TeamSession::Undo() {
    if (!history_.CanUndo()) return false;
    Restore(history_.Undo());
    modified_ = !history_.AtClean();
    return true;
}

bool TeamSession::Redo() {
    if (!history_.CanRedo()) return false;
    Restore(history_.Redo());
    modified_ = !history_.AtClean();
    return true;
}

TeamSession::Step::Step(TeamSession& session, std::string name) : session_(session) {
    if (session_.stepDepth_++ == 0) {
        session_.stepBefore_ = session_.Snapshot();
        session_.stepName_ = std::move(name);
        session_.stepDismissed_ = false;
    } else if (session_.stepName_.empty()) {
        session_.stepName_ = std::move(name);
    }
}

TeamSession::Step::~Step() {
    session_.stepDismissed_ = session_.stepDismissed_ || dismissed_;
    if (--session_.stepDepth_ > 0 || session_.stepDismissed_) return;
    EditState after = session_.Snapshot();
    if (after == session_.stepBefore_) return;
    session_.history_.Push(std::move(session_.stepName_), std::move(session_.stepBefore_),
                           std::move(after));
    session_.modified_ = true;
}

}  // namespace korvel

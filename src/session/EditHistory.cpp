#include "session/EditHistory.h"

#include <utility>

#include "league/RecordCodec.h"

namespace korvel {

bool EditState::operator==(const EditState& other) const {
    if (PlayerFlags != other.PlayerFlags || LineBuffer != other.LineBuffer ||
        LinesSet != other.LinesSet) {
        return false;
    }
    for (std::size_t i = 0; i < Players.size(); ++i) {
        if (EncodeRecord(Players[i]) != EncodeRecord(other.Players[i])) return false;
    }
    return true;
}

void EditHistory::Reset(bool clean) {
    steps_.clear();
    done_ = 0;
    clean_ = clean ? 0 : kNoClean;
}

void EditHistory::Push(std::string name, EditState before, EditState after) {
    steps_.resize(done_);
    // A clean position among the steps forgotten can never be reached again.
    if (clean_ != kNoClean && clean_ > done_) clean_ = kNoClean;
    steps_.push_back({std::move(name), std::move(before), std::move(after)});
    ++done_;
}

std::string EditHistory::UndoName() const {
    return CanUndo() ? steps_[done_ - 1].Name : std::string();
}

std::string EditHistory::RedoName() const {
    return CanRedo() ? steps_[done_].Name : std::string();
}

const EditState& EditHistory::Undo() {
    return steps_[--done_].Before;
}

const EditState& EditHistory::Redo() {
    return steps_[done_++].After;
}

}  // namespace korvel

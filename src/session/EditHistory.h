#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "league/GameRoster.h"
#include "league/Variables.h"

namespace korvel {

using LineUp = std::array<std::uint8_t, kLineRows * kLineColumns>;

// Everything an edit of the roster or lines window may change: the working places, the players
// of roster slot 0 (statuses and protection marks), the line-up and the team's LinesSet.
struct EditState {
    std::array<std::uint8_t, kRosterPlaces> PlayerFlags{};
    RosterSlot Players{};
    LineUp LineBuffer{};
    std::int16_t LinesSet = 0;
    // Equal when every byte the files would hold is equal.
    bool operator==(const EditState& other) const;
};

// The edits of an open window as named steps, each kept as the state before and after it, so
// that a step is taken back by restoring the one and done again by restoring the other. The
// state is a few kilobytes and a window sees tens of edits, so whole states are simplest.
class EditHistory {
  public:
    // Forgets every step. `clean`: the state now is the one the files hold; otherwise no
    // position of the new history is (edits that were not saved came before it).
    void Reset(bool clean = true);
    // Records a step done; the steps undone before it are forgotten.
    void Push(std::string name, EditState before, EditState after);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // The state to restore; call only when CanUndo or CanRedo.
    const EditState& Undo();
    const EditState& Redo();
    // True when the steps done since the last Reset leave the state as the files hold it.
    bool AtClean() const { return done_ == clean_; }

  private:
    struct Step {
        std::string Name;
        EditState Before;
        EditState After;
    };
    static constexpr std::size_t kNoClean = static_cast<std::size_t>(-1);
    std::vector<Step> steps_;
    std::size_t done_ = 0;
    std::size_t clean_ = 0;
};

}  // namespace korvel

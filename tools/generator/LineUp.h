#pragma once

#include <array>
#include <cstdint>

#include "league/Records.h"
#include "league/Variables.h"

namespace korvel::gen {

using LineUp = std::array<std::uint8_t, kLineRows * kLineColumns>;

// A complete line-up of the team's dressed players (Status 200 to 255), laid out like
// Team::LineSlots: every used entry filled, a goalie only in the goalie entry, nobody twice in one
// row, spare entries 255. Within each group of units the players of a position take turns, so
// the four even-strength lines get different centres and wings while there are enough of them.
LineUp MakeLineUp(const RosterSlot& places);

// All 65 entries 255: no line-up stored.
LineUp EmptyLineUp();

}  // namespace korvel::gen

#pragma once

#include "league/RosterStatus.h"
#include "league/Variables.h"

namespace korvel {

// The rating by which automatic lines rank the candidates of a slot.
enum class Rating { Offense = 0, Defense = 1, Overall = 2 };

// Wanted position of automatic lines that admits any skater (any position but goalie).
constexpr int kAnySkater = 5;

// Automatic lines need exactly this many dressed healthy players.
constexpr int kPlayersDressed = 20;

int CountDressedHealthy(const RosterSlot& slot);

}  // namespace korvel

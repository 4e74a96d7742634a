#pragma once

#include "league/RosterStatus.h"
#include "league/Variables.h"
#include "ratings/Ratings.h"

namespace korvel {

// Wanted position of automatic lines that admits any skater (any position but goalie).
constexpr int kAnySkater = 5;

// Automatic lines need exactly this many dressed healthy players.
constexpr int kPlayersDressed = kGameRosterSize;

int CountDressedHealthy(const RosterSlot& slot);

// The first empty place of a roster slot, or -1 when all 50 are taken.
int FirstEmptyPlace(const RosterSlot& slot);

}  // namespace korvel

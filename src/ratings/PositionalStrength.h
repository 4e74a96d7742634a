#pragma once

#include <array>
#include <optional>

#include "league/Variables.h"

namespace korvel {

// The strength of one position: the mean `Overall` of its best players, as many as a game roster
// asks for (3 C, 3 LW, 3 RW, 6 D, 1 G), among the dressed players and among the whole pro roster
// (dressed or scratched, injured or not). Fewer players than asked for: the mean of those there;
// none: no value.
struct PositionStrength {
    int Wanted = 0;
    int DressedCounted = 0;
    std::optional<double> Dressed;
    int ProCounted = 0;
    std::optional<double> Pro;
};

// By position code: C, LW, RW, D, G.
using TeamStrength = std::array<PositionStrength, 5>;

TeamStrength StrengthOf(const RosterSlot& roster);

}  // namespace korvel

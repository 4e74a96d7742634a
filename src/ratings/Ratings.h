#pragma once

#include <optional>

#include "league/Variables.h"

namespace korvel {

// The player's overall rating 0 to 99; no value for a position code above 4.
// Note the argument order: slot first here, index first in the two ratings below.
std::optional<int> Overall(const Variables& vars, int slot, int index);
int OffenseRating(const Variables& vars, int index, int slot);  // 5 to 99
int DefenseRating(const Variables& vars, int index, int slot);  // 0 to 99

// The same ratings of one player record.
std::optional<int> OverallOf(const Player& player);
int OffenseRatingOf(const Player& player);
int DefenseRatingOf(const Player& player);

// The rating by which the automatic lines and roster rank candidates.
enum class Rating { Offense = 0, Defense = 1, Overall = 2 };

// Rating `kind` of player `index` of roster slot `slot`; an empty overall counts as 0.
int RatingOf(const Variables& vars, int slot, int index, Rating kind);

// An empty overall compares as 0.
inline int OverallOrZero(const std::optional<int>& overall) {
    return overall.value_or(0);
}

}  // namespace korvel

#include "ratings/Ratings.h"

#include <array>
#include <numeric>

namespace korvel {
namespace {

// Weights of skills 0 (Intensity) to 12 (Leadership); skill 13 takes part in no rating.
struct Weights {
    std::array<int, 13> Skill;
    int Bonus;  // added after the weighted mean is rounded down
};

//                               INT SPD STR END DUR DIS SKA PAS STK DEF SCO EXP LEA
constexpr Weights kGoalie{{{5, 11, 6, 3, 1, 1, 5, 5, 7, 0, 0, 6, 1}}, 0};
constexpr Weights kDefence{{{8, 5, 10, 3, 1, 1, 6, 8, 6, 13, 5, 1, 1}}, 5};
constexpr Weights kForward{{{5, 5, 7, 3, 1, 1, 6, 10, 8, 7, 13, 1, 1}}, 5};
constexpr Weights kOffence{{{3, 10, 3, 1, 1, 1, 10, 15, 12, 2, 18, 0, 0}}, 5};
constexpr Weights kDefensive{{{10, 2, 10, 2, 1, 1, 5, 1, 5, 20, 1, 0, 0}}, 0};

constexpr int kCap = 99;

// A skill byte of 255 (not rated) counts as 255.
int Rate(const Player& player, const Weights& weights) {
    int sum = 0;
    for (std::size_t skill = 0; skill < weights.Skill.size(); ++skill) {
        sum += weights.Skill[skill] * player.Skills[skill];
    }
    const int divisor = std::accumulate(weights.Skill.begin(), weights.Skill.end(), 0);
    return std::min(sum / divisor + weights.Bonus, kCap);
}

const Player& At(const Variables& vars, int slot, int index) {
    return vars.Players.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(index));
}

}  // namespace

std::optional<int> OverallOf(const Player& player) {
    switch (player.Position) {
        case Goalie:
            return Rate(player, kGoalie);
        case Defenceman:
            return Rate(player, kDefence);
        case Centre:
        case LeftWing:
        case RightWing:
            return Rate(player, kForward);
        default:
            return std::nullopt;
    }
}

int OffenseRatingOf(const Player& player) {
    return Rate(player, kOffence);
}
int DefenseRatingOf(const Player& player) {
    return Rate(player, kDefensive);
}

std::optional<int> Overall(const Variables& vars, int slot, int index) {
    return OverallOf(At(vars, slot, index));
}
int OffenseRating(const Variables& vars, int index, int slot) {
    return OffenseRatingOf(At(vars, slot, index));
}
int DefenseRating(const Variables& vars, int index, int slot) {
    return DefenseRatingOf(At(vars, slot, index));
}

int RatingOf(const Variables& vars, int slot, int index, Rating kind) {
    switch (kind) {
        case Rating::Offense:
            return OffenseRating(vars, index, slot);
        case Rating::Defense:
            return DefenseRating(vars, index, slot);
        case Rating::Overall:
            break;
    }
    return OverallOrZero(Overall(vars, slot, index));
}

}  // namespace korvel

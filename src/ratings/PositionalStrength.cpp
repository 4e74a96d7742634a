#include "ratings/PositionalStrength.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "league/RosterStatus.h"
#include "ratings/Ratings.h"

namespace korvel {
namespace {

constexpr std::array<int, 5> kWanted = {3, 3, 3, 6, 1};

// The mean of the `wanted` highest ratings; sets `counted` to how many were averaged.
std::optional<double> BestMean(std::vector<int> ratings, int wanted, int& counted) {
    std::sort(ratings.begin(), ratings.end(), std::greater<>());
    counted = std::min(wanted, static_cast<int>(ratings.size()));
    if (counted == 0) return std::nullopt;
    double sum = 0;
    for (int i = 0; i < counted; ++i) sum += ratings[static_cast<std::size_t>(i)];
    return sum / counted;
}

}  // namespace

TeamStrength StrengthOf(const RosterSlot& roster) {
    std::array<std::vector<int>, 5> dressed;
    std::array<std::vector<int>, 5> pro;
    for (const Player& player : roster) {
        if (player.IsEmptyPlace() || !IsPro(player.Status)) continue;
        const auto overall = OverallOf(player);
        if (!overall || player.Position >= pro.size()) continue;
        pro[player.Position].push_back(*overall);
        if (PlaceOf(player.Status) == Dressed) dressed[player.Position].push_back(*overall);
    }
    TeamStrength strength;
    for (std::size_t p = 0; p < strength.size(); ++p) {
        PositionStrength& position = strength[p];
        position.Wanted = kWanted[p];
        position.Dressed = BestMean(dressed[p], position.Wanted, position.DressedCounted);
        position.Pro = BestMean(pro[p], position.Wanted, position.ProCounted);
    }
    return strength;
}

}  // namespace korvel

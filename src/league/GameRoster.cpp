#include "league/GameRoster.h"

namespace korvel {

int CountDressedHealthy(const RosterSlot& slot) {
    int count = 0;
    for (const Player& player : slot) {
        if (!player.IsEmptyPlace() && player.Status == kDressedHealthy) ++count;
    }
    return count;
}

int FirstEmptyPlace(const RosterSlot& slot) {
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (slot[i].IsEmptyPlace()) return i;
    }
    return -1;
}

}  // namespace korvel

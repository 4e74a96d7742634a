#include "league/GameRoster.h"

namespace korvel {

int CountDressedHealthy(const RosterSlot& slot) {
    int count = 0;
    for (const Player& player : slot) {
        if (!player.IsEmptyPlace() && player.Status == kDressedHealthy) ++count;
    }
    return count;
}

}  // namespace korvel

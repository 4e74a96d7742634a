#pragma once

// A player's Status byte, and the roster window's working places, hold two things at once:
// 100 x roster place + injury code. These helpers are the one place that takes it apart.

#include <cstdint>

namespace korvel {

enum RosterPlace : int { Farm = 0, Scratch = 1, Dressed = 2 };

constexpr int kInjuryCodes = 8;  // InjuryCode has entries 0..7; codes 1..6 are real injuries
constexpr std::uint8_t kDressedHealthy = 200;
constexpr int kGameRosterSize = 20;  // players dressed for a game

// 0 farm, 1 scratch, 2 dressed (a byte caps it at 2: 200..255 are all dressed).
constexpr int PlaceOf(std::uint8_t status) {
    return status / 100;
}
constexpr int InjuryOf(std::uint8_t status) {
    return status % 100;
}
constexpr bool IsHealthy(std::uint8_t status) {
    return InjuryOf(status) == 0;
}
// 100 and above: on the pro roster, dressed or scratched, injured or not.
constexpr bool IsPro(std::uint8_t status) {
    return status >= 100;
}
constexpr std::uint8_t MakeStatus(int place, int injury) {
    return static_cast<std::uint8_t>(100 * place + injury);
}

}  // namespace korvel

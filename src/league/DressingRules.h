#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvel {

// One rule of a complete game roster and how the dressed players stand against it.
struct DressingRule {
    std::string Position;  // "C", "LW", "RW", "D", "G", or "All" for the whole game roster
    int Count = 0;         // dressed players counted
    int Required = 0;
    bool Exactly = false;  // the count must equal Required, not merely reach it
    bool Met = false;
};

struct DressingCheck {
    // C, LW, RW, D, G, then All.
    std::array<DressingRule, 6> Rules;
    bool Complete = false;  // every rule met
    // The fewest changes that complete the roster, such as {"1 D", "1 G too many"}: a position
    // short of its rule, goalies above two, then players still missing ("2 players") or too many
    // ("1 player too many") once the positions are counted.
    std::vector<std::string> Missing;
};

// Checks dressed players per position code (0 C to 4 G) and in all (`dressed`, which counts
// players of every position code) against the game-roster rules: C, LW and RW at least 3 each,
// D at least 6, G exactly 2, 20 in all.
DressingCheck CheckDressing(const std::array<std::uint8_t, 5>& positionCount, int dressed);

}  // namespace korvel

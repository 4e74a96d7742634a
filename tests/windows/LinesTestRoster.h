#pragma once

// Small hand-built rosters for the lines window's tests.

#include <cstdint>
#include <string>

#include "league/Variables.h"
#include "windows/lines/Lines.h"

namespace korvel::test {

// A player whose skills all equal `level`: a skater's overall and offence rating are level + 5,
// his defence rating is level (a goalie's overall is level).
inline Player MakePlayer(const std::string& name, std::uint8_t position, int level,
                         std::uint8_t status = 200) {
    Player player;
    player.Name = FixedText<22>::FromString(name);
    player.Position = position;
    player.Status = status;
    player.Skills.fill(static_cast<std::uint8_t>(level));
    return player;
}

// Twenty dressed healthy players with distinct levels:
//   centres 0-3 (60, 70, 50, 80), left wings 4-7 (65, 75, 55, 45),
//   right wings 8-11 (50, 52, 54, 56), defencemen 12-17 (40, 70, 60, 50, 80, 30),
//   goalies 18-19 (70, 75);
// then three better players who are not dressed and healthy: a scratched centre (20), a farm
// left wing (21) and an injured dressed right wing (22). Places 23 to 49 are empty.
inline RosterSlot ReadyRoster() {
    RosterSlot roster{};
    const int levels[] = {60, 70, 50, 80, 65, 75, 55, 45, 50, 52,
                          54, 56, 40, 70, 60, 50, 80, 30, 70, 75};
    for (int i = 0; i < 20; ++i) {
        const auto position = static_cast<std::uint8_t>(i < 12 ? i / 4 : i < 18 ? 3 : 4);
        roster[i] = MakePlayer("Player " + std::to_string(i), position, levels[i]);
    }
    roster[20] = MakePlayer("Scratched Centre", Centre, 95, 100);
    roster[21] = MakePlayer("Farm Wing", LeftWing, 95, 0);
    roster[22] = MakePlayer("Injured Wing", RightWing, 95, 205);
    return roster;
}

// A line-up of ReadyRoster with every used entry filled: skaters 0 to 4 in the columns of every
// row, goalie 18, extra skaters 5 and 6. Spare entries are empty.
inline LineUp CompleteLineUp() {
    LineUp lineUp;
    lineUp.fill(kNoPlayer);
    for (int row = 0; row < 12; ++row) {
        const int columns = row <= 5 ? 5 : row <= 9 ? 4 : 3;
        for (int c = 0; c < columns; ++c) lineUp[LineIndex(row, c)] = static_cast<std::uint8_t>(c);
    }
    lineUp[LineIndex(12, 0)] = 18;
    lineUp[LineIndex(12, 1)] = 5;
    lineUp[LineIndex(12, 2)] = 6;
    return lineUp;
}

inline LineUp EmptyLineUp() {
    LineUp lineUp;
    lineUp.fill(kNoPlayer);
    return lineUp;
}

// The text a list item or slot label shows for a player: all 22 characters of his name.
inline std::string ShownName(const Player& player) {
    return player.Name.Utf8();
}

}  // namespace korvel::test

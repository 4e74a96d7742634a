#pragma once

// Whether a team is ready for its next game, by one rule set that every window and command shows:
// the game roster counted on the dressed players who may play (a hurt or suspended dressed player
// is named and counts as missing), every used place of the line-up held by a dressed player, and
// the password of the lines file, once one was saved.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/FixedText.h"
#include "league/LinesCheck.h"
#include "league/Records.h"
#include "league/Variables.h"

namespace korvel {

struct ReadinessFacts {
    const Team* TeamRecord = nullptr;
    const RosterSlot* Players = nullptr;
    // Each place's roster place and injury, encoded like Status: the records' own Status, or the
    // roster window's working places. A place whose player is marked for waivers counts as empty.
    std::array<std::uint8_t, kRosterPlaces> Places{};
    std::array<std::uint8_t, kLineRows * kLineColumns> LineUp{};
    // The password of the lines file saved (or about to be saved); none while no file was saved.
    std::optional<FixedText<10>> FilePassword;
};

// The problems, one per player or line-up place, in the order: password, players out yet dressed,
// game-roster rules, line-up places. Codes are those of check-lines where the league checks the
// same thing ("password", "injured dressed", "dressed", "incomplete", "entry", "undressed in
// lines") and "suspended dressed". Texts are English sentences; empty when ready.
std::vector<LinesProblem> CheckReadiness(const Variables& vars, const ReadinessFacts& facts);

// The facts of a team as its records hold them: the places from each player's Status and the
// line-up stored in the team record.
ReadinessFacts RecordFacts(const Team& team, const RosterSlot& players);

// Where the lines file of team `team` is saved: the start folder and the team's lines file name.
std::filesystem::path LinesFileOf(const Variables& vars, int team);
// The password of the team's lines file in the start folder; none when there is no such file or
// it cannot be read as one.
std::optional<FixedText<10>> SavedLinesPassword(const Variables& vars, int team);

// Whether a player of the roster may play the next game: neither hurt nor suspended. `place` is
// his Status or working place; an injury in either counts.
bool MayPlay(const Player& player, std::uint8_t place);
// Why he may not, as the Out columns show it: "1W", "Susp 3", "1W, Susp 3" (an injury code beyond
// the table as "Injury 9"); empty when he may play.
std::string AbsenceText(const Variables& vars, const Player& player, std::uint8_t place);

}  // namespace korvel

#pragma once

// A generator of complete, plausible leagues for the demo, the tests and the benchmarks.
//
// What every generated league holds (the same options always give the same bytes):
// - League record: name, LastTeam = Teams - 1, two named conferences with divisions 0 and 1 named
//   (2 and 3 blank), ScheduledGames = Teams * 41, WaiverSwitch 1, WaiverBlock 0, WaiverGames,
//   WaiverAge and FarmPayGames from the seed. The bytes no field interprets hold non-zero values.
// - Team t plays in conference (t % 4) / 2, division t % 2, so four or more teams fill all four
//   divisions. Team names are city names of up to 10 plain ASCII characters, unique in the league.
// - 30 to 40 players per team spread over the 50 places, with a few empty places (all-zero
//   records) between them and the rest at the end. Names are unique in the league; some hold
//   accented Windows-1252 letters.
// - A ready team dresses exactly 20 healthy players (Status 200): exactly 2 goalies, at least
//   6 defencemen and at least 3 centres, left and right wings (mostly 4, 4, 4, 6, 2). The other
//   pro players are scratches (100 to 106), the rest farm players (0 to 6); no dressed player is
//   suspended.
// - Team t has no stored line-up (all 255, LinesSet 0) when t % 5 == 4; every other team has a
//   complete line-up of its dressed players (spare entries 255, LinesSet -1).
// - With AllTeamsReady false, team t is not ready when t % 3 == 1 (team 0 when the league has a
//   single team). The not-ready teams take turns, in team order, between three faults:
//   19 dressed players, 21 dressed healthy players, and 20 dressed with one injured (Status 201
//   to 206). All other teams are ready.

#include <cstdint>
#include <filesystem>

#include "platform/Files.h"

namespace korvel::gen {

struct GeneratorOptions {
    std::uint32_t Seed = 1;
    int Teams = 20;             // 1 to 50
    bool AllTeamsReady = true;  // every team has exactly 20 healthy dressed players
    // Games each team has played so far; -1 lets the seed choose 20 to 50. 0 gives a league
    // before its first game: SeasonStarted 0 and all season statistics 0.
    int GamesPlayed = -1;  // -1 or 0 to 82
};

// The bytes of a league's files. The same options always give the same bytes.
struct GeneratedLeague {
    Bytes LeagueFile;  // .lge, one record
    Bytes TeamFile;    // .tms, one record per team
    Bytes RosterFile;  // .ros, 50 records per team
};

// Throws std::invalid_argument when Teams is outside 1 to 50 or GamesPlayed outside -1 to 82.
GeneratedLeague GenerateLeague(const GeneratorOptions& options);

// Writes base.lge, base.tms, base.ros and an empty base.wvr. All four are written to temporary
// files before any of them is renamed into place, so a failure while writing (a FileError naming
// the file) leaves the old files as they were.
void WriteLeague(const std::filesystem::path& base, const GeneratedLeague& league);

}  // namespace korvel::gen

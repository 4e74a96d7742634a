#pragma once

#include <set>
#include <string>

#include "generator/Random.h"
#include "league/Records.h"
#include "league/Variables.h"

namespace korvel::gen {

// How a team that is not ready for its next game falls short.
enum class RosterFault { None, NineteenDressed, TwentyOneDressed, InjuredDressed };

struct RosterRequest {
    int TeamGames = 0;  // games the team has played; caps every player's GamesPlayed
    RosterFault Fault = RosterFault::None;
};

// The 50 places of one team: 30 to 40 players with a few empty places between them and the
// rest at the end. `usedNames` holds the Windows-1252 names already given in the league; the new
// players' names are added to it, so names stay unique across the league.
RosterSlot MakeRoster(Random& rng, const RosterRequest& request, std::set<std::string>& usedNames);

}  // namespace korvel::gen

// The automatic roster: 20 picks by a fixed recipe of positions and ratings, calling up farm
// players where the pro roster has nobody for a position.

#include <array>

#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "ratings/Ratings.h"
#include "session/TeamSession.h"

namespace korvel {

namespace {

struct AutoPick {
    int Position;  // a position code, or kAnySkater
    Rating Kind;
};

constexpr int C = Centre, LW = LeftWing, RW = RightWing, Dm = Defenceman, G = Goalie;
constexpr int Any = kAnySkater;
constexpr Rating Off = Rating::Offense, Def = Rating::Defense, Ovr = Rating::Overall;

// The game roster in the order it is picked.
// clang-format off
constexpr std::array<AutoPick, kPlayersDressed> kAutoRosterPicks{{
    {C, Off},  {C, Off},  {C, Def},
    {LW, Off}, {LW, Off}, {LW, Def},
    {RW, Off}, {RW, Off}, {RW, Def},
    {Dm, Off}, {Dm, Def}, {Dm, Off}, {Dm, Def}, {Dm, Off}, {Dm, Def},
    {Any, Ovr}, {Any, Ovr}, {Any, Ovr},
    {G, Ovr},  {G, Ovr},
}};
// clang-format on

// The Auto button needs at least this many players on the club, in all and per position.
constexpr int kAutoMinimumTotal = 20;
constexpr std::array<int, 5> kAutoMinimumAt{3, 3, 3, 5, 2};

constexpr std::uint8_t kUndressedHealthy = 100;

bool HasPosition(const Player& player, int position) {
    return position == kAnySkater ? player.Position != Goalie : player.Position == position;
}

// A player on his way out of the club through waivers is never dressed.
bool MayBePicked(const Player& player) {
    return !player.IsEmptyPlace() && player.WaiverMark == 0;
}

}  // namespace

Outcome TeamSession::AutoRoster() {
    int total = 0;
    std::array<int, 5> atPosition{};
    for (const Player& player : vars_.Players[0]) {
        if (player.IsEmptyPlace()) continue;
        ++total;
        if (player.Position <= Goalie) ++atPosition[player.Position];
    }
    bool enough = total >= kAutoMinimumTotal;
    for (std::size_t position = 0; position < atPosition.size(); ++position) {
        enough = enough && atPosition[position] >= kAutoMinimumAt[position];
    }
    if (!enough) {
        return Outcome::Refusal({KORVEL_TEXT("TeamSession", "Not enough players"),
                                 KORVEL_TEXT("TeamSession", "Auto Roster"), Icon::Information});
    }
    const Step step(*this, KORVEL_TEXT("TeamSession", "Auto roster"));
    AutoRoster(0);
    return Outcome::Ok();
}

void TeamSession::AutoRoster(int slot) {
    ResetFlags(slot);
    for (std::uint8_t& flags : PlayerFlags) {
        if (PlaceOf(flags) == Dressed) flags = static_cast<std::uint8_t>(flags - 100);
    }
    for (const AutoPick& pick : kAutoRosterPicks) {
        const int p = PickBestAvailable(slot, pick.Position, pick.Kind);
        if (p >= 0) PlayerFlags[p] = kDressedHealthy;
    }
}

int TeamSession::PickBestAvailable(int slot, int position, Rating kind) {
    const RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    int best = -1;
    int bestValue = 0;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = players[i];
        if (PlayerFlags[i] != kUndressedHealthy || player.Suspension != 0 ||
            !HasPosition(player, position) || !MayBePicked(player)) {
            continue;
        }
        const int value = RatingOf(vars_, slot, i, kind);
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best >= 0 ? best : PromoteMinor(slot, position);
}

int TeamSession::PromoteMinor(int slot, int position) {
    const RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    auto bestBy = [&](auto&& isCandidate) {
        int best = -1;
        int bestValue = 0;
        for (int i = 0; i < kRosterPlaces; ++i) {
            if (!MayBePicked(players[i]) || !isCandidate(players[i], PlayerFlags[i])) continue;
            const int value = OverallOrZero(Overall(vars_, slot, i));
            if (value > bestValue) {
                bestValue = value;
                best = i;
            }
        }
        return best;
    };
    // The best healthy player of the position who is not dressed.
    int found = bestBy([&](const Player& player, std::uint8_t flags) {
        return (flags == 0 || flags == kUndressedHealthy) && position != kAnySkater &&
               player.Position == position && player.Suspension == 0 && IsHealthy(player.Status);
    });
    // Else the farm's best skater of any position, fit or not.
    if (found < 0) {
        found = bestBy([](const Player& player, std::uint8_t flags) {
            return flags == 0 && player.Position != Goalie;
        });
    }
    // Else a player already dressed: dressing him again leaves the roster one short.
    if (found < 0) {
        for (int i = 0; i < kRosterPlaces && found < 0; ++i) {
            if (PlayerFlags[i] == kDressedHealthy) found = i;
        }
    }
    return found;
}

}  // namespace korvel

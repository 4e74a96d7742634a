#include "league/GameRoster.h"

#include <vector>

#include "ratings/Ratings.h"
#include "session/TeamReadiness.h"
#include "session/TeamSession.h"

namespace korvel {

namespace {

struct Pick {
    int WantedPosition;
    Rating Kind;
};

// What happens to the InUnit and InGroup tables before a step's picks.
enum class Before { Nothing, ClearUnit, ClearUnitAndGroup, MarkLineOneInUnit };

struct AutoLineStep {
    int Row;
    int FirstColumn;
    Before Prepare;
    std::vector<Pick> Picks;  // for columns FirstColumn onwards
};

// Short names for the table below: wanted position, then rating (Off, Def, Ovr).
constexpr int C = Centre, LW = LeftWing, RW = RightWing, Dm = Defenceman, G = Goalie;
constexpr int Any = kAnySkater;
constexpr Rating Off = Rating::Offense, Def = Rating::Defense, Ovr = Rating::Overall;

// The whole line-up in the order it is picked. The 4 on 3 and 4 on 5 wing asks for a left wing;
// BestPlayer's fallbacks admit the other forwards.
// clang-format off
const std::vector<AutoLineStep> kAutoLineSteps = {
    {0,  0, Before::Nothing,           {{C, Off}, {LW, Off}, {RW, Off}, {Dm, Off}, {Dm, Def}}},
    {1,  0, Before::ClearUnit,         {{C, Off}, {LW, Off}, {RW, Off}, {Dm, Off}, {Dm, Def}}},
    {2,  0, Before::ClearUnit,         {{C, Def}, {LW, Def}, {RW, Def}, {Dm, Off}, {Dm, Def}}},
    {3,  0, Before::ClearUnit,         {{C, Ovr}, {LW, Ovr}, {RW, Ovr}, {Dm, Ovr}, {Dm, Ovr}}},
    {4,  0, Before::ClearUnitAndGroup, {{C, Off}, {LW, Off}, {RW, Off}, {Dm, Off}, {Dm, Off}}},
    {5,  0, Before::ClearUnit,         {{C, Off}, {LW, Off}, {RW, Off}, {Dm, Off}, {Dm, Off}}},
    {6,  0, Before::ClearUnitAndGroup, {{C, Off}, {LW, Off}, {Dm, Off}, {Dm, Off}}},
    {7,  0, Before::ClearUnit,         {{C, Off}, {LW, Off}, {Dm, Off}, {Dm, Off}}},
    {8,  0, Before::ClearUnitAndGroup, {{C, Def}, {LW, Def}, {Dm, Def}, {Dm, Def}}},
    {9,  0, Before::ClearUnit,         {{C, Def}, {LW, Def}, {Dm, Def}, {Dm, Def}}},
    {10, 0, Before::ClearUnitAndGroup, {{C, Def}, {Dm, Def}, {Dm, Def}}},
    {11, 0, Before::ClearUnit,         {{C, Def}, {Dm, Def}, {Dm, Def}}},
    {12, 0, Before::Nothing,           {{G, Ovr}}},
    {12, 1, Before::ClearUnitAndGroup, {{Any, Ovr}}},
    {12, 2, Before::MarkLineOneInUnit, {{Any, Off}}},
};
// clang-format on

bool IsForward(std::uint8_t position) {
    return position <= RightWing;
}

bool HasWantedPosition(std::uint8_t position, int wanted) {
    if (wanted == kAnySkater) return position <= Defenceman;
    return position == wanted;
}

}  // namespace

std::uint8_t TeamSession::BestPlayer(int slot, int WantedPosition, Rating RatingKind) {
    const RosterSlot& roster = vars_.Players.at(static_cast<std::size_t>(slot));
    for (int pass = 1; pass <= 4; ++pass) {
        int bestValue = 0;
        int best = -1;
        for (int i = 0; i < kRosterPlaces; ++i) {
            const Player& player = roster[i];
            // An empty place is an all-zero record: it would read as a centre of overall 5.
            if (player.IsEmptyPlace() || InUnit[i]) continue;
            // The Auto button leaves out a hurt or suspended player, whatever the pass.
            if (leaveOutAbsent_ && !MayPlay(player, player.Status)) continue;
            const bool dressed = player.Status == kDressedHealthy;
            const bool wanted = HasWantedPosition(player.Position, WantedPosition);
            int value = 0;
            switch (pass) {
                case 1:
                    if (!dressed || InGroup[i] || !wanted) continue;
                    value = RatingOf(vars_, slot, i, RatingKind);
                    break;
                case 2:
                    if (!dressed || !wanted) continue;
                    value = RatingOf(vars_, slot, i, RatingKind);
                    break;
                case 3: {
                    const bool admitted = WantedPosition <= RightWing ? IsForward(player.Position)
                                          : WantedPosition == Defenceman
                                              ? player.Position == Defenceman
                                              : false;
                    if (!admitted) continue;
                    value = OverallOrZero(Overall(vars_, slot, i));
                    break;
                }
                default:
                    // "Any skater" is no position code: a byte of 5 is not a player's position.
                    if (player.Position != WantedPosition || WantedPosition == kAnySkater) continue;
                    value = player.Condition;
                    break;
            }
            if (value > bestValue) {
                bestValue = value;
                best = i;
            }
        }
        if (best >= 0) {
            InUnit[best] = true;
            InGroup[best] = true;
            return static_cast<std::uint8_t>(best);
        }
    }
    return kNoPlayer;
}

void TeamSession::AutoLines(int slot) {
    InUnit.fill(false);
    InGroup.fill(false);
    LineBuffer.fill(kNoPlayer);
    for (const AutoLineStep& step : kAutoLineSteps) {
        switch (step.Prepare) {
            case Before::Nothing:
                break;
            case Before::ClearUnitAndGroup:
                InGroup.fill(false);
                [[fallthrough]];
            case Before::ClearUnit:
                InUnit.fill(false);
                break;
            case Before::MarkLineOneInUnit:
                for (int c = 0; c < kLineColumns; ++c) {
                    const std::uint8_t entry = LineBuffer[LineIndex(0, c)];
                    if (entry < kRosterPlaces) InUnit[entry] = true;
                }
                break;
        }
        int column = step.FirstColumn;
        for (const Pick& pick : step.Picks) {
            LineBuffer[LineIndex(step.Row, column++)] =
                BestPlayer(slot, pick.WantedPosition, pick.Kind);
        }
    }
}

}  // namespace korvel

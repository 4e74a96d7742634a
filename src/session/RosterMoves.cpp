// The manager's moves on the game roster: the four move buttons and the protection marks.

#include <array>

#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "session/ProtectionQuota.h"
#include "session/TeamSession.h"

namespace korvel {
namespace {

struct MoveRule {
    int Step;                   // added to the working place: +100 up, -100 down
    const char* Refusal;  // "%1 is unavailable", %1 the player; nullptr: every player may move
    const char* Name;     // the step's name, %1 who moves
};

// Index = TeamSession::Move: Scratch, Dress, To Farm, To Pros.
constexpr std::array<MoveRule, 4> kMoveRules{{
    {-100, nullptr, KORVEL_TEXT("TeamSession", "Scratch %1")},
    {+100, KORVEL_TEXT("TeamSession", "%1 is unavailable"), KORVEL_TEXT("TeamSession", "Dress %1")},
    {-100, KORVEL_TEXT("TeamSession", "%1 cannot be sent to farm"),
     KORVEL_TEXT("TeamSession", "Send %1 to farm")},
    {+100, nullptr, KORVEL_TEXT("TeamSession", "Call up %1")},
}};

// Availability is judged on the stored record, not on the working place.
bool IsAvailable(const Player& player) {
    return player.Suspension == 0 && IsHealthy(player.Status);
}

}  // namespace

std::string TeamSession::MoveName(Move move, const std::string& who) {
    const MoveRule& rule = kMoveRules.at(static_cast<std::size_t>(move));
    return Phrase{"TeamSession", rule.Name}.With({who}).English();
}

Outcome TeamSession::MovePlayer(int index, Move move) {
    const MoveRule& rule = kMoveRules.at(static_cast<std::size_t>(move));
    const Player& player = Players().at(static_cast<std::size_t>(index));
    const Step step(*this, MoveName(move, PlayerNameText(index)));
    if (rule.Refusal && !IsAvailable(player)) {
        return Outcome::Refusal(
            {Phrase{"TeamSession", rule.Refusal}.With({player.Name.Utf8()}).English(), "",
             Icon::None});
    }
    std::uint8_t& flags = PlayerFlags[static_cast<std::size_t>(index)];
    flags = static_cast<std::uint8_t>(flags + rule.Step);
    return Outcome::Ok();
}

Outcome TeamSession::AddToRoster(const std::optional<Player>& player) {
    if (player) {
        const int place = FirstEmptyPlace(vars_.Players[0]);
        if (place >= 0) {
            vars_.Players[0][place] = *player;
            PlayerFlags[place] = player->Status;
        }
    }
    try {
        SaveTeam(vars_, vars_.CurrentTeam, 0);
    } catch (const std::exception& failure) {
        return Outcome::Refusal({failure.what(), kEditRosterTitle, Icon::Critical});
    }
    // The slot reached the files, the working places did not: a new history, still changed.
    Saved(true);
    return Outcome::Ok();
}

bool TeamSession::ToggleProtection(int index) {
    Player& player = vars_.Players[0].at(static_cast<std::size_t>(index));
    const Step step(*this, (player.Protected != 0 ? KORVEL_PHRASE("TeamSession", "Unprotect %1")
                                                  : KORVEL_PHRASE("TeamSession", "Protect %1"))
                               .With({PlayerNameText(index)})
                               .English());
    if (player.Protected != 0) {
        player.Protected = kFalse;
        return true;
    }
    if (!MayProtect(vars_.Players[0], player.Position)) return false;
    player.Protected = kTrue;
    return true;
}

}  // namespace korvel

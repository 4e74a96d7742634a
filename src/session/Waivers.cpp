#include "session/Waivers.h"

#include "league/Condense.h"
#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"

namespace korvel {

namespace {

Player& SlotPlayer(Variables& vars, int index, int slot) {
    return vars.Players.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(index));
}

}  // namespace

bool SubjectToWaivers(const Variables& vars, int index, int slot) {
    const Player& player =
        vars.Players.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(index));
    const League& league = vars.League;
    return player.GamesPlayed >= league.WaiverGames && player.Age > league.WaiverAge &&
           league.WaiverSwitch != 0 && league.WaiverBlock == 0;
}

bool CheckWaivers(Variables& vars, const Ask& ask, int index, int slot) {
    if (!SubjectToWaivers(vars, index, slot)) return true;
    Player& player = SlotPlayer(vars, index, slot);
    const bool yes = ask({KORVEL_PHRASE("TeamSession", "Put %1 on waivers?")
                              .With({Windows1252ToUtf8(Condense(player.Name.Str()))})
                              .English(),
                          KORVEL_TEXT("TeamSession", "Keep Changes")});
    const int injury = InjuryOf(player.Status);
    player.Status = MakeStatus(yes ? Farm : Scratch, injury);
    return false;
}

bool CheckWaivers(Variables& vars, Ui& ui, int index, int slot) {
    return CheckWaivers(vars, AskThrough(ui), index, slot);
}

}  // namespace korvel

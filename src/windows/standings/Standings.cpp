#include "windows/standings/Standings.h"

#include "league/Condense.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"

namespace korvel {

Standings::Standings(const Variables& vars, MakeCurrent makeCurrent)
    : Window(kCaption), vars_(vars), makeCurrent_(std::move(makeCurrent)) {}

void Standings::Form_Load() {
    Shown = ComputeStandings(vars_.League, vars_.Teams);
    CurrentTeam = vars_.CurrentTeam;
    for (std::size_t conf = 0; conf < ConferenceNames.size(); ++conf) {
        ConferenceNames[conf] =
            Windows1252ToUtf8(Condense(vars_.League.Conferences[conf].ConfName.Str()));
    }
    std::string unlisted;
    for (const int team : Shown.Unlisted) {
        const std::string name = Windows1252ToUtf8(Condense(vars_.Teams[team].Name.Str()));
        unlisted += (unlisted.empty() ? "" : ", ") + name;
    }
    lblUnlisted.Caption =
        unlisted.empty() ? ""
                         : KORVEL_PHRASE("Standings", "Unlisted: %1").With({unlisted}).English();
    lblUnlisted.Visible = !unlisted.empty();
}

std::string Standings::Heading(const DivisionStandings& division) {
    const std::string conference = division.ConferenceName.empty()
                                       ? KORVEL_PHRASE("Standings", "Conference %1")
                                             .With({std::to_string(division.Conference)})
                                             .English()
                                       : division.ConferenceName;
    const std::string name = division.Name.empty() ? KORVEL_PHRASE("Standings", "Division %1")
                                                         .With({std::to_string(division.Division)})
                                                         .English()
                                                   : division.Name;
    return conference + " \u00b7 " + name;
}

void Standings::Team_DblClick(int teamIndex) {
    if (teamIndex < 0 || teamIndex > vars_.League.LastTeam) return;
    makeCurrent_(teamIndex);
    CurrentTeam = vars_.CurrentTeam;
}

void Standings::cmdExit_Click() {
    Unload();
}

}  // namespace korvel

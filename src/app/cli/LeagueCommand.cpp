#include <string>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "league/TeamLists.h"
#include "platform/Utf8Paths.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Output: the league's name and path, each conference with its divisions 0 and 1 and the "
    "teams the main window lists for each (index and name), and the current team.\n"
    "JSON: {\"LeagueName\", \"LeaguePath\", \"CurrentTeam\" (index), \"CurrentTeamName\", "
    "\"Conferences\": [{\"ConfName\", \"Divisions\": [{\"DivName\", \"Teams\": [{\"Index\", "
    "\"Name\"}]}]}]}";

struct DivisionShown {
    std::string Name;
    std::vector<std::pair<int, std::string>> Teams;
};

struct ConferenceShown {
    std::string Name;
    std::vector<DivisionShown> Divisions;
};

// What the main window lists: each conference's listed divisions and their teams.
std::vector<ConferenceShown> ReadConferences(const Variables& vars) {
    std::vector<ConferenceShown> conferences;
    for (int conf = 0; conf < 2; ++conf) {
        const Conference& record = vars.League.Conferences[conf];
        ConferenceShown conference{ShownText(record.ConfName.Utf8()), {}};
        for (int d = 0; d < kListedDivisions; ++d) {
            DivisionShown division{ShownText(record.Divisions[d].DivName.Utf8()), {}};
            for (const int t : TeamsOfDivision(vars, conf, d)) {
                division.Teams.emplace_back(t, ShownText(vars.Teams[t].Name.Utf8()));
            }
            conference.Divisions.push_back(std::move(division));
        }
        conferences.push_back(std::move(conference));
    }
    return conferences;
}

void PrintText(std::ostream& out, Session& session, const std::vector<ConferenceShown>& conferences,
               const std::string& currentName) {
    out << "League: " << ShownText(session.Vars().League.LeagueName.Utf8()) << '\n';
    out << "Path:   " << Utf8Of(session.Vars().LeaguePath) << '\n';
    for (std::size_t conf = 0; conf < conferences.size(); ++conf) {
        out << "\nConference " << conf << ": " << conferences[conf].Name << '\n';
        const auto& divisions = conferences[conf].Divisions;
        for (std::size_t d = 0; d < divisions.size(); ++d) {
            out << "  Division " << d << ": " << divisions[d].Name << '\n';
            if (divisions[d].Teams.empty()) out << "    (no teams)\n";
            for (const auto& [index, name] : divisions[d].Teams) {
                const std::string number = std::to_string(index);
                out << "    " << std::string(number.size() < 2 ? 2 - number.size() : 0, ' ')
                    << number << "  " << name << '\n';
            }
        }
    }
    out << "\nCurrent team: " << session.CurrentTeam() << "  " << currentName << '\n';
}

nlohmann::json ToJson(Session& session, const std::vector<ConferenceShown>& conferences,
                      const std::string& currentName) {
    nlohmann::json result;
    result["LeagueName"] = ShownText(session.Vars().League.LeagueName.Utf8());
    result["LeaguePath"] = Utf8Of(session.Vars().LeaguePath);
    result["CurrentTeam"] = session.CurrentTeam();
    result["CurrentTeamName"] = currentName;
    result["Conferences"] = nlohmann::json::array();
    for (const auto& conference : conferences) {
        nlohmann::json divisions = nlohmann::json::array();
        for (const auto& division : conference.Divisions) {
            nlohmann::json teams = nlohmann::json::array();
            for (const auto& [index, name] : division.Teams) {
                teams.push_back({{"Index", index}, {"Name", name}});
            }
            divisions.push_back({{"DivName", division.Name}, {"Teams", teams}});
        }
        result["Conferences"].push_back({{"ConfName", conference.Name}, {"Divisions", divisions}});
    }
    return result;
}

int RunLeague(Session& session) {
    const auto conferences = ReadConferences(session.Vars());
    const std::string currentName = RecordText(session.Vars().Teams[session.CurrentTeam()].Name);
    return PrintResult(
        session, [&] { return ToJson(session, conferences, currentName); },
        [&](std::ostream& out) { PrintText(out, session, conferences, currentName); });
}

}  // namespace

Command AddLeagueCommand(CLI::App& app) {
    auto* parser = AddCommand(
        app, "league",
        "Show the league: conferences, divisions, their teams, and the current team.", kHelp);
    return {parser, RunLeague};
}

}  // namespace korvel::cli

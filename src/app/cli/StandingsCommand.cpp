#include <string>

#include "app/cli/Commands.h"
#include "app/cli/Output.h"
#include "league/Standings.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Output: the standings of the loaded league, one table per division that holds a team "
    "(conference 0 divisions 0 to 3, then conference 1), ordered by points, then wins, then goal "
    "difference, then team index, each row led by its rank in the division and ending in the team "
    "index (#); PTS = 2 x W + T. Before the season has started W, L, T, GP and "
    "PTS are 0. Teams of no division (conference above 1 or division above 3) are listed under "
    "Unlisted.\n"
    "JSON: {\"League\", \"Divisions\": [{\"Conference\", \"ConferenceName\", \"Division\", "
    "\"Name\", \"Teams\": [{\"Rank\", \"TeamIndex\", \"Team\", \"GP\", \"W\", \"L\", \"T\", "
    "\"PTS\", \"GF\", \"GA\", "
    "\"DIFF\"}]}], \"Unlisted\": [team indexes]}";

nlohmann::json ToJson(const std::string& leagueName, const LeagueStandings& standings) {
    nlohmann::json divisions = nlohmann::json::array();
    for (const DivisionStandings& division : standings.Divisions) {
        nlohmann::json teams = nlohmann::json::array();
        for (const StandingsRow& row : division.Teams) {
            teams.push_back({{"Rank", row.Rank},
                             {"TeamIndex", row.TeamIndex},
                             {"Team", row.Team},
                             {"GP", row.GP},
                             {"W", row.W},
                             {"L", row.L},
                             {"T", row.T},
                             {"PTS", row.PTS},
                             {"GF", row.GF},
                             {"GA", row.GA},
                             {"DIFF", row.DIFF}});
        }
        divisions.push_back({{"Conference", division.Conference},
                             {"ConferenceName", division.ConferenceName},
                             {"Division", division.Division},
                             {"Name", division.Name},
                             {"Teams", teams}});
    }
    return {{"League", leagueName}, {"Divisions", divisions}, {"Unlisted", standings.Unlisted}};
}

void PrintText(std::ostream& out, const std::string& leagueName, const Variables& vars,
               const LeagueStandings& standings) {
    out << "League: " << leagueName << '\n';
    using Align = TextTable::Align;
    for (const DivisionStandings& division : standings.Divisions) {
        out << "\n"
            << division.ConferenceName << ", " << division.Name << " (conference "
            << division.Conference << ", division " << division.Division << ")\n";
        TextTable table({{"Rank", Align::Right},
                         {"Team"},
                         {"GP", Align::Right},
                         {"W", Align::Right},
                         {"L", Align::Right},
                         {"T", Align::Right},
                         {"PTS", Align::Right},
                         {"GF", Align::Right},
                         {"GA", Align::Right},
                         {"DIFF", Align::Right},
                         {"#", Align::Right}});
        for (const StandingsRow& row : division.Teams) {
            table.AddRow({std::to_string(row.Rank), row.Team, std::to_string(row.GP),
                          std::to_string(row.W), std::to_string(row.L), std::to_string(row.T),
                          std::to_string(row.PTS), std::to_string(row.GF), std::to_string(row.GA),
                          std::to_string(row.DIFF), std::to_string(row.TeamIndex)});
        }
        table.Print(out, "  ");
    }
    if (standings.Unlisted.empty()) return;
    out << "\nUnlisted:\n";
    for (const int team : standings.Unlisted) {
        out << "  " << team << "  " << RecordText(vars.Teams[static_cast<std::size_t>(team)].Name)
            << '\n';
    }
}

int RunStandings(Session& session) {
    const Variables& vars = session.Vars();
    const LeagueStandings standings = ComputeStandings(vars.League, vars.Teams);
    const std::string leagueName = RecordText(vars.League.LeagueName);
    return PrintResult(
        session, [&] { return ToJson(leagueName, standings); },
        [&](std::ostream& out) { PrintText(out, leagueName, vars, standings); });
}

}  // namespace

Command AddStandingsCommand(CLI::App& app) {
    auto* parser = AddCommand(
        app, "standings", "Show the standings: one table per division, ordered by points.", kHelp);
    return {parser, RunStandings};
}

}  // namespace korvel::cli

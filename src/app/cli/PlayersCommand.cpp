#include <optional>
#include <string>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "league/RosterSlots.h"
#include "ratings/Ratings.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Reads the team's 50 roster places, as the Coach menu does, and lists "
    "every occupied place: roster index, name, position, Status (100 x place: 0 farm, 1 "
    "scratched, 2 dressed; plus the injury code), Suspension, Overall, OffenseRating and "
    "DefenseRating.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"Players\": [{\"Index\", \"Name\", \"Position\", \"Status\", "
    "\"Suspension\", \"Overall\" (null when it has none), \"OffenseRating\", "
    "\"DefenseRating\"}]}";

struct PlayerShown {
    int Index;
    std::string Name;
    std::string Position;
    int Status;
    int Suspension;
    std::optional<int> OverallRating;
    int Offense;
    int Defense;
};

std::vector<PlayerShown> ReadPlayers(const Variables& vars) {
    std::vector<PlayerShown> players;
    for (int index = 0; index < kRosterPlaces; ++index) {
        const Player& player = vars.Players[0][index];
        if (player.IsEmptyPlace()) continue;
        players.push_back({index, RecordText(player.Name), PositionName(vars, player.Position),
                           player.Status, player.Suspension, Overall(vars, 0, index),
                           OffenseRating(vars, index, 0), DefenseRating(vars, index, 0)});
    }
    return players;
}

void PrintText(std::ostream& out, Session& session, const std::string& team,
               const std::vector<PlayerShown>& players) {
    using Align = TextTable::Align;
    out << "Team " << session.CurrentTeam() << ": " << team << "\n\n";
    TextTable table({{"Index", Align::Right},
                     {"Name", Align::Left},
                     {"Pos", Align::Left},
                     {"Status", Align::Right},
                     {"Susp", Align::Right},
                     {"Overall", Align::Right},
                     {"Off", Align::Right},
                     {"Def", Align::Right}});
    for (const auto& player : players) {
        table.AddRow({std::to_string(player.Index), player.Name, player.Position,
                      std::to_string(player.Status), std::to_string(player.Suspension),
                      player.OverallRating ? std::to_string(*player.OverallRating) : "-",
                      std::to_string(player.Offense), std::to_string(player.Defense)});
    }
    table.Print(out);
    out << "\n" << players.size() << " players\n";
}

nlohmann::json ToJson(Session& session, const std::string& team,
                      const std::vector<PlayerShown>& players) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& player : players) {
        list.push_back({{"Index", player.Index},
                        {"Name", player.Name},
                        {"Position", player.Position},
                        {"Status", player.Status},
                        {"Suspension", player.Suspension},
                        {"Overall", player.OverallRating ? nlohmann::json(*player.OverallRating)
                                                         : nlohmann::json(nullptr)},
                        {"OffenseRating", player.Offense},
                        {"DefenseRating", player.Defense}});
    }
    return {{"Team", team}, {"TeamIndex", session.CurrentTeam()}, {"Players", list}};
}

int RunPlayers(Session& session) {
    Variables& vars = session.Vars();
    const int team = session.CurrentTeam();
    const bool loaded = RunGuarded(session.UiOfCli(), "Players", [&] { LoadTeam(vars, team, 0); });
    if (!loaded) return kRefused;
    const auto players = ReadPlayers(vars);
    const std::string name = RecordText(vars.Teams[team].Name);
    return PrintResult(
        session, [&] { return ToJson(session, name, players); },
        [&](std::ostream& out) { PrintText(out, session, name, players); });
}

}  // namespace

Command AddPlayersCommand(CLI::App& app) {
    auto* parser = AddCommand(app, "players", "List the team's players with their ratings.", kHelp);
    return {parser, RunPlayers};
}

}  // namespace korvel::cli

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "app/cli/TeamSteps.h"
#include "league/RosterStatus.h"
#include "session/Readiness.h"

namespace korvel::cli {
namespace {

constexpr int kRosterLists = 3;  // farm, scratches, game roster
constexpr const char* kRosterCaption = "Set Game Roster";

constexpr const char* kHelp =
    "Works as the game roster window of Coach > Set Game Roster on the team's roster as kept so "
    "far: optionally Auto (--auto) and Exit answering Yes to keeping the changes (--keep), "
    "and prints the three lists (roster index and name), the number of dressed players and "
    "whether the roster is complete. Any other question follows --yes or --no. Without --keep "
    "nothing is stored; a kept roster lives in the working copies until the league is loaded "
    "again (every start loads it), so keep it and set the lines in one run (korvel-cli --team T "
    "roster --auto --keep lines --auto --league-password --keep). A refusal (\"Not enough "
    "players\", \"Roster not complete\", a failed save) goes to standard error and gives exit "
    "code 1.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"GameRoster\", \"Scratches\", \"Farm\": [roster indexes in "
    "list order], \"GameRosterNames\", \"ScratchesNames\", \"FarmNames\": [the players' names in "
    "the same order], \"Dressed\", \"RosterComplete\", \"Kept\": true when the roster was stored, "
    "\"PositionCount\": {\"C\", \"LW\", \"RW\", \"D\", \"G\": dressed players}, \"Missing\": [what "
    "the game roster still lacks, such as \"1 D\" or \"1 G too many\"], \"Ready\": whether "
    "the team is ready for the next game with these places, \"Problems\": [{\"Code\", "
    "\"Text\"}: each player out yet dressed, each unmet rule counted on the players who may "
    "play, each place of the stored line-up not held by a dressed player, a saved lines file "
    "the league refuses]}. The text ends with the same answer.";

struct RosterOptions {
    bool Auto = false;
    bool Keep = false;
};

// What the game roster window would list, and whether the roster was kept.
struct RosterShown {
    std::array<std::vector<int>, kRosterLists> Lists;  // by place: farm, scratches, dressed
    int Dressed = 0;
    bool Complete = false;
    bool Kept = false;
    DressingCheck Rules;
    std::vector<LinesProblem> Problems;  // readiness for the next game
};

// The window lists every player of the club not on his way out through waivers, in roster order,
// under his working place.
RosterShown Shown(const TeamSession& team) {
    RosterShown shown;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = team.Players()[i];
        if (player.IsEmptyPlace() || player.WaiverMark != 0) continue;
        shown.Lists[PlaceOf(team.PlayerFlags[i])].push_back(i);
    }
    shown.Dressed = team.DressedCount();
    shown.Complete = team.RosterComplete();
    shown.Rules = team.Dressing();
    shown.Problems = RosterReadiness(team);
    return shown;
}

constexpr std::array<const char*, kRosterLists> kListTitles{"Farm Roster", "Scratches",
                                                            "Game Roster"};

// One line per rule, such as "D 5 of at least 6 - not met", then what is still missing.
void PrintDressingRules(std::ostream& out, const DressingCheck& check) {
    for (const DressingRule& rule : check.Rules) {
        out << "  " << rule.Position << " " << rule.Count
            << (rule.Exactly ? " of exactly " : " of at least ") << rule.Required
            << (rule.Met ? " - met" : " - not met") << "\n";
    }
    if (check.Missing.empty()) return;
    out << "Missing:";
    const char* separator = " ";
    for (const std::string& missing : check.Missing) {
        out << separator << missing;
        separator = ", ";
    }
    out << "\n";
}

void PrintText(std::ostream& out, Session& session, const std::string& team,
               const RosterShown& shown) {
    out << "Team " << session.CurrentTeam() << ": " << team << (shown.Kept ? " (roster kept)" : "")
        << "\n";
    for (int place : {Dressed, Scratch, Farm}) {
        out << "\n" << kListTitles[place] << " (" << shown.Lists[place].size() << ")\n";
        TextTable table({{"#", TextTable::Align::Right}, {"Name"}});
        for (int index : shown.Lists[place]) {
            table.AddRow(
                {std::to_string(index), RecordText(session.Vars().Players[0][index].Name)});
        }
        table.Print(out, "  ");
    }
    out << "\n"
        << shown.Dressed << " Total Players"
        << (shown.Complete ? ", Roster Complete" : ", roster not complete") << "\n";
    PrintDressingRules(out, shown.Rules);
    out << "\n" << ReadinessLine(shown.Problems) << "\n";
    for (const LinesProblem& problem : shown.Problems) out << "  " << problem.Text << "\n";
}

nlohmann::json PositionCountJson(const DressingCheck& check) {
    nlohmann::json counts = nlohmann::json::object();
    // The last rule is the whole game roster, which "Dressed" already gives.
    for (std::size_t p = 0; p + 1 < check.Rules.size(); ++p)
        counts[check.Rules[p].Position] = check.Rules[p].Count;
    return counts;
}

nlohmann::json NamesJson(const Variables& vars, const std::vector<int>& indexes) {
    nlohmann::json names = nlohmann::json::array();
    for (const int index : indexes) names.push_back(RecordText(vars.Players[0][index].Name));
    return names;
}

nlohmann::json ToJson(Session& session, const std::string& team, const RosterShown& shown) {
    const Variables& vars = session.Vars();
    return {{"Team", team},
            {"TeamIndex", session.CurrentTeam()},
            {"GameRoster", shown.Lists[Dressed]},
            {"Scratches", shown.Lists[Scratch]},
            {"Farm", shown.Lists[Farm]},
            {"GameRosterNames", NamesJson(vars, shown.Lists[Dressed])},
            {"ScratchesNames", NamesJson(vars, shown.Lists[Scratch])},
            {"FarmNames", NamesJson(vars, shown.Lists[Farm])},
            {"Dressed", shown.Dressed},
            {"RosterComplete", shown.Complete},
            {"Kept", shown.Kept},
            {"PositionCount", PositionCountJson(shown.Rules)},
            {"Missing", shown.Rules.Missing},
            {"Ready", shown.Problems.empty()},
            {"Problems", ProblemsJson(shown.Problems)}};
}

int RunRoster(Session& session, const RosterOptions& options) {
    RequireCoachMenu(session, "game roster window", "Coach > Set Game Roster");
    TeamSession& team = session.TeamEdit();
    if (!Reported(session, team.OpenRoster(kRosterCaption))) return kRefused;
    team.StartEditing();
    if (options.Auto) {
        if (!Reported(session, team.AutoRoster())) return kRefused;
        team.MarkModified();  // as the window's Auto button marks it
    }
    const bool changed = team.Modified();
    RosterShown shown = Shown(team);
    if (changed && options.Keep) {
        AnsweredYes(session, kKeepRosterChanges);
        if (!Reported(session, team.KeepRoster())) {
            Reported(session, Outcome::Report(ChangesNotSaved(kEditRosterTitle)));
            return kRefused;
        }
        shown.Kept = true;
    } else if (changed) {
        Reported(session, Outcome::Report(ChangesNotSaved(kEditRosterTitle)));
    }
    const std::string name = RecordText(session.Vars().Teams[session.CurrentTeam()].Name);
    return PrintResult(
        session, [&] { return ToJson(session, name, shown); },
        [&](std::ostream& out) { PrintText(out, session, name, shown); });
}

}  // namespace

Command AddRosterCommand(CLI::App& app) {
    auto options = std::make_shared<RosterOptions>();
    auto* parser = AddCommand(app, "roster",
                              "Show, fill automatically and keep the team's game roster.", kHelp);
    parser->add_flag("--auto", options->Auto,
                     "Press Auto: dress 20 players by the automatic roster's recipe.");
    parser->add_flag("--keep", options->Keep,
                     "Press Exit and answer Yes to keeping the roster changes: a changed, complete "
                     "roster is kept in the working copies until the league is loaded again "
                     "(every start loads it), waived players go to the league's waiver list.");
    return {.Parser = parser,
            .Run = [options](Session& session) { return RunRoster(session, *options); },
            .SavesTeams = true};
}

}  // namespace korvel::cli

#include <memory>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "league/LeagueFiles.h"
#include "league/LinesCheck.h"
#include "platform/TerminalText.h"
#include "platform/Utf8Paths.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Checks lines files against the league, as the league will meet them, and changes nothing: "
    "the league's files are only read (no working copy is made). For each FILE, in the order "
    "given, it prints whether the file is valid and each problem found: size (not 226 bytes), "
    "team (no such team), password (not the team's lines password), entry (an entry names no "
    "player of the team), incomplete (an empty entry), injured dressed (a player injured now "
    "stands dressed and healthy in the file), dressed (not 20 players dressed), undressed in "
    "lines (a player in the lines is not dressed in the file), read (the file cannot be read). "
    "The team's players are those of the league's roster file. Exit code 0 when every file is "
    "valid, 1 when any is not.\n"
    "JSON: [{\"File\" (as given), \"Size\", \"TeamIndex\" (byte 0; null for an empty file), "
    "\"Team\" (null when no such team), \"Problems\": [{\"Code\", \"Text\"}], \"Valid\"}]";

struct CheckLinesOptions {
    std::vector<std::string> Files;
};

template <class T>
nlohmann::json OrNull(const std::optional<T>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json();
}

nlohmann::json ToJson(const std::vector<LinesCheck>& checks) {
    nlohmann::json result = nlohmann::json::array();
    for (const LinesCheck& check : checks) {
        nlohmann::json problems = nlohmann::json::array();
        for (const LinesProblem& problem : check.Problems) {
            problems.push_back({{"Code", problem.Code}, {"Text", problem.Text}});
        }
        result.push_back({{"File", Utf8Of(check.File)},
                          {"Size", OrNull(check.Size)},
                          {"TeamIndex", OrNull(check.TeamIndex)},
                          {"Team", OrNull(check.Team)},
                          {"Problems", problems},
                          {"Valid", check.Valid()}});
    }
    return result;
}

void PrintText(std::ostream& out, const std::vector<LinesCheck>& checks) {
    for (const LinesCheck& check : checks) {
        // A file name is one line, whatever it holds: a line break in it cannot forge another.
        out << OneLineText(Utf8Of(check.File)) << ": " << (check.Valid() ? "valid" : "not valid");
        if (check.Team) out << " (team " << *check.TeamIndex << ", " << *check.Team << ")";
        out << "\n";
        for (const LinesProblem& problem : check.Problems) {
            out << "  " << problem.Code << ": " << OneLineText(problem.Text) << "\n";
        }
    }
}

int RunCheckLines(Session& session, const CheckLinesOptions& options) {
    const Variables& vars = session.Vars();
    const std::vector<Team> teams(vars.Teams.begin(),
                                  vars.Teams.begin() + vars.League.LastTeam + 1);
    TeamPlayers players(WithExtension(vars.LeaguePath, ".ros"));
    std::vector<LinesCheck> checks;
    bool allValid = true;
    for (const std::string& file : options.Files) {
        checks.push_back(CheckLinesFile(vars.League, teams, players, PathFromUtf8(file)));
        allValid = allValid && checks.back().Valid();
    }
    PrintResult(
        session, [&] { return ToJson(checks); },
        [&](std::ostream& out) { PrintText(out, checks); });
    return allValid ? kDone : kRefused;
}

}  // namespace

Command AddCheckLinesCommand(CLI::App& app) {
    auto options = std::make_shared<CheckLinesOptions>();
    auto* parser = AddCommand(app, "check-lines",
                              "Check lines files against the league, changing nothing.", kHelp);
    parser
        ->add_option("FILE", options->Files,
                     "A lines file; a relative path is taken from the "
                     "current folder.")
        ->required();
    return {parser, [options](Session& session) { return RunCheckLines(session, *options); }, true};
}

}  // namespace korvel::cli

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/LinesPasswordOption.h"
#include "app/cli/Output.h"
#include "app/cli/TeamSteps.h"
#include "league/LineUsage.h"
#include "platform/Utf8Paths.h"
#include "session/LinePlaces.h"
#include "session/Readiness.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Works as the lines window of Coach > Set Lines on the team's roster as kept so far, then, in "
    "this order and each only when asked for: Load Lines choosing FILE (--import; waiver "
    "questions follow --yes or --no), Auto (--auto), Save Lines with a password (--save-lines "
    "or --league-password; the file goes to the start folder and its path is printed) and Exit "
    "answering Yes to keeping the line changes (--keep). It prints the working line-up: each of "
    "the 13 rows with its caption and its entries as roster index and name (\"-\" for an empty "
    "entry). Kept lines live in the working copies only until the league is loaded again (every "
    "start loads it); the lines file is what goes back to the league. A refusal (\"Password "
    "Incorrect\", \"... lines are not valid\", \"Errors in File\", \"Set roster first\", \"Lines "
    "are not complete\", a password that is not the team's, a failed save) goes to standard "
    "error and gives exit code 1.\n"
    "The dressed players in no used entry follow the table, then whether the team is ready for "
    "the next game: no hurt or suspended player dressed, a game roster complete with players "
    "who may play, every used entry held by a dressed player, and the lines file saved (now, "
    "or earlier in the start folder) with the team's password (with --save-lines each problem "
    "also goes to standard error).\n"
    "JSON: {\"Team\", \"TeamIndex\", \"LineBuffer\": [13 rows of 5 roster indexes, 255 for "
    "empty], \"LineNames\": [the same 13 rows of 5 players' names, null for empty], \"Kept\": "
    "true when the line-up was stored, \"LinesFile\": the saved lines file's path or null, "
    "\"Unused\": [roster indexes of dressed players in no used entry], \"UnusedNames\": [their "
    "names], \"Ready\": true when the team is ready for the next game, \"Problems\": "
    "[{\"Code\", \"Text\"}, one per player or entry; codes as check-lines gives them where the "
    "league checks the same, and \"suspended dressed\"]}";

struct LinesOptions {
    std::optional<std::string> Import;  // the lines file to load
    bool Auto = false;
    std::optional<std::string> Password;  // Save Lines with this password
    LinesPasswordChoice Choice;
    bool Keep = false;
};

// What the lines window would show, and what the command kept and saved.
struct LinesShown {
    LineUp LineBuffer{};
    std::array<std::string, kLineRows> Captions;
    bool Kept = false;
    std::optional<std::filesystem::path> Saved;
    std::vector<LinesProblem> Problems;  // of the lines file saved now
};

constexpr int UsedColumns(int row) {
    return row <= 5 ? 5 : row <= 9 ? 4 : 3;
}

// Runs the presses asked for in order; false at the first refusal, which has been printed.
bool UseLines(Session& session, const LinesOptions& options, LinesShown& shown) {
    TeamSession& team = session.TeamEdit();
    team.StartEditing();
    const auto abandon = [&] {
        if (team.Modified()) Reported(session, Outcome::Report(ChangesNotSaved(kEditLinesTitle)));
        return false;
    };
    if (options.Import) {
        const auto file = session.Vars().StartFolder / PathFromUtf8(*options.Import);
        if (!Reported(session, team.ImportLines(file, session.UiOfCli().Asker()))) return false;
        team.MarkModified();
    }
    if (options.Auto) {
        if (!Reported(session, team.AutoLines())) return abandon();
        team.MarkModified();
    }
    const auto password = ChosenLinesPassword(session, options.Password, options.Choice);
    if (password) {
        if (!Reported(session, team.SaveLines(*password))) return abandon();
        shown.Saved = team.LinesFilePath();
    }
    shown.Problems = password ? LinesReadiness(team, *password) : LinesReadiness(team);
    if (shown.Saved && !shown.Problems.empty()) {
        std::ostream& err = session.UiOfCli().Err();
        // About the line-up saved: the file itself is reported once the run has committed it.
        err << "korvel-cli: the lines saved are not ready for the league:\n";
        for (const LinesProblem& problem : shown.Problems) {
            err << "  " << problem.Code << ": " << problem.Text << "\n";
        }
    }
    shown.LineBuffer = team.LineBuffer;
    for (int row = 0; row < kLineRows; ++row) shown.Captions[row] = RowCaption(row);
    if (team.Modified() && options.Keep) {
        AnsweredYes(session, kKeepLineChanges);
        if (!Reported(session, team.KeepLines())) return abandon();
        shown.Kept = true;
    } else {
        abandon();
    }
    return true;
}

std::string EntryText(const Variables& vars, std::uint8_t entry) {
    if (entry == kNoPlayer) return "-";
    if (entry >= kRosterPlaces || vars.Players[0][entry].IsEmptyPlace()) {
        return std::to_string(entry) + " (no player)";
    }
    return std::to_string(entry) + " " + RecordText(vars.Players[0][entry].Name);
}

void PrintText(std::ostream& out, Session& session, const std::string& team,
               const LinesShown& shown) {
    out << "Team " << session.CurrentTeam() << ": " << team << (shown.Kept ? " (line-up kept)" : "")
        << "\n\n";
    TextTable table({{"Row"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}});
    for (int row = 0; row < kLineRows; ++row) {
        std::vector<std::string> cells{shown.Captions[row]};
        for (int c = 0; c < UsedColumns(row); ++c) {
            cells.push_back(EntryText(session.Vars(), shown.LineBuffer[LineIndex(row, c)]));
        }
        table.AddRow(std::move(cells));
    }
    table.Print(out);
    const std::vector<int> unused = UnusedDressed(shown.LineBuffer, session.Vars().Players[0]);
    if (!unused.empty()) {
        out << "\nDressed but in no line:";
        const char* separator = " ";
        for (const int index : unused) {
            out << separator << EntryText(session.Vars(), static_cast<std::uint8_t>(index));
            separator = ", ";
        }
        out << "\n";
    }
    if (shown.Saved) out << "\nLines saved as " << Utf8Of(*shown.Saved) << "\n";
    out << "\n" << ReadinessLine(shown.Problems) << "\n";
    for (const LinesProblem& problem : shown.Problems) out << "  " << problem.Text << "\n";
}

// The name of the player at a roster index; null for an empty entry or place.
nlohmann::json NameJson(const Variables& vars, int entry) {
    if (entry < 0 || entry >= kRosterPlaces || vars.Players[0][entry].IsEmptyPlace()) return {};
    return RecordText(vars.Players[0][entry].Name);
}

nlohmann::json ToJson(Session& session, const std::string& team, const LinesShown& shown) {
    const Variables& vars = session.Vars();
    nlohmann::json rows = nlohmann::json::array();
    nlohmann::json names = nlohmann::json::array();
    for (int row = 0; row < kLineRows; ++row) {
        nlohmann::json entries = nlohmann::json::array();
        nlohmann::json rowNames = nlohmann::json::array();
        for (int c = 0; c < kLineColumns; ++c) {
            entries.push_back(shown.LineBuffer[LineIndex(row, c)]);
            rowNames.push_back(NameJson(vars, shown.LineBuffer[LineIndex(row, c)]));
        }
        rows.push_back(entries);
        names.push_back(rowNames);
    }
    const std::vector<int> unused = UnusedDressed(shown.LineBuffer, vars.Players[0]);
    nlohmann::json unusedNames = nlohmann::json::array();
    for (const int index : unused) unusedNames.push_back(NameJson(vars, index));
    return {{"Team", team},
            {"TeamIndex", session.CurrentTeam()},
            {"LineBuffer", rows},
            {"LineNames", names},
            {"Kept", shown.Kept},
            {"LinesFile", shown.Saved ? nlohmann::json(Utf8Of(*shown.Saved)) : nlohmann::json()},
            {"Unused", unused},
            {"UnusedNames", unusedNames},
            {"Ready", shown.Problems.empty()},
            {"Problems", ProblemsJson(shown.Problems)}};
}

int RunLines(Session& session, const LinesOptions& options) {
    if (options.Password) RequireLinesPassword(*options.Password);
    RequireCoachMenu(session, "lines window", "Coach > Set Lines");
    if (!Reported(session, session.TeamEdit().OpenLines("Set Lines"))) return kRefused;
    LinesShown shown;
    if (!UseLines(session, options, shown)) return kRefused;
    const std::string name = RecordText(session.Vars().Teams[session.CurrentTeam()].Name);
    return PrintResult(
        session, [&] { return ToJson(session, name, shown); },
        [&](std::ostream& out) { PrintText(out, session, name, shown); });
}

}  // namespace

Command AddLinesCommand(CLI::App& app) {
    auto options = std::make_shared<LinesOptions>();
    auto* parser = AddCommand(
        app, "lines", "Show, import, fill automatically, save and keep the team's lines.", kHelp);
    parser
        ->add_option("--import", options->Import,
                     "Press Load Lines and choose FILE, a lines file saved with the team's "
                     "password; a relative path is taken from the start folder.")
        ->type_name("FILE");
    parser->add_flag("--auto", options->Auto,
                     "Press Auto: automatic lines from the 20 dressed healthy players.");
    auto* save =
        parser
            ->add_option("--save-lines", options->Password,
                         "Press Save Lines and answer \"Password?\" with PASSWORD (cut to 10 "
                         "characters): the lines file is written to the start folder.")
            ->type_name("PASSWORD");
    AddLinesPasswordChoice(*parser, options->Choice, save);
    parser->add_flag("--keep", options->Keep,
                     "Press Exit and answer Yes to keeping the line changes: a changed, complete "
                     "line-up is kept in the working copies until the league is loaded again "
                     "(every start of korvel or korvel-cli loads it). What goes back to the league "
                     "is the lines file (--save-lines).");
    return {.Parser = parser,
            .Run = [options](Session& session) { return RunLines(session, *options); },
            .SavesTeams = true};
}

}  // namespace korvel::cli

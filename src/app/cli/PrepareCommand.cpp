#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/LinesPasswordOption.h"
#include "app/cli/Output.h"
#include "app/cli/TeamSteps.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "The manager's whole job for the next game in one run: Coach > Set Game Roster, Auto, Exit "
    "keeping the roster; then Coach > Set Lines, Auto, Save Lines answering \"Password?\" with "
    "--password (which must be the team's lines password unless --force) or the team's own "
    "password (--league-password), Exit keeping the lines. The line-up must be complete before Save Lines. Prints "
    "the lines file's path. It stops at the first refusal (\"Not enough players\", \"Roster not "
    "complete\", \"Set roster first\", \"Lines are not complete\", a failed save) with exit code "
    "1 and writes no lines file. Waiver questions follow --yes or --no.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"LinesFile\": the lines file's path}";

struct PrepareOptions {
    std::optional<std::string> Password;
    LinesPasswordChoice Choice;
};

// The roster step: Auto, then Exit keeping the roster. Its save is left to the lines step, so the
// team is written once.
bool PrepareRoster(Session& session) {
    TeamSession& team = session.TeamEdit();
    if (!Reported(session, team.OpenRoster("Set Game Roster"))) return false;
    if (!Reported(session, team.AutoRoster())) return false;
    AnsweredYes(session, kKeepRosterChanges);
    if (!Reported(session, team.KeepRoster(TeamSession::Save::WithLines))) {
        Reported(session, Outcome::Report(ChangesNotSaved(kEditRosterTitle)));
        return false;
    }
    return true;
}

// The lines step: Auto, Save Lines, then Exit keeping the lines. Returns the lines file.
std::optional<std::filesystem::path> PrepareLines(Session& session,
                                                  const PrepareOptions& options) {
    TeamSession& team = session.TeamEdit();
    team.StartLines();
    if (!Reported(session, team.AutoLines())) return std::nullopt;
    const auto abandon = [&]() -> std::optional<std::filesystem::path> {
        Reported(session, Outcome::Report(ChangesNotSaved(kEditLinesTitle)));
        return std::nullopt;
    };
    if (team.LinesIncomplete()) {
        Reported(session,
                 Outcome::Refusal({"Lines are not complete", kEditLinesTitle, Icon::Critical}));
        return abandon();
    }
    const auto password = ChosenLinesPassword(session, options.Password, options.Choice);
    if (!Reported(session, team.SaveLines(*password))) return abandon();
    AnsweredYes(session, kKeepLineChanges);
    if (!Reported(session, team.KeepLines())) return abandon();
    return team.LinesFilePath();
}

int RunPrepare(Session& session, const PrepareOptions& options) {
    if (options.Password) RequireLinesPassword(*options.Password);
    if (!options.Password && !options.Choice.League) {
        throw UsageError("prepare needs --password PASSWORD or --league-password");
    }
    RequireCoachMenu(session, "roster and lines windows", "Coach > Set Game Roster and Set Lines");
    if (!PrepareRoster(session)) return kRefused;
    std::optional<std::filesystem::path> file;
    try {
        file = PrepareLines(session, options);
    } catch (...) {
        // A roster kept before the lines failed stays kept, as it does in the windows.
        Reported(session, session.TeamEdit().SaveUnsavedRoster());
        throw;
    }
    if (!file) {
        Reported(session, session.TeamEdit().SaveUnsavedRoster());
        return kRefused;
    }
    const std::string path = file->string();
    return PrintResult(
        session,
        [&]() -> nlohmann::json {
            return {{"Team", RecordText(session.Vars().Teams[session.CurrentTeam()].Name)},
                    {"TeamIndex", session.CurrentTeam()},
                    {"LinesFile", path}};
        },
        [&](std::ostream& out) { out << path << "\n"; });
}

}  // namespace

Command AddPrepareCommand(CLI::App& app) {
    auto options = std::make_shared<PrepareOptions>();
    auto* parser = AddCommand(
        app, "prepare",
        "Set the game roster and the lines automatically, keep them and save the lines file.",
        kHelp);
    auto* password =
        parser
            ->add_option("--password", options->Password,
                         "The team's lines password, the answer to \"Password?\" of Save Lines.")
            ->type_name("PASSWORD");
    AddLinesPasswordChoice(*parser, options->Choice, password);
    return {parser, [options](Session& session) { return RunPrepare(session, *options); }};
}

}  // namespace korvel::cli

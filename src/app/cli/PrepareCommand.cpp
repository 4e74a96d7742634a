#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/LinesPasswordOption.h"
#include "app/cli/Output.h"
#include "app/cli/TeamSteps.h"
#include "league/LinesFile.h"
#include "platform/Utf8Paths.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "The manager's whole job for the next game in one run: Coach > Set Game Roster, Auto, Exit "
    "keeping the roster; then Coach > Set Lines, Auto, Save Lines answering \"Password?\" with "
    "--password (which must be the team's lines password unless --force) or the team's own "
    "password (--league-password), Exit keeping the lines. The line-up must be complete before "
    "Save Lines. Prints "
    "the lines file's path. It stops at the first refusal (\"Not enough players\", \"Roster not "
    "complete\", \"Set roster first\", \"Lines are not complete\", a failed save) with exit code "
    "1 and saves nothing: no lines file, no working copy, nothing on the waiver list. Waiver "
    "questions follow --yes or --no, answered quietly unless --show-answers.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"LinesFile\": the lines file's path}";

struct PrepareOptions {
    std::optional<std::string> Password;
    LinesPasswordChoice Choice;
    bool AllTeams = false;
    bool ShowAnswers = false;
};

// One team prepared, or the refusal that stopped it.
struct Prepared {
    std::optional<std::filesystem::path> LinesFile;
    std::optional<Message> Refusal;
};

// Prints an outcome; a refusal is kept as the one that stopped the team.
bool Step(Session& session, const Outcome& outcome, Prepared& prepared) {
    if (!outcome && !prepared.Refusal) prepared.Refusal = outcome.Shown;
    return Reported(session, outcome);
}

// The roster step: Auto, then Exit keeping the roster. Its save is left to the lines step, so the
// team is written once.
bool PrepareRoster(Session& session, Prepared& prepared) {
    TeamSession& team = session.TeamEdit();
    if (!Step(session, team.OpenRoster("Set Game Roster"), prepared)) return false;
    if (!Step(session, team.AutoRoster(), prepared)) return false;
    AnsweredYes(session, kKeepRosterChanges);
    if (!Step(session, team.KeepRoster(TeamSession::Save::WithLines), prepared)) {
        Reported(session, Outcome::Report(ChangesNotSaved(kEditRosterTitle)));
        return false;
    }
    return true;
}

// The lines step: Auto, Save Lines, then Exit keeping the lines.
void PrepareLines(Session& session, const PrepareOptions& options, Prepared& prepared) {
    TeamSession& team = session.TeamEdit();
    team.StartLines();
    if (!Step(session, team.AutoLines(), prepared)) return;
    const auto abandon = [&] {
        Reported(session, Outcome::Report(ChangesNotSaved(kEditLinesTitle)));
    };
    if (team.LinesIncomplete()) {
        Step(session, Outcome::Refusal({"Lines are not complete", kEditLinesTitle, Icon::Critical}),
             prepared);
        return abandon();
    }
    std::optional<FixedText<10>> password;
    try {
        password = ChosenLinesPassword(session, options.Password, options.Choice);
    } catch (const LinesRefusal& refused) {
        prepared.Refusal = Message{refused.what(), "Save Lines", Icon::Critical};
        session.UiOfCli().Report(*prepared.Refusal);
        return abandon();
    }
    if (!Step(session, team.SaveLines(*password), prepared)) return abandon();
    AnsweredYes(session, kKeepLineChanges);
    if (!Step(session, team.KeepLines(), prepared)) return abandon();
    prepared.LinesFile = team.LinesFilePath();
}

// Prepares the current team; a roster kept before its lines failed stays kept, as it does in the
// windows.
Prepared PrepareTeam(Session& session, const PrepareOptions& options) {
    Prepared prepared;
    if (!PrepareRoster(session, prepared)) return prepared;
    PrepareLines(session, options, prepared);
    if (!prepared.LinesFile) Step(session, session.TeamEdit().SaveUnsavedRoster(), prepared);
    return prepared;
}

nlohmann::json PreparedJson(Session& session, const Prepared& prepared) {
    const int team = session.CurrentTeam();
    nlohmann::json refusal;
    if (prepared.Refusal) {
        refusal = {{"Title", TitleOrDefault(prepared.Refusal->Title)},
                   {"Text", prepared.Refusal->Text}};
    }
    return {{"TeamIndex", team},
            {"Team", RecordText(session.Vars().Teams[team].Name)},
            {"LinesFile",
             prepared.LinesFile ? nlohmann::json(Utf8Of(*prepared.LinesFile)) : nlohmann::json()},
            {"Refused", refusal}};
}

// Refuses, before anything is prepared, a league in which two teams would save the same lines
// file: one team's lines would overwrite the other's.
void RequireDistinctLinesFiles(Session& session) {
    const Variables& vars = session.Vars();
    std::map<std::string, int> teamOf;  // lines file name, compared as a case-blind disk does
    for (int t = 0; t <= vars.League.LastTeam; ++t) {
        const auto [first, added] = teamOf.emplace(FoldedFileName(LinesFileName(vars.Teams[t].Name, t)), t);
        if (added) continue;
        const int other = first->second;
        throw LinesRefusal("teams " + std::to_string(other) + " " +
                           RecordText(vars.Teams[other].Name) + " and " + std::to_string(t) + " " +
                           RecordText(vars.Teams[t].Name) + " would both save " +
                           Utf8Of(LinesFileName(vars.Teams[t].Name, t)) +
                           "; rename one of them. Nothing was prepared or saved.");
    }
}

int RunAllTeams(Session& session, const PrepareOptions& options) {
    Variables& vars = session.Vars();
    RequireDistinctLinesFiles(session);
    nlohmann::json results = nlohmann::json::array();
    std::string text;
    bool allPrepared = true;
    // Every team's save joins the run's one commit at its end (Session::WriteWorkingCopies): a
    // refused team is reported and the others go on; a failed commit saves nothing at all.
    for (int t = 0; t <= vars.League.LastTeam; ++t) {
        session.TeamEdit().SelectTeam(t);
        const Prepared prepared = PrepareTeam(session, options);
        allPrepared = allPrepared && prepared.LinesFile.has_value();
        results.push_back(PreparedJson(session, prepared));
        text += std::to_string(t) + " " + RecordText(vars.Teams[t].Name) + ": " +
                (prepared.LinesFile ? Utf8Of(*prepared.LinesFile)
                                    : "refused (" + TitleOrDefault(prepared.Refusal->Title) + ": " +
                                          prepared.Refusal->Text + ")") +
                "\n";
    }
    session.KeepDonePart();
    PrintResult(
        session, [&] { return results; }, [&](std::ostream& out) { out << text; });
    return allPrepared ? kDone : kRefused;
}

int RunPrepare(Session& session, const PrepareOptions& options) {
    // A script asked for the whole job: the questions it answers need not be printed back.
    session.UiOfCli().SetQuietAnswers(!options.ShowAnswers);
    if (options.Password) RequireLinesPassword(*options.Password);
    if (!options.Password && !options.Choice.League) {
        throw UsageError("prepare needs --password PASSWORD or --league-password");
    }
    if (options.AllTeams) return RunAllTeams(session, options);
    RequireCoachMenu(session, "roster and lines windows", "the Coach menu");
    const Prepared prepared = PrepareTeam(session, options);
    if (!prepared.LinesFile) return kRefused;
    const std::string path = Utf8Of(*prepared.LinesFile);
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
    parser->add_flag("--all-teams", options->AllTeams,
                     "Prepare every team of the league in team order, each saving <team>.lns; a "
                     "team that is refused is reported and the run goes on (exit code 1 at the "
                     "end); the teams prepared are saved together at the end, or, when that "
                     "fails, none. Two teams whose lines files would have the same name are "
                     "refused before anything is done. JSON: [{\"TeamIndex\", \"Team\", "
                     "\"LinesFile\" or null, \"Refused\": "
                     "{\"Title\", \"Text\"} or null}]");
    parser->add_flag("--show-answers", options->ShowAnswers,
                     "Print each question the run answers with its answer (\"Keep Changes: Keep "
                     "Roster Changes? [Yes]\", the waiver questions that --yes or --no answer); "
                     "without it they are answered quietly.");
    return {.Parser = parser,
            .Run = [options](Session& session) { return RunPrepare(session, *options); },
            .SavesTeams = true};
}

}  // namespace korvel::cli

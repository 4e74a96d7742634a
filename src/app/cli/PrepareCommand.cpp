#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/cli/Commands.h"
#include "app/cli/DriveWindow.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/LinesPasswordOption.h"
#include "app/cli/Output.h"
#include "windows/lines/Lines.h"
#include "windows/roster/Roster.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "The manager's whole job for the next game in one run: Coach > Set Game Roster, Auto, Exit "
    "keeping the roster; then Coach > Set Lines, Auto, Save Lines answering \"Password?\" with "
    "--password, Exit keeping the lines. The line-up must be complete before Save Lines. Prints "
    "the lines file's path. It stops at the first refusal (\"Not enough players\", \"Roster not "
    "complete\", \"Set roster first\", \"Lines are not complete\", a failed save) with exit code "
    "1 and writes no lines file. Waiver questions follow --yes or --no.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"LinesFile\": the lines file's path}";

struct PrepareOptions {
    std::string Password;
};

struct Prepared {
    bool RosterOpened = false;
    bool LinesOpened = false;
    std::optional<std::filesystem::path> LinesFile;
};

void PrepareRoster(Roster& roster, CliUi& ui) {
    roster.cmdAuto_Click();
    if (!ui.Refused()) roster.cmdExit_Click();
}

void PrepareLines(Lines& lines, const std::string& password, CliUi& ui, Prepared& prepared) {
    lines.cmdAuto_Click();
    if (ui.Refused()) return;
    if (lines.LinesIncomplete()) {
        ui.MsgBox("Lines are not complete", Buttons::OK, Icon::Critical, "Edit Lines");
        return;
    }
    ui.SetInputText(password);
    if (!lines.SaveLines()) return;
    ui.ClearRefusal();  // "Lines Saved" reports; it does not refuse
    prepared.LinesFile = lines.LinesFilePath();
    lines.cmdExit_Click();
}

int RunPrepare(Session& session, const PrepareOptions& options) {
    RequireLinesPassword(options.Password);
    CliUi& ui = session.UiOfCli();
    ui.SetAnswer("Keep Roster Changes?", Answer::Yes);
    ui.SetAnswer("Keep Line Changes?", Answer::Yes);
    Prepared prepared;
    prepared.RosterOpened = DriveWindow<Roster>(session, &Main::SetRoster_Click,
                                                [&](Roster& roster) { PrepareRoster(roster, ui); });
    if (!ui.Refused() && prepared.RosterOpened) {
        prepared.LinesOpened = DriveWindow<Lines>(
            session, &Main::SetLines_Click,
            [&](Lines& lines) { PrepareLines(lines, options.Password, ui, prepared); });
    }
    if (ui.Refused() || (prepared.LinesOpened && !prepared.LinesFile)) return kRefused;
    if (!prepared.RosterOpened || !prepared.LinesOpened) {
        throw UsageError(
            "the roster and lines windows did not open: Coach > Set Game Roster and Set Lines "
            "are disabled until a team is listed in the main window");
    }
    const std::string path = prepared.LinesFile->string();
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
    parser
        ->add_option("--password", options->Password,
                     "The team's lines password, the answer to \"Password?\" of Save Lines.")
        ->type_name("PASSWORD")
        ->required();
    return {parser, [options](Session& session) { return RunPrepare(session, *options); }};
}

}  // namespace korvel::cli

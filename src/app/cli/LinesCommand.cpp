#include <array>
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

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Opens the team's lines window as Coach > Set Lines does (the team's roster is read into "
    "roster slot 0), then, in this order and each only when asked for: presses Load Lines "
    "choosing FILE (--import; waiver questions follow --yes or --no), Auto (--auto), Save Lines "
    "answering the password question (--save-lines; the file goes to the start folder and its "
    "path is printed) and Exit answering Yes to \"Keep Line Changes?\" (--keep). It prints the "
    "working line-up: each of the 13 rows with its caption and its entries as roster index and "
    "name (\"-\" for an empty entry). Without --keep nothing is stored in the working files. A "
    "refusal (\"Password Incorrect\", \"... lines are not valid\", \"Errors in File\", \"Set "
    "roster first\", \"Lines are not complete\", a failed save) goes to standard error and "
    "gives exit code 1.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"LineBuffer\": [13 rows of 5 roster indexes, 255 for "
    "empty], \"Kept\": true when the line-up was stored, \"LinesFile\": the saved lines "
    "file's path or null}";

constexpr const char* kKeepQuestion = "Keep Line Changes?";

struct LinesOptions {
    std::optional<std::string> Import;  // the lines file to load
    bool Auto = false;
    std::optional<std::string> Password;  // Save Lines with this password
    bool Keep = false;
};

// What the command read from the lines window before it closed.
struct LinesShown {
    LineUp LineBuffer{};
    std::array<std::string, kLineRows> Captions;
    bool Kept = false;
    std::optional<std::filesystem::path> Saved;
};

constexpr int UsedColumns(int row) {
    return row <= 5 ? 5 : row <= 9 ? 4 : 3;
}

// The row captions the window shows, read by choosing each view in turn; the view the window
// showed is chosen again afterwards.
void ReadCaptions(Lines& lines, LinesShown& shown) {
    const int firstRowBefore = lines.FirstViewRow();
    lines.optEven_Click();
    for (int v = 0; v < 4; ++v) shown.Captions[v] = lines.Label1[v].Caption;
    lines.optPP_Click();
    for (int v = 0; v < 4; ++v) shown.Captions[4 + v] = lines.Label1[v].Caption;
    lines.optPK_Click();
    for (int v = 0; v < 4; ++v) shown.Captions[8 + v] = lines.Label1[v].Caption;
    shown.Captions[12] = lines.Label3.Caption + " / " + lines.Label4.Caption;
    if (firstRowBefore == 0) lines.optEven_Click();
    if (firstRowBefore == 4) lines.optPP_Click();
}

void UseLinesWindow(Lines& lines, const LinesOptions& options, Session& session,
                    LinesShown& shown) {
    CliUi& ui = session.UiOfCli();
    if (options.Import) {
        ui.SetFileToOpen(session.Vars().StartFolder / *options.Import);
        lines.cmdLoadLines_Click();
        if (ui.Refused()) return;
    }
    if (options.Auto) {
        lines.cmdAuto_Click();
        if (ui.Refused()) return;
    }
    if (options.Password) {
        ui.SetInputText(*options.Password);
        if (!lines.SaveLines()) return;
        ui.ClearRefusal();  // "Lines Saved" reports; it does not refuse
        shown.Saved = lines.LinesFilePath();
    }
    shown.LineBuffer = lines.LineBuffer;
    ReadCaptions(lines, shown);
    if (options.Keep) {
        const bool changed = lines.Changed;
        lines.cmdExit_Click();
        shown.Kept = changed && ui.AnswerGiven(kKeepQuestion) == Answer::Yes &&
                     lines.IsUnloaded() && !ui.Refused();
    }
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
    if (shown.Saved) out << "\nLines saved as " << shown.Saved->string() << "\n";
}

nlohmann::json ToJson(Session& session, const std::string& team, const LinesShown& shown) {
    nlohmann::json rows = nlohmann::json::array();
    for (int row = 0; row < kLineRows; ++row) {
        nlohmann::json entries = nlohmann::json::array();
        for (int c = 0; c < kLineColumns; ++c)
            entries.push_back(shown.LineBuffer[LineIndex(row, c)]);
        rows.push_back(entries);
    }
    return {{"Team", team},
            {"TeamIndex", session.CurrentTeam()},
            {"LineBuffer", rows},
            {"Kept", shown.Kept},
            {"LinesFile", shown.Saved ? nlohmann::json(shown.Saved->string()) : nlohmann::json()}};
}

int RunLines(Session& session, const LinesOptions& options) {
    if (options.Password) RequireLinesPassword(*options.Password);
    CliUi& ui = session.UiOfCli();
    if (options.Keep) ui.SetAnswer(kKeepQuestion, Answer::Yes);
    LinesShown shown;
    const bool opened = DriveWindow<Lines>(session, &Main::SetLines_Click, [&](Lines& lines) {
        UseLinesWindow(lines, options, session, shown);
    });
    if (ui.Refused()) return kRefused;
    if (!opened) throw WindowNotOpened("lines window", "Coach > Set Lines");
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
    parser
        ->add_option("--save-lines", options->Password,
                     "Press Save Lines and answer \"Password?\" with PASSWORD (cut to 10 "
                     "characters): the lines file is written to the start folder. A password "
                     "other than the team's asks \"Save anyway?\" (--yes writes the file).")
        ->type_name("PASSWORD");
    parser->add_flag("--keep", options->Keep,
                     "Press Exit and answer Yes to \"Keep Line Changes?\": a changed, complete "
                     "line-up is stored in the working team file.");
    return {parser, [options](Session& session) { return RunLines(session, *options); }};
}

}  // namespace korvel::cli

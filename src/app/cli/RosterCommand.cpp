#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "app/cli/DriveWindow.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "windows/roster/Roster.h"

namespace korvel::cli {
namespace {

constexpr const char* kHelp =
    "Opens the team's game roster window as Coach > Set Game Roster does (the team's roster is "
    "read into roster slot 0), optionally presses Auto (--auto) and Exit answering Yes to \"Keep "
    "Roster Changes?\" (--keep), and prints the three lists (roster index and name), the number "
    "of dressed players and whether the roster is complete. Any other question follows --yes or "
    "--no. Without --keep nothing is stored. A refusal (\"Not enough players\", \"Roster not "
    "complete\", a failed save) goes to standard error and gives exit code 1.\n"
    "JSON: {\"Team\", \"TeamIndex\", \"GameRoster\", \"Scratches\", \"Farm\": [roster indexes in "
    "list order], \"Dressed\", \"RosterComplete\", \"Kept\": true when the roster was stored}";

constexpr const char* kKeepQuestion = "Keep Roster Changes?";

struct RosterOptions {
    bool Auto = false;
    bool Keep = false;
};

// What the command read from the roster window before it closed.
struct RosterShown {
    std::array<std::vector<int>, Roster::kLists> Lists;  // by place: farm, scratches, dressed
    int Dressed = 0;
    bool Complete = false;
    bool Kept = false;
};

void UseRosterWindow(Roster& roster, const RosterOptions& options, CliUi& ui, RosterShown& shown) {
    if (options.Auto) {
        roster.cmdAuto_Click();
        if (ui.Refused()) return;
    }
    for (int place = 0; place < Roster::kLists; ++place) {
        for (const ListItem& item : roster.list1[place].Items)
            shown.Lists[place].push_back(item.ItemData);
    }
    shown.Dressed = roster.DressedCount();
    shown.Complete = roster.RosterComplete;
    if (options.Keep) {
        const bool changed = roster.RosterChanged;
        roster.cmdExit_Click();
        shown.Kept = changed && ui.AnswerGiven(kKeepQuestion) == Answer::Yes &&
                     roster.IsUnloaded() && !ui.Refused();
    }
}

constexpr std::array<const char*, Roster::kLists> kListTitles{"Farm Roster", "Scratches",
                                                              "Game Roster"};

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
}

nlohmann::json ToJson(Session& session, const std::string& team, const RosterShown& shown) {
    return {{"Team", team},
            {"TeamIndex", session.CurrentTeam()},
            {"GameRoster", shown.Lists[Dressed]},
            {"Scratches", shown.Lists[Scratch]},
            {"Farm", shown.Lists[Farm]},
            {"Dressed", shown.Dressed},
            {"RosterComplete", shown.Complete},
            {"Kept", shown.Kept}};
}

int RunRoster(Session& session, const RosterOptions& options) {
    CliUi& ui = session.UiOfCli();
    if (options.Keep) ui.SetAnswer(kKeepQuestion, Answer::Yes);
    RosterShown shown;
    const bool opened = DriveWindow<Roster>(session, &Main::SetRoster_Click, [&](Roster& roster) {
        UseRosterWindow(roster, options, ui, shown);
    });
    if (ui.Refused()) return kRefused;
    if (!opened) throw WindowNotOpened("game roster window", "Coach > Set Game Roster");
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
                     "Press Exit and answer Yes to \"Keep Roster Changes?\": a changed, complete "
                     "roster is stored in the working roster file, waived players in the "
                     "league's waiver list.");
    return {parser, [options](Session& session) { return RunRoster(session, *options); }};
}

}  // namespace korvel::cli

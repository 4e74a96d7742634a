#pragma once

#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "app/cli/Session.h"

namespace korvel::cli {

// A command: its subcommand in the parser and what it does once the session is open. Run returns
// the exit code.
struct Command {
    CLI::App* Parser = nullptr;
    std::function<int(Session&)> Run;
    bool ReadsOnly = false;  // needs the league's files only: no working copy is made
    // Keeps teams. Every run that loads a league holds what it saves until its end and commits it
    // then (Session::WriteWorkingCopies); this marks the commands whose saves reach the league.
    bool SavesTeams = false;
};
using CommandFactory = Command (*)(CLI::App& app);

// The commands, one file each. A new command is one declaration here and one line in the registry.
Command AddLeagueCommand(CLI::App& app);
Command AddPlayersCommand(CLI::App& app);
Command AddLinesCommand(CLI::App& app);
Command AddCardCommand(CLI::App& app);
Command AddRosterCommand(CLI::App& app);
Command AddPrepareCommand(CLI::App& app);
Command AddCheckLinesCommand(CLI::App& app);
Command AddTeamCommand(CLI::App& app);
Command AddStandingsCommand(CLI::App& app);
Command AddBriefingCommand(CLI::App& app);
Command AddSeasonCommand(CLI::App& app);

// Every command of korvel-cli, in the order of a game day, as its help lists them: one line each,
// its name as typed on the command line beside what adds its parser.
struct RegisteredCommand {
    const char* Name;
    CommandFactory Add;
};
// clang-format off
inline constexpr RegisteredCommand kCommandRegistry[] = {
    {"league", AddLeagueCommand},
    {"briefing", AddBriefingCommand},
    {"season", AddSeasonCommand},
    {"standings", AddStandingsCommand},
    {"team", AddTeamCommand},
    {"players", AddPlayersCommand},
    {"card", AddCardCommand},
    {"roster", AddRosterCommand},
    {"lines", AddLinesCommand},
    {"prepare", AddPrepareCommand},
    {"check-lines", AddCheckLinesCommand},
};
// clang-format on

// The commands whose parsers a run needs: those named in `args`, or every command when none is
// named or when help or the version may be asked for (the help lists every command). Building
// only these keeps a run's start cheap; what is parsed and printed stays the same.
std::vector<RegisteredCommand> CommandsToBuild(const std::vector<std::string_view>& args);

// Adds the subcommand `name` to `app`: `summary` is its line in korvel-cli --help, `help` the
// description of its output and JSON shape that its own --help shows above the common footer.
CLI::App* AddCommand(CLI::App& app, const char* name, const char* summary, const char* help);

// Prints what a command shows: JSON with --json, otherwise text for people. Only the form asked
// for is built. Returns kDone.
int PrintResult(Session& session, const std::function<nlohmann::json()>& json,
                const std::function<void(std::ostream& out)>& text);

}  // namespace korvel::cli

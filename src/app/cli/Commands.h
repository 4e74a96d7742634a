#pragma once

#include <functional>

#include <CLI/CLI.hpp>

#include "app/cli/Session.h"

namespace korvel::cli {

// A command: its subcommand in the parser and what it does once the session is open. Run returns
// the exit code.
struct Command {
    CLI::App* Parser = nullptr;
    std::function<int(Session&)> Run;
};

Command AddLeagueCommand(CLI::App& app);
Command AddPlayersCommand(CLI::App& app);
Command AddLinesCommand(CLI::App& app);
Command AddCardCommand(CLI::App& app);
Command AddRosterCommand(CLI::App& app);
Command AddPrepareCommand(CLI::App& app);
Command AddTeamCommand(CLI::App& app);

}  // namespace korvel::cli

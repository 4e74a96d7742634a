#pragma once

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace korvel::cli {

// The options every command accepts, before or after the command's name.
struct GlobalOptions {
    std::string StartFolder;  // empty: the current folder
    std::string League;       // base path without extension; empty: the league in korvel.def
    std::string Team;         // index or name; empty: the current team after loading
    bool Yes = false;
    bool No = false;
    bool Json = false;
};

void AddGlobalOptions(CLI::App& app, GlobalOptions& options);

}  // namespace korvel::cli

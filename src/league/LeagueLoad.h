#pragma once

// Loading a league as the program does: at start-up the one the defaults file names, later any
// league chosen. The main window and the command line both load through these.

#include <exception>
#include <filesystem>
#include <functional>
#include <string>

#include "league/Variables.h"

namespace korvel {

// Reads and checks the league whose base path is `base`, then installs it: working copies,
// defaults file, Variables. A failure throws and leaves the league loaded before as it was.
void LoadLeague(Variables& vars, const std::filesystem::path& base);

// Start-up: Variables set up for `startFolder`; then the league the defaults file names, when its
// league file exists, is loaded by `load`. Throws std::runtime_error with LoadFailureText.
void StartUp(Variables& vars, const std::filesystem::path& startFolder,
             const std::function<void(const std::filesystem::path& base)>& load);

// What a failed load of `path` says: the start folder, when a working copy could not be written
// there, else the league.
std::string LoadFailureText(const std::filesystem::path& path,
                            const std::filesystem::path& startFolder,
                            const std::exception& failure);

}  // namespace korvel

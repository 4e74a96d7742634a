#pragma once

// Loading a league as the program does: at start-up the one the defaults file names, later any
// league chosen. The main window and the command line both load through these.

#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "league/GameDayHistory.h"
#include "league/Variables.h"

namespace korvel {

// What a load has to tell besides the league itself: the game-day visit the briefing compares
// (none when the history could not be read), a note for the manager when the history had to be
// set aside or could not be kept, and the warning of a roster file shorter than the league needs.
struct LeagueLoaded {
    std::optional<GameDayVisit> Visit;
    std::string Notice;
    std::optional<std::string> ShortRoster;
};

// Reads and checks the league whose base path is `base`, then installs it: working copies,
// defaults file, the game-day history, Variables, all in one commit. A failure throws and leaves
// the league loaded before as it was.
LeagueLoaded LoadLeague(Variables& vars, const std::filesystem::path& base);

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

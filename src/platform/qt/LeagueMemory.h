#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace korvel::qt {

// What the desktop program remembers of the leagues it loaded, in QSettings beside the rest of
// DesktopSettings.h: the manager's team in each league and the leagues loaded last.

// The team last chosen in the league of base path `league`.
std::optional<int> RememberedTeam(const std::filesystem::path& league);
void RememberTeam(const std::filesystem::path& league, int team);

// The base paths of the leagues loaded last, the newest first, at most kRecentLeagues.
inline constexpr int kRecentLeagues = 5;
std::vector<std::filesystem::path> RecentLeagues();
// Puts `league` first among the recent leagues.
void AddRecentLeague(const std::filesystem::path& league);

}  // namespace korvel::qt

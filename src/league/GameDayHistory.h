#pragma once

// The game days Korvel has seen of each league: the league's team file, roster file and waiver
// list as they stood at the last two distinct looks, kept in the start folder ("korvel.days") so
// that the briefing can say what changed since the last game. The league's own files are only
// read.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/Variables.h"
#include "platform/Files.h"

namespace korvel {

constexpr const char* kGameDaysFileName = "korvel.days";

// One look at a league.
struct LeagueState {
    Bytes TeamFile;
    Bytes RosterFile;
    Bytes WaiverFile;

    // The simulation writes the team and roster files once per game day. The waiver list changes
    // whenever a manager waives a player, so it does not make a new game day.
    bool SameGameDay(const LeagueState& other) const {
        return TeamFile == other.TeamFile && RosterFile == other.RosterFile;
    }
    Team TeamRecord(int team) const;
    std::array<Team, kMaxTeams> Teams() const;
    RosterSlot Players(int team) const;
    // The players of the waiver list's whole entries, in file order.
    std::vector<Player> Waived() const;
};

// Reads the league with base path `base` as it stands: team and roster files up to the most a
// league can address, the waiver list (missing: empty) up to kWaiverListLimit. Throws FileError.
LeagueState ReadLeagueState(const std::filesystem::path& base);
constexpr std::size_t kWaiverListLimit = 4096 * 88;

// What one look at a league found in the history.
struct GameDayVisit {
    std::optional<LeagueState> Previous;  // the game day before Now; none on a first visit
    LeagueState Now;
    bool NewGameDay = false;  // the league changed since the last game day kept
    // Set when the history file was damaged, from another league or from a newer Korvel: says
    // where it was set aside.
    std::string Notice;
    std::filesystem::path File;
    std::optional<Bytes> NewContent;  // the history to write, when it changed
};

// Looks at the league `league` (base path `base`, as it stands: `now`) in the history of
// `startFolder`. The history keeps two distinct states per league, for the last few leagues
// looked at; when `now` differs from the last one kept it becomes the newest. A history that
// cannot be used is renamed to "korvel.days.bad-<n>" at once and the league starts afresh; the
// other leagues' days are kept when they can be read. Nothing is written: NewContent is for the
// caller to commit with its other files.
GameDayVisit VisitGameDays(const std::filesystem::path& startFolder,
                           const std::filesystem::path& base, const League& league,
                           LeagueState now);

// The history file to commit, when the visit changed it.
std::optional<StagedFile> StageGameDays(const GameDayVisit& visit);

}  // namespace korvel

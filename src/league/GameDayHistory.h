#pragma once

// The game days Korvel has seen of each league: the league's team file, roster file and waiver
// list as they stood at each distinct look of the current season (and the last game day of the
// season before), kept in the start folder ("korvel.days") so that the briefing can say what
// changed since the last game and the season view can show the season so far. A load reads only
// its own league's newest game day. The league's own files are only read.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "league/Variables.h"
#include "platform/Files.h"

namespace korvel {

constexpr const char* kGameDaysFileName = "korvel.days";

// Bytes read once and shared by every state that shows them: a copy of a state copies no bytes.
class SharedBytes {
  public:
    SharedBytes() = default;
    SharedBytes(std::shared_ptr<const std::uint8_t[]> owner, std::span<const std::uint8_t> bytes)
        : owner_(std::move(owner)), bytes_(bytes) {}
    std::span<const std::uint8_t> Span() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }
    // `inside`, a part of these bytes, sharing them.
    SharedBytes Part(std::span<const std::uint8_t> inside) const { return {owner_, inside}; }
    bool operator==(const SharedBytes& other) const {
        return std::ranges::equal(bytes_, other.bytes_);
    }

  private:
    std::shared_ptr<const std::uint8_t[]> owner_;
    std::span<const std::uint8_t> bytes_;
};

// One look at a league.
struct LeagueState {
    SharedBytes TeamFile;
    SharedBytes RosterFile;
    SharedBytes WaiverFile;
    std::int16_t SeasonFlag = 0;  // the league record's SeasonStarted

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
// The same, with the team file as the load read it already.
LeagueState ReadLeagueState(const std::filesystem::path& base, const Bytes& teamFile);
constexpr std::size_t kWaiverListLimit = 4096 * 88;

// What one look at a league found in the history.
struct GameDayVisit {
    std::optional<LeagueState> Previous;  // the game day before Now; none on a first visit
    LeagueState Now;
    bool NewGameDay = false;  // the league changed since the last game day kept
    bool NewSeason = false;   // ... and a new season began: the kept season starts again
    // Set when the history file was damaged, from another league or from a newer Korvel: says
    // where it was set aside.
    std::string Notice;
    std::filesystem::path File;
    std::function<void(FileSink&)> NewContent;  // writes the history, when it changed
    // The unusable history as it was, to keep beside it as SetAsideFile when the history is
    // replaced.
    std::filesystem::path SetAsideFile;
    SharedBytes SetAsideContent;
};

// Looks at the league `league` (base path `base`, as it stands: `now`) in the history of
// `startFolder`. The history keeps every distinct state of the season per league, for the last
// few leagues looked at; when `now` differs from the last one kept it becomes the newest. A new
// season (the season flag cleared, or a team's games played going back) starts the kept season
// afresh and keeps the last game day of the one before. A history that cannot be used is to be
// kept as "korvel.days.bad-<n>" and the league starts afresh; the other leagues' days are kept.
// Nothing is written or renamed: StageGameDays gives the files for the caller to commit with its
// other files, so that a run that commits nothing changes nothing.
GameDayVisit VisitGameDays(const std::filesystem::path& startFolder,
                           const std::filesystem::path& base, const League& league,
                           LeagueState now);

// The files to commit when the visit changed the history: the history, and the unusable one kept
// beside it. None, or all of them. Throws FileError.
std::vector<StagedFile> StageGameDays(const GameDayVisit& visit);

// The season so far of a league: every game day kept, oldest first, with `now` (the league as it
// stands) as the newest, just as the next load keeps them.
struct SeasonDays {
    std::vector<LeagueState> Days;
    std::optional<LeagueState> PreviousSeasonEnd;
    std::string Notice;  // why the kept days could not be read; Days then holds `now` only
};
SeasonDays ReadSeasonDays(const std::filesystem::path& startFolder,
                          const std::filesystem::path& base, const League& league,
                          LeagueState now);

}  // namespace korvel

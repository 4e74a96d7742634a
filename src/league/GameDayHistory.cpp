#include "league/GameDayHistory.h"

#include <algorithm>
#include <span>
#include <system_error>
#include <utility>

#include "league/Condense.h"
#include "league/GameDayHistoryFormat.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Phrase.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Text1252.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;
using gamedays::Unusable;

namespace {

// The most of an unusable history that is kept when it is set aside: more than eight leagues'
// seasons take.
constexpr std::size_t kSetAsideLimit = std::size_t{256} << 20;

// Reads `path` up to `limit` bytes into a buffer that is not cleared first. Throws FileError.
SharedBytes ReadShared(const fs::path& path, std::size_t limit) {
    const ReadOnlyFile file(path);
    const std::size_t size = std::min(file.Size(), limit);
    std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
    const std::span<const std::uint8_t> bytes(buffer.get(), file.ReadAt(0, size, buffer.get()));
    return {std::move(buffer), bytes};
}

SharedBytes ReadRaw(const ReadOnlyFile& file, std::uint64_t offset, std::size_t length) {
    std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[length]);
    const std::size_t got = file.ReadAt(static_cast<std::size_t>(offset), length, buffer.get());
    if (got < length) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
    const std::span<const std::uint8_t> bytes(buffer.get(), got);
    return {std::move(buffer), bytes};
}

// Games played by each team of the league, from its team file.
int GamesPlayed(const LeagueState& state, int team) {
    const Team record = state.TeamRecord(team);
    return record.Wins[0] + record.Losses[0] + record.Ties[0];
}

enum class Step { SameGameDay, NewGameDay, NewSeason };

// How `now` follows `newest`, the last game day kept. A new season clears the league's season
// flag, or sets a team's record back.
Step Following(const LeagueState& newest, const LeagueState& now, int lastTeam) {
    if (newest.SeasonFlag != gamedays::kUnknownSeasonFlag && newest.SeasonFlag != 0 &&
        now.SeasonFlag == 0) {
        return Step::NewSeason;
    }
    if (newest.SameGameDay(now)) return Step::SameGameDay;
    for (int team = 0; team <= std::min(lastTeam, kMaxTeams - 1); ++team) {
        if (GamesPlayed(now, team) < GamesPlayed(newest, team)) return Step::NewSeason;
    }
    return Step::NewGameDay;
}

// What is kept of one league: its index entry and, for a history of format 1 or 2, its days.
struct Kept {
    gamedays::IndexEntry Entry;
    std::optional<gamedays::OldLeague> Old;
};

// A history file opened and its index read.
struct Opened {
    std::unique_ptr<ReadOnlyFile> File;
    std::vector<Kept> Leagues;
};

// Opens the history `path` and reads its index (a history of format 1 or 2 whole). Throws
// Unusable.
Opened Open(const fs::path& path) {
    Opened opened;
    try {
        opened.File = std::make_unique<ReadOnlyFile>(path);
        const gamedays::Header header = gamedays::ReadHeader(*opened.File);
        if (header.Format >= 3) {
            for (const auto& entry : header.Index) opened.Leagues.push_back({entry, {}});
            return opened;
        }
        for (auto& old : gamedays::DecodeOldFormat(
                 ReadShared(path, 8 * 2 * (kTeamFileLimit + kRosterFileLimit + kWaiverListLimit +
                                           64) + 8 * 4096))) {
            gamedays::IndexEntry entry{old.Base, old.LeagueName, old.LastTeam};
            opened.Leagues.push_back({std::move(entry), std::move(old)});
        }
    } catch (const FileError& failure) {
        throw Unusable(
            KORVEL_PHRASE("Files", "cannot be read (%1)").With({failure.Cause()}).English());
    }
    return opened;
}

// The newest part of a kept league.
gamedays::Newest NewestOf(const Opened& opened, const Kept& kept) {
    if (kept.Old) {
        gamedays::Newest newest;
        if (kept.Old->States.empty()) {
            throw Unusable(KORVEL_TEXT("Files", "is damaged (a league without game days)"));
        }
        newest.State = kept.Old->States.back();
        if (kept.Old->States.size() > 1) {
            newest.HasPrevious = true;
            newest.BackToPrevious = gamedays::Difference(newest.State, kept.Old->States.front());
        }
        return newest;
    }
    return gamedays::DecodeNewest(gamedays::ReadPart(*opened.File, kept.Entry.Offset,
                                                     kept.Entry.NewestLength,
                                                     kept.Entry.NewestSum));
}

// The history part of a kept league (a league of format 1 or 2 has none beyond its newest).
gamedays::History HistoryOf(const Opened& opened, const Kept& kept) {
    if (kept.Old) return {};
    return gamedays::DecodeHistory(gamedays::ReadPart(
        *opened.File, kept.Entry.Offset + kept.Entry.NewestLength, kept.Entry.HistoryLength,
        kept.Entry.HistorySum));
}

// A kept league as it goes into the new file: its parts copied as they are.
gamedays::Section Carried(const Opened& opened, const Kept& kept) {
    gamedays::Section section{kept.Entry, {}, {}};
    if (kept.Old) {
        section.NewestPart = gamedays::Shared(gamedays::EncodeNewest(NewestOf(opened, kept)));
        section.HistoryPart = gamedays::Shared(gamedays::EncodeHistory({}));
        return section;
    }
    section.NewestPart = ReadRaw(*opened.File, kept.Entry.Offset, kept.Entry.NewestLength);
    section.HistoryPart = ReadRaw(*opened.File, kept.Entry.Offset + kept.Entry.NewestLength,
                                  kept.Entry.HistoryLength);
    return section;
}

bool SameLeague(const gamedays::IndexEntry& entry, const League& league) {
    return entry.LeagueName == league.LeagueName && entry.LastTeam == league.LastTeam;
}

std::string NameOf(const gamedays::IndexEntry& entry) {
    return Windows1252ToUtf8(Condense(entry.LeagueName.Str()));
}

// The first free "korvel.days.bad-<n>" beside `file`; empty when there is none.
fs::path FreeAsideName(const fs::path& file) {
    std::error_code error;
    for (int n = 1; n < 1000; ++n) {
        const fs::path aside = WithExtension(file, (".bad-" + std::to_string(n)).c_str());
        if (fs::symlink_status(aside, error).type() == fs::file_type::not_found) {
            return aside;
        }
    }
    return {};
}

// Prepares keeping the unusable history of the visit beside it; returns the notice for the user.
// When it cannot be kept the history is left as it is and not replaced (`writable` false).
std::string SetAside(GameDayVisit& visit, const std::string& cause, bool& writable) {
    std::string why;
    try {
        const fs::path aside = FreeAsideName(visit.File);
        if (aside.empty()) {
            throw FileError(visit.File,
                            KORVEL_TEXT("Files", "no free name to set it aside under"));
        }
        visit.SetAsideContent = ReadShared(visit.File, kSetAsideLimit);
        visit.SetAsideFile = aside;
        return KORVEL_PHRASE("League", "The game-day history %1 %2. It was set aside as %3, and "
                                       "the briefing starts afresh.")
            .With({Utf8Of(visit.File), cause, Utf8Of(aside)})
            .English();
    } catch (const FileError& failure) {
        why = failure.Cause();
    }
    writable = false;
    return KORVEL_PHRASE("League", "The game-day history %1 %2 and could not be set aside (%3); "
                                   "the briefing starts afresh and the file is left as it is.")
        .With({Utf8Of(visit.File), cause, why})
        .English();
}

}  // namespace

Team LeagueState::TeamRecord(int team) const {
    constexpr std::size_t length = RecordLayout<Team>::Size;
    Bytes record(length, 0);
    const std::size_t start = static_cast<std::size_t>(team) * length;
    if (start < TeamFile.Size()) {
        const auto from = TeamFile.Span().subspan(start, std::min(length, TeamFile.Size() - start));
        std::copy(from.begin(), from.end(), record.begin());
    }
    return DecodeRecord<Team>(record);
}

std::array<Team, kMaxTeams> LeagueState::Teams() const {
    std::array<Team, kMaxTeams> teams{};
    for (int t = 0; t < kMaxTeams; ++t) teams[static_cast<std::size_t>(t)] = TeamRecord(t);
    return teams;
}

RosterSlot LeagueState::Players(int team) const {
    constexpr std::size_t length = RecordLayout<Player>::Size;
    RosterSlot players{};
    for (int i = 0; i < kRosterPlaces; ++i) {
        const std::size_t start = (PlayerRecordNumber(team, i) - 1) * length;
        if (start + length > RosterFile.Size()) continue;
        const Player player = DecodeRecord<Player>(RosterFile.Span().subspan(start, length));
        if (!player.IsEmptyPlace()) players[static_cast<std::size_t>(i)] = player;
    }
    return players;
}

std::vector<Player> LeagueState::Waived() const {
    constexpr std::size_t length = RecordLayout<WaiverEntry>::Size;
    std::vector<Player> players;
    for (std::size_t start = 0; start + length <= WaiverFile.Size(); start += length) {
        const WaiverEntry entry =
            DecodeRecord<WaiverEntry>(WaiverFile.Span().subspan(start, length));
        if (!entry.Player.IsEmptyPlace()) players.push_back(entry.Player);
    }
    return players;
}

LeagueState ReadLeagueState(const fs::path& base) {
    LeagueState state;
    state.TeamFile = ReadShared(WithExtension(base, ".tms"), kTeamFileLimit);
    state.RosterFile = ReadShared(WithExtension(base, ".ros"), kRosterFileLimit);
    const fs::path waivers = WithExtension(base, ".wvr");
    if (FileExists(waivers)) state.WaiverFile = ReadShared(waivers, kWaiverListLimit);
    return state;
}

LeagueState ReadLeagueState(const fs::path& base, const Bytes& teamFile) {
    LeagueState state;
    state.TeamFile = gamedays::Shared(
        Bytes(teamFile.begin(),
              teamFile.begin() + static_cast<std::ptrdiff_t>(std::min(teamFile.size(), kTeamFileLimit))));
    state.RosterFile = ReadShared(WithExtension(base, ".ros"), kRosterFileLimit);
    const fs::path waivers = WithExtension(base, ".wvr");
    if (FileExists(waivers)) state.WaiverFile = ReadShared(waivers, kWaiverListLimit);
    return state;
}

GameDayVisit VisitGameDays(const fs::path& startFolder, const fs::path& base, const League& league,
                           LeagueState now) {
    GameDayVisit visit;
    visit.File = startFolder / kGameDaysFileName;
    now.SeasonFlag = league.SeasonStarted;
    const std::string key = Utf8Of(base.lexically_normal());
    bool writable = true;

    Opened opened;
    if (std::error_code error;
        fs::symlink_status(visit.File, error).type() != fs::file_type::not_found) {
        try {
            opened = Open(visit.File);
        } catch (const Unusable& cause) {
            visit.Notice = SetAside(visit, cause.what(), writable);
            opened = {};
        }
    }
    auto own = std::find_if(opened.Leagues.begin(), opened.Leagues.end(),
                            [&](const Kept& kept) { return kept.Entry.Base == key; });
    if (own != opened.Leagues.end() && !SameLeague(own->Entry, league)) {
        const std::string cause =
            KORVEL_PHRASE("Files", "holds the game days of another league under %1 (%2)")
                .With({key, NameOf(own->Entry)})
                .English();
        visit.Notice = SetAside(visit, cause, writable);
        opened.Leagues.erase(own);
        own = opened.Leagues.end();
    }

    // The league's new parts; an empty history part when the league starts afresh.
    gamedays::Newest newest{now, {}, false};
    std::optional<SharedBytes> historyPart;
    bool changed = !visit.Notice.empty();
    try {
        if (own == opened.Leagues.end()) throw std::out_of_range("first visit");
        const gamedays::Newest kept = NewestOf(opened, *own);
        switch (Following(kept.State, now, league.LastTeam)) {
            case Step::SameGameDay:
                if (kept.HasPrevious) {
                    visit.Previous = gamedays::Apply(kept.State, kept.BackToPrevious);
                }
                // The same game day: the newest waiver list (and season flag) is the one the next
                // game day compares with.
                if (kept.State.WaiverFile == now.WaiverFile &&
                    kept.State.SeasonFlag == now.SeasonFlag) {
                    now = kept.State;  // sharing the bytes read
                    newest = kept;
                } else {
                    newest.HasPrevious = kept.HasPrevious;
                    if (visit.Previous) {
                        newest.BackToPrevious = gamedays::Difference(now, *visit.Previous);
                    }
                    changed = true;
                }
                if (changed) historyPart = Carried(opened, *own).HistoryPart;
                break;
            case Step::NewSeason: {
                visit.Previous = kept.State;
                visit.NewGameDay = visit.NewSeason = true;
                gamedays::History history;
                history.PreviousSeasonEnd = kept.State;
                historyPart = gamedays::Shared(gamedays::EncodeHistory(history));
                changed = true;
                break;
            }
            case Step::NewGameDay: {
                visit.Previous = kept.State;
                visit.NewGameDay = true;
                gamedays::History history = HistoryOf(opened, *own);
                if (kept.HasPrevious) {
                    history.Back.insert(history.Back.begin(),
                                        gamedays::Shared(kept.BackToPrevious));
                }
                if (history.Back.size() + 1 > gamedays::kDaysKept) history.Back.pop_back();
                newest.HasPrevious = true;
                newest.BackToPrevious = gamedays::Difference(now, kept.State);
                historyPart = gamedays::Shared(gamedays::EncodeHistory(history));
                changed = true;
                break;
            }
        }
    } catch (const Unusable& cause) {
        visit.Notice = SetAside(visit, cause.what(), writable);
        visit.Previous.reset();
        visit.NewGameDay = visit.NewSeason = false;
        newest = {now, {}, false};
        historyPart.reset();
        changed = true;
    } catch (const std::out_of_range&) {
        changed = true;
    }
    visit.Now = std::move(now);
    if (!changed || !writable) return visit;

    std::vector<gamedays::Section> sections;
    for (auto kept = opened.Leagues.begin(); kept != opened.Leagues.end(); ++kept) {
        if (kept == own) continue;
        try {
            sections.push_back(Carried(opened, *kept));
        } catch (const std::exception&) {
            // Another league's days that cannot be copied are not worth this league's.
        }
    }
    gamedays::Section mine{{key, league.LeagueName, league.LastTeam}, {}, {}};
    mine.NewestPart = gamedays::Shared(gamedays::EncodeNewest(newest));
    mine.HistoryPart =
        historyPart ? *historyPart : gamedays::Shared(gamedays::EncodeHistory({}));
    sections.push_back(std::move(mine));  // the newest last; the oldest leave first
    if (sections.size() > gamedays::kLeaguesKept) sections.erase(sections.begin());
    visit.NewContent = [kept = std::make_shared<const std::vector<gamedays::Section>>(
                            std::move(sections))](FileSink& sink) { gamedays::Write(*kept, sink); };
    return visit;
}

std::vector<StagedFile> StageGameDays(const GameDayVisit& visit) {
    std::vector<StagedFile> files;
    if (!visit.NewContent) return files;
    if (!visit.SetAsideFile.empty()) {
        const SharedBytes aside = visit.SetAsideContent;
        files.emplace_back(
            visit.SetAsideFile,
            [aside](FileSink& sink) { sink.Write(aside.Span().data(), aside.Size()); },
            Flush::WhenReplacing);
    }
    files.emplace_back(visit.File, visit.NewContent, Flush::WhenReplacing);
    return files;
}

SeasonDays ReadSeasonDays(const fs::path& startFolder, const fs::path& base, const League& league,
                          LeagueState now) {
    SeasonDays season;
    now.SeasonFlag = league.SeasonStarted;
    const fs::path path = startFolder / kGameDaysFileName;
    const std::string key = Utf8Of(base.lexically_normal());
    try {
        std::error_code error;
        if (fs::symlink_status(path, error).type() == fs::file_type::not_found) {
            throw std::out_of_range("no history");
        }
        const Opened opened = Open(path);
        const auto own = std::find_if(opened.Leagues.begin(), opened.Leagues.end(),
                                      [&](const Kept& kept) { return kept.Entry.Base == key; });
        if (own == opened.Leagues.end() || !SameLeague(own->Entry, league)) {
            throw std::out_of_range("not kept");
        }
        const gamedays::Newest newest = NewestOf(opened, *own);
        const gamedays::History history = HistoryOf(opened, *own);
        // Back from the newest, one change at a time.
        std::vector<LeagueState> back{newest.State};
        if (newest.HasPrevious) {
            back.push_back(gamedays::Apply(back.back(), newest.BackToPrevious));
            for (const SharedBytes& change : history.Back) {
                back.push_back(gamedays::Apply(back.back(), change.Span()));
            }
        }
        season.PreviousSeasonEnd = history.PreviousSeasonEnd;
        season.Days.assign(back.rbegin(), back.rend());
        switch (Following(newest.State, now, league.LastTeam)) {
            case Step::SameGameDay:
                season.Days.back() = std::move(now);
                break;
            case Step::NewGameDay:
                season.Days.push_back(std::move(now));
                break;
            case Step::NewSeason:
                season.PreviousSeasonEnd = season.Days.back();
                season.Days = {std::move(now)};
                break;
        }
    } catch (const Unusable& cause) {
        season = {};
        season.Notice = KORVEL_PHRASE("League", "The game-day history %1 %2.")
                            .With({Utf8Of(path), cause.what()})
                            .English();
        season.Days = {std::move(now)};
    } catch (const std::out_of_range&) {
        season = {};
        season.Days = {std::move(now)};
    }
    return season;
}

}  // namespace korvel

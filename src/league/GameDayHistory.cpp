#include "league/GameDayHistory.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <stdexcept>
#include <system_error>

#include "league/Condense.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Text1252.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

// File layout, little-endian: the magic line, the format version (uint16), the league count
// (uint16); per league its base path (uint16 length, bytes), league name (25 bytes), LastTeam
// (byte), state count (byte), and per state the team, roster and waiver files (each uint32 length,
// bytes); last a checksum (uint64) of everything before it.
constexpr std::string_view kMagic = "KORVEL GAME DAYS\n";
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kLeaguesKept = 8;
constexpr std::size_t kStatesKept = 2;
constexpr std::size_t kHistoryLimit =
    kLeaguesKept * kStatesKept * (kTeamFileLimit + kRosterFileLimit + kWaiverListLimit + 64) +
    kLeaguesKept * 4096;

// A 64-bit hash taken eight bytes at a time: every load hashes the league's files and checks the
// history, so it must cost little. Not cryptographic; it tells one game day from another and a
// damaged history from a whole one.
std::uint64_t WordHash(std::uint64_t hash, std::span<const std::uint8_t> bytes) {
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = (hash ^ word) * 0x100000001b3ULL;
        hash ^= hash >> 29;
    }
    for (; at < bytes.size(); ++at) {
        hash ^= bytes[at];
        hash *= 0x100000001b3ULL;
    }
    return hash;
}
constexpr std::uint64_t kFnvStart = 0xcbf29ce484222325ULL;

// Why a history file cannot be used.
struct Unusable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Writer {
  public:
    void Raw(std::span<const std::uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    void Number(std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void Block(const Bytes& bytes, int width) {
        Number(bytes.size(), width);
        Raw(bytes);
    }
    Bytes Done() {
        Number(WordHash(kFnvStart, out_), 8);
        return std::move(out_);
    }

  private:
    Bytes out_;
};

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::span<const std::uint8_t> Raw(std::size_t count) {
        if (count > bytes_.size() - at_) throw Unusable("is cut short");
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }
    std::uint64_t Number(int width) {
        const auto part = Raw(static_cast<std::size_t>(width));
        std::uint64_t value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | part[static_cast<std::size_t>(i)];
        return value;
    }
    Bytes Block(int width, std::size_t limit) {
        const std::uint64_t count = Number(width);
        if (count > limit) throw Unusable("is damaged (a part longer than a league has)");
        const auto part = Raw(static_cast<std::size_t>(count));
        return Bytes(part.begin(), part.end());
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

struct LeagueHistory {
    std::string Base;
    FixedText<25> LeagueName;
    std::uint8_t LastTeam = 0;
    std::vector<LeagueState> States;  // oldest first
};

Bytes Encode(const std::vector<LeagueHistory>& leagues) {
    Writer out;
    out.Raw(std::span(reinterpret_cast<const std::uint8_t*>(kMagic.data()), kMagic.size()));
    out.Number(kVersion, 2);
    out.Number(leagues.size(), 2);
    for (const LeagueHistory& league : leagues) {
        out.Block(Bytes(league.Base.begin(), league.Base.end()), 2);
        const std::string name = league.LeagueName.Str();
        out.Raw(std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
        out.Number(league.LastTeam, 1);
        out.Number(league.States.size(), 1);
        for (const LeagueState& state : league.States) {
            out.Block(state.TeamFile, 4);
            out.Block(state.RosterFile, 4);
            out.Block(state.WaiverFile, 4);
        }
    }
    return out.Done();
}

std::vector<LeagueHistory> Decode(const Bytes& bytes) {
    if (bytes.size() < kMagic.size() + 2 ||
        !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        throw Unusable("is not a game-day history of Korvel");
    }
    Reader header{std::span(bytes).subspan(kMagic.size())};
    if (const auto version = header.Number(2); version > kVersion) {
        throw Unusable("was written by a newer Korvel (format " + std::to_string(version) + ")");
    }
    if (bytes.size() < kMagic.size() + 2 + 8) throw Unusable("is cut short");
    const std::span<const std::uint8_t> body(bytes.data(), bytes.size() - 8);
    if (Reader(std::span(bytes).last(8)).Number(8) != WordHash(kFnvStart, body)) {
        throw Unusable("is cut short or damaged (its checksum does not match)");
    }
    Reader in{body.subspan(kMagic.size() + 2)};
    std::vector<LeagueHistory> leagues(in.Number(2));
    if (leagues.size() > kLeaguesKept) throw Unusable("is damaged (too many leagues)");
    for (LeagueHistory& league : leagues) {
        const Bytes base = in.Block(2, 4096);
        league.Base.assign(base.begin(), base.end());
        const auto name = in.Raw(25);
        std::copy(name.begin(), name.end(), league.LeagueName.Bytes.begin());
        league.LastTeam = static_cast<std::uint8_t>(in.Number(1));
        league.States.resize(in.Number(1));
        if (league.States.size() > kStatesKept) throw Unusable("is damaged (too many game days)");
        for (LeagueState& state : league.States) {
            state.TeamFile = in.Block(4, kTeamFileLimit);
            state.RosterFile = in.Block(4, kRosterFileLimit);
            state.WaiverFile = in.Block(4, kWaiverListLimit);
        }
    }
    if (!in.AtEnd()) throw Unusable("is damaged (bytes after its end)");
    return leagues;
}

// Renames the unusable history beside itself; returns the notice for the user.
std::string SetAside(const fs::path& file, const std::string& cause, bool& setAside) {
    std::error_code error;
    for (int n = 1; n < 1000; ++n) {
        const fs::path aside = WithExtension(file, (".bad-" + std::to_string(n)).c_str());
        if (fs::symlink_status(aside, error).type() != fs::file_type::not_found) continue;
        fs::rename(file, aside, error);
        if (error) break;
        setAside = true;
        return "The game-day history " + Utf8Of(file) + " " + cause + ". It was set aside as " +
               Utf8Of(aside) + ", and the briefing starts afresh.";
    }
    setAside = false;
    return "The game-day history " + Utf8Of(file) + " " + cause + " and could not be set aside" +
           (error ? " (" + error.message() + ")" : "") +
           "; the briefing starts afresh and the file is left as it is.";
}

}  // namespace

Team LeagueState::TeamRecord(int team) const {
    constexpr std::size_t length = RecordLayout<Team>::Size;
    Bytes record(length, 0);
    const std::size_t start = static_cast<std::size_t>(team) * length;
    if (start < TeamFile.size()) {
        std::copy_n(TeamFile.begin() + static_cast<std::ptrdiff_t>(start),
                    std::min(length, TeamFile.size() - start), record.begin());
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
        if (start + length > RosterFile.size()) continue;
        const Player player = DecodeRecord<Player>(std::span(RosterFile).subspan(start, length));
        if (!player.IsEmptyPlace()) players[static_cast<std::size_t>(i)] = player;
    }
    return players;
}

std::vector<Player> LeagueState::Waived() const {
    constexpr std::size_t length = RecordLayout<WaiverEntry>::Size;
    std::vector<Player> players;
    for (std::size_t start = 0; start + length <= WaiverFile.size(); start += length) {
        const WaiverEntry entry =
            DecodeRecord<WaiverEntry>(std::span(WaiverFile).subspan(start, length));
        if (!entry.Player.IsEmptyPlace()) players.push_back(entry.Player);
    }
    return players;
}

LeagueState ReadLeagueState(const fs::path& base) {
    LeagueState state;
    state.TeamFile = ReadWholeFile(WithExtension(base, ".tms"), kTeamFileLimit);
    state.RosterFile = ReadWholeFile(WithExtension(base, ".ros"), kRosterFileLimit);
    const fs::path waivers = WithExtension(base, ".wvr");
    if (FileExists(waivers)) state.WaiverFile = ReadWholeFile(waivers, kWaiverListLimit);
    return state;
}

GameDayVisit VisitGameDays(const fs::path& startFolder, const fs::path& base, const League& league,
                           LeagueState now) {
    GameDayVisit visit;
    visit.File = startFolder / kGameDaysFileName;
    std::vector<LeagueHistory> leagues;
    bool writable = true;
    if (std::error_code error;
        fs::symlink_status(visit.File, error).type() != fs::file_type::not_found) {
        try {
            try {
                leagues = Decode(ReadWholeFile(visit.File, kHistoryLimit + 1));
            } catch (const FileError& failure) {
                throw Unusable("cannot be read (" + failure.Cause() + ")");
            }
        } catch (const Unusable& cause) {
            visit.Notice = SetAside(visit.File, cause.what(), writable);
        }
    }
    const std::string key = Utf8Of(base.lexically_normal());
    auto found = std::find_if(leagues.begin(), leagues.end(),
                              [&](const LeagueHistory& h) { return h.Base == key; });
    if (found != leagues.end() &&
        (!(found->LeagueName == league.LeagueName) || found->LastTeam != league.LastTeam)) {
        const std::string cause = "holds the game days of another league under " + key + " (" +
                                  Windows1252ToUtf8(Condense(found->LeagueName.Str())) + ")";
        visit.Notice = SetAside(visit.File, cause, writable);
        leagues.erase(found);
        found = leagues.end();
    }

    LeagueHistory history{key, league.LeagueName, league.LastTeam, {}};
    if (found != leagues.end()) {
        history = std::move(*found);
        leagues.erase(found);
    }
    bool changed = !visit.Notice.empty();
    if (history.States.empty()) {
        history.States.push_back(now);
        changed = true;
    } else if (history.States.back().SameGameDay(now)) {
        if (history.States.size() > 1) visit.Previous = history.States.front();
        // The same game day: the newest waiver list is the one the next game day compares with.
        if (history.States.back().WaiverFile != now.WaiverFile) {
            history.States.back().WaiverFile = now.WaiverFile;
            changed = true;
        }
    } else {
        visit.Previous = history.States.back();
        visit.NewGameDay = true;
        history.States = {history.States.back(), now};
        changed = true;
    }
    visit.Now = std::move(now);

    if (changed && writable) {
        leagues.push_back(std::move(history));  // the newest last; the oldest leave first
        if (leagues.size() > kLeaguesKept) leagues.erase(leagues.begin());
        visit.NewContent = Encode(leagues);
    }
    return visit;
}

std::optional<StagedFile> StageGameDays(const GameDayVisit& visit) {
    if (!visit.NewContent) return std::nullopt;
    return StagedFile(visit.File, *visit.NewContent, Flush::WhenReplacing);
}

}  // namespace korvel

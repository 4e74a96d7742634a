#include "league/GameDayHistory.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "league/Condense.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/Phrase.h"
#include "platform/ReadOnlyFile.h"
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
constexpr std::uint16_t kVersion = 2;
constexpr std::size_t kLeaguesKept = 8;
constexpr std::size_t kStatesKept = 2;
constexpr std::size_t kHistoryLimit =
    kLeaguesKept * kStatesKept * (kTeamFileLimit + kRosterFileLimit + kWaiverListLimit + 64) +
    kLeaguesKept * 4096;

// A 64-bit checksum: every load checks the history, whose size grows with the league's, so it
// must cost little. Not cryptographic; it tells a damaged history from a whole one. Format 1 takes
// eight bytes at a time into one hash; format 2 takes 32 bytes at a time, eight into each of four
// lanes, mixed together at the end, for fewer instructions a byte. Bytes may come in parts of any
// length: the blocks are those of all the parts one after another, the bytes after the last whole
// block are taken one by one.
template <std::size_t Lanes>
class BlockHash {
  public:
    static constexpr std::size_t kBlock = 8 * Lanes;

    void Add(std::span<const std::uint8_t> bytes) {
        if (pending_ > 0) {
            const std::size_t count = std::min(bytes.size(), kBlock - pending_);
            std::copy_n(bytes.begin(), count, block_.begin() + pending_);
            pending_ += count;
            bytes = bytes.subspan(count);
            if (pending_ < kBlock) return;
            AddBlock(lanes_, block_.data());
            pending_ = 0;
        }
        // The lanes in local variables: stores through the byte pointer could reach a member.
        std::array<std::uint64_t, Lanes> lanes = lanes_;
        std::size_t at = 0;
        for (; at + kBlock <= bytes.size(); at += kBlock) AddBlock(lanes, bytes.data() + at);
        lanes_ = lanes;
        pending_ = bytes.size() - at;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), pending_, block_.begin());
    }
    std::uint64_t Value() const {
        std::uint64_t hash = lanes_[0];
        if constexpr (Lanes > 1) {
            hash = kStart;
            for (const std::uint64_t lane : lanes_) hash = Mixed(hash, lane);
        }
        for (std::size_t at = 0; at < pending_; ++at) {
            hash ^= block_[at];
            hash *= kPrime;
        }
        return hash;
    }

  private:
    static constexpr std::uint64_t kStart = 0xcbf29ce484222325ULL;
    static constexpr std::uint64_t kPrime = 0x100000001b3ULL;

    static std::uint64_t Word(const std::uint8_t* bytes) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        return word;
    }
    static std::uint64_t Mixed(std::uint64_t hash, std::uint64_t word) {
        hash = (hash ^ word) * kPrime;
        return hash ^ (hash >> 29);
    }
    static void AddBlock(std::array<std::uint64_t, Lanes>& lanes, const std::uint8_t* bytes) {
        if constexpr (Lanes == 1) {
            lanes[0] = Mixed(lanes[0], Word(bytes));
        } else {
            [&]<std::size_t... I>(std::index_sequence<I...>) {
                ((lanes[I] = (lanes[I] ^ Word(bytes + 8 * I)) * kPrime), ...);
            }
            (std::make_index_sequence<Lanes>());
        }
    }

    std::array<std::uint64_t, Lanes> lanes_ = Filled(kStart);
    std::array<std::uint8_t, kBlock> block_{};
    std::size_t pending_ = 0;  // bytes of block_ not yet taken

    static constexpr std::array<std::uint64_t, Lanes> Filled(std::uint64_t value) {
        std::array<std::uint64_t, Lanes> lanes{};
        lanes.fill(value);
        return lanes;
    }
};

// The checksum of `bytes` as format `version` takes it.
std::uint64_t Checksum(std::uint64_t version, std::span<const std::uint8_t> bytes) {
    if (version < 2) {
        BlockHash<1> hash;
        hash.Add(bytes);
        return hash.Value();
    }
    BlockHash<4> hash;
    hash.Add(bytes);
    return hash.Value();
}

// Why a history file cannot be used.
struct Unusable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes the history straight into the file: the league's files are not copied on the way.
class Writer {
  public:
    explicit Writer(FileSink& sink) : sink_(sink) {}
    void Raw(std::span<const std::uint8_t> bytes) {
        hash_.Add(bytes);
        if (bytes.size() < 256) {
            small_.insert(small_.end(), bytes.begin(), bytes.end());
            return;
        }
        WriteSmall();
        sink_.Write(bytes.data(), bytes.size());
    }
    void Number(std::uint64_t value, int width) { Raw(LittleEndian(value, width)); }
    void Block(std::span<const std::uint8_t> bytes, int width) {
        Number(bytes.size(), width);
        Raw(bytes);
    }
    // Ends the file with the checksum of everything before it.
    void Done() {
        const auto checksum = LittleEndian(hash_.Value(), 8);
        small_.insert(small_.end(), checksum.begin(), checksum.end());
        WriteSmall();
    }

  private:
    static Bytes LittleEndian(std::uint64_t value, int width) {
        Bytes bytes(static_cast<std::size_t>(width));
        for (int i = 0; i < width; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        return bytes;
    }
    void WriteSmall() {
        sink_.Write(small_.data(), small_.size());
        small_.clear();
    }

    FileSink& sink_;
    BlockHash<4> hash_;  // as format kVersion takes it
    Bytes small_;        // the numbers and short parts, gathered into fewer writes
};

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::span<const std::uint8_t> Raw(std::size_t count) {
        if (count > bytes_.size() - at_) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
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
    std::span<const std::uint8_t> Block(int width, std::size_t limit) {
        const std::uint64_t count = Number(width);
        if (count > limit)
            throw Unusable(KORVEL_TEXT("Files", "is damaged (a part longer than a league has)"));
        return Raw(static_cast<std::size_t>(count));
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

void Encode(const std::vector<LeagueHistory>& leagues, FileSink& sink) {
    Writer out(sink);
    out.Raw(std::span(reinterpret_cast<const std::uint8_t*>(kMagic.data()), kMagic.size()));
    out.Number(kVersion, 2);
    out.Number(leagues.size(), 2);
    for (const LeagueHistory& league : leagues) {
        out.Block(std::span(reinterpret_cast<const std::uint8_t*>(league.Base.data()),
                            league.Base.size()),
                  2);
        const std::string name = league.LeagueName.Str();
        out.Raw(std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
        out.Number(league.LastTeam, 1);
        out.Number(league.States.size(), 1);
        for (const LeagueState& state : league.States) {
            out.Block(state.TeamFile.Span(), 4);
            out.Block(state.RosterFile.Span(), 4);
            out.Block(state.WaiverFile.Span(), 4);
        }
    }
    out.Done();
}

// The leagues of the history `file`, whose states share its bytes.
std::vector<LeagueHistory> Decode(const SharedBytes& file) {
    const std::span<const std::uint8_t> bytes = file.Span();
    if (bytes.size() < kMagic.size() + 2 ||
        !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        throw Unusable(KORVEL_TEXT("Files", "is not a game-day history of Korvel"));
    }
    Reader header{bytes.subspan(kMagic.size())};
    const auto version = header.Number(2);
    if (version > kVersion) {
        throw Unusable("was written by a newer Korvel (format " + std::to_string(version) + ")");
    }
    if (bytes.size() < kMagic.size() + 2 + 8) throw Unusable(KORVEL_TEXT("Files", "is cut short"));
    const std::span<const std::uint8_t> body(bytes.data(), bytes.size() - 8);
    // A history of format 1 is read as it is and written again as format 2 when it changes.
    if (Reader(bytes.last(8)).Number(8) != Checksum(version, body)) {
        throw Unusable(
            KORVEL_TEXT("Files", "is cut short or damaged (its checksum does not match)"));
    }
    Reader in{body.subspan(kMagic.size() + 2)};
    std::vector<LeagueHistory> leagues(in.Number(2));
    if (leagues.size() > kLeaguesKept)
        throw Unusable(KORVEL_TEXT("Files", "is damaged (too many leagues)"));
    for (LeagueHistory& league : leagues) {
        const auto base = in.Block(2, 4096);
        league.Base.assign(base.begin(), base.end());
        const auto name = in.Raw(25);
        std::copy(name.begin(), name.end(), league.LeagueName.Bytes.begin());
        league.LastTeam = static_cast<std::uint8_t>(in.Number(1));
        league.States.resize(in.Number(1));
        if (league.States.size() > kStatesKept)
            throw Unusable(KORVEL_TEXT("Files", "is damaged (too many game days)"));
        for (LeagueState& state : league.States) {
            state.TeamFile = file.Part(in.Block(4, kTeamFileLimit));
            state.RosterFile = file.Part(in.Block(4, kRosterFileLimit));
            state.WaiverFile = file.Part(in.Block(4, kWaiverListLimit));
        }
    }
    if (!in.AtEnd()) throw Unusable(KORVEL_TEXT("Files", "is damaged (bytes after its end)"));
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
        return KORVEL_PHRASE("League",
                             "The game-day history %1 %2. It was set aside as %3, and the "
                             "briefing starts afresh.")
            .With({Utf8Of(file), cause, Utf8Of(aside)})
            .English();
    }
    setAside = false;
    const Phrase notice =
        error ? KORVEL_PHRASE("League",
                              "The game-day history %1 %2 and could not be set aside (%3); the "
                              "briefing starts afresh and the file is left as it is.")
              : KORVEL_PHRASE("League",
                              "The game-day history %1 %2 and could not be set aside; the "
                              "briefing starts afresh and the file is left as it is.");
    return notice.With({Utf8Of(file), cause, error ? error.message() : ""}).English();
}

// Reads `path` up to `limit` bytes into a buffer that is not cleared first. Throws FileError.
SharedBytes ReadShared(const fs::path& path, std::size_t limit) {
    const ReadOnlyFile file(path);
    const std::size_t size = std::min(file.Size(), limit);
    std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
    const std::span<const std::uint8_t> bytes(buffer.get(), file.ReadAt(0, size, buffer.get()));
    return {std::move(buffer), bytes};
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
                leagues = Decode(ReadShared(visit.File, kHistoryLimit + 1));
            } catch (const FileError& failure) {
                throw Unusable(KORVEL_PHRASE("Files", "cannot be read (%1)")
                                   .With({failure.Cause()})
                                   .English());
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
        const std::string cause =
            KORVEL_PHRASE("Files", "holds the game days of another league under %1 (%2)")
                .With({key, Windows1252ToUtf8(Condense(found->LeagueName.Str()))})
                .English();
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
        visit.NewContent = [kept = std::make_shared<const std::vector<LeagueHistory>>(
                                std::move(leagues))](FileSink& sink) { Encode(*kept, sink); };
    }
    return visit;
}

std::optional<StagedFile> StageGameDays(const GameDayVisit& visit) {
    if (!visit.NewContent) return std::nullopt;
    return StagedFile(visit.File, visit.NewContent, Flush::WhenReplacing);
}

}  // namespace korvel

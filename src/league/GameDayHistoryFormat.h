#pragma once

// The bytes of korvel.days, apart from what a visit makes of them.
//
// Format 3, little-endian:
//   header   the magic line, the format (uint16), the index length (uint32), the index, and a
//            checksum (uint64) of everything before it;
//   index    the league count (uint16); per league its base path (uint16 length, bytes), league
//            name (25 bytes), LastTeam (byte), where its section starts (uint64), the length and
//            checksum of its newest part (uint32, uint64) and of its history part (uint32,
//            uint64);
//   sections one per league, its newest part then its history part.
// The newest part is what every load of the league reads: the newest game day whole (season flag,
// team, roster and waiver files) and the change that gives back the game day before it. The
// history part is read by the season view and by a load that adds a game day: the changes that
// give back each older game day of the season, newest first, then the final game day of the
// season before, whole. A game day is kept as the change from the one after it, so that the
// newest stays whole and the rest costs what changed.
//
// Formats 1 and 2 held every league's last two game days whole, in one checksummed body; they are
// read and written again as format 3.

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "league/GameDayHistory.h"
#include "platform/Files.h"

namespace korvel {
class ReadOnlyFile;
}

namespace korvel::gamedays {

// Why a history file cannot be used (the text finishes "The game-day history FILE ...").
struct Unusable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::uint16_t kFormat = 3;
constexpr std::size_t kLeaguesKept = 8;
// More game days than any season has: a history beyond it forgets its oldest.
constexpr std::size_t kDaysKept = 400;
// A season flag that format 1 and 2 did not keep.
constexpr std::int16_t kUnknownSeasonFlag = 0x7fff;

std::uint64_t Checksum(std::span<const std::uint8_t> bytes);

struct IndexEntry {
    std::string Base;
    FixedText<25> LeagueName;
    std::uint8_t LastTeam = 0;
    std::uint64_t Offset = 0;
    std::uint32_t NewestLength = 0;
    std::uint64_t NewestSum = 0;
    std::uint32_t HistoryLength = 0;
    std::uint64_t HistorySum = 0;
};

// The header of a history file of any format: for format 3 the index; for formats 1 and 2 only
// the format (their leagues come from DecodeOldFormat).
struct Header {
    std::uint16_t Format = 0;
    std::vector<IndexEntry> Index;
};

// Reads the header of `file` without reading the sections. Throws Unusable or FileError.
Header ReadHeader(const ReadOnlyFile& file);
// Reads `length` bytes at `offset` of `file` and checks them against `sum`. Throws Unusable.
SharedBytes ReadPart(const ReadOnlyFile& file, std::uint64_t offset, std::uint32_t length,
                     std::uint64_t sum);

// A league's newest part.
struct Newest {
    LeagueState State;
    Bytes BackToPrevious;  // empty when the league has one game day kept
    bool HasPrevious = false;
};
Bytes EncodeNewest(const Newest& newest);
Newest DecodeNewest(const SharedBytes& part);

// A league's history part: the changes back from the game day before the newest, newest first.
struct History {
    std::vector<SharedBytes> Back;
    std::optional<LeagueState> PreviousSeasonEnd;
};
Bytes EncodeHistory(const History& history);
History DecodeHistory(const SharedBytes& part);

// The change that turns `from` into `to`, and its application. Apply throws Unusable.
Bytes Difference(const LeagueState& from, const LeagueState& to);
LeagueState Apply(const LeagueState& from, std::span<const std::uint8_t> change);

// A league's section as it goes into a file.
struct Section {
    IndexEntry Entry;  // Offset, lengths and sums are filled in by Write
    SharedBytes NewestPart, HistoryPart;
};
void Write(const std::vector<Section>& sections, FileSink& sink);

// A league of a format 1 or 2 history, its game days oldest first.
struct OldLeague {
    std::string Base;
    FixedText<25> LeagueName;
    std::uint8_t LastTeam = 0;
    std::vector<LeagueState> States;
};
std::vector<OldLeague> DecodeOldFormat(const SharedBytes& file);

SharedBytes Shared(Bytes bytes);

}  // namespace korvel::gamedays

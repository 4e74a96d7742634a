#pragma once

// The lines file (.lns) that goes back to the league: one 226-byte record holding the team index,
// the password, the line-up and the roster places and protection marks of the team's 50 players.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "league/Records.h"
#include "league/Variables.h"
#include "platform/Files.h"

namespace korvel {

struct LinesRecord {
    std::array<std::uint8_t, 226> Raw{};
    std::uint8_t TeamIndex = 0;
    FixedText<10> Password;
    // Line-up with the layout of Team::LineSlots (row r, column c at LineIndex(r, c)).
    std::array<std::uint8_t, kLineRows * kLineColumns> Slots{};
    std::array<std::uint8_t, kRosterPlaces> RosterStatus{};
    std::array<std::int16_t, kRosterPlaces> RosterProtected{};
};
template <>
struct RecordLayout<LinesRecord> {
    static constexpr std::size_t Size = 226;
    static constexpr auto Fields = std::tuple{
        At(0, &LinesRecord::TeamIndex),
        At(1, &LinesRecord::Password),
        At(11, &LinesRecord::Slots),
        At(76, &LinesRecord::RosterStatus),
        At(126, &LinesRecord::RosterProtected),
    };
};
static_assert(FieldsFit<LinesRecord>());

constexpr const char* kLinesExtension = ".lns";
constexpr int kLinesPasswordLength = 10;

// The password field for a typed password (UTF-8): padded with spaces or cut to 10 characters. No
// value when a character has no Windows-1252 code; `refused` then receives that character.
std::optional<FixedText<10>> LinesPassword(std::string_view typed, std::string& refused);

// The name of team `teamIndex`'s lines file, the one place that says it: its condensed name and
// ".lns". Characters that no file system takes in a name are replaced by "_", as is a name of
// dots only; a Windows device name gets "_" after it ("CON_.lns", "Lpt1_.x.lns"), so the file
// always lands in the folder it is joined to, under the same name on every system; a name that
// condenses to nothing becomes "Team" and the index.
std::filesystem::path LinesFileName(const FixedText<10>& teamName, int teamIndex);

// A file name as a disk that ignores case compares it (Windows, macOS): its Windows-1252
// characters with simple case folding. Two lines files whose folded names are equal are one file
// there.
std::string FoldedFileName(const std::filesystem::path& name);

// Another team of the league whose lines file is the same file as team `team`'s on such a disk,
// if any (the first one).
std::optional<int> TeamOfSameLinesFile(const Variables& vars, int team);

// The record Save Lines writes: the team, the password, `lineUp` as it stands (spare entries
// included) and the Status and Protected of the 50 players of roster slot `slot`.
LinesRecord MakeLinesRecord(const Variables& vars, const FixedText<10>& password,
                            const std::array<std::uint8_t, kLineRows * kLineColumns>& lineUp,
                            int slot);

// Reads a lines file. Throws FileError when it cannot be read or is not exactly 226 bytes.
LinesRecord ReadLinesFile(const std::filesystem::path& path);

// Writes the record as the file's whole content, replacing an older file only once the new one
// is complete. Throws FileError.
void WriteLinesFile(const std::filesystem::path& path, const LinesRecord& record);
// Writes the record to a new file that CommitAll later puts in place of `path` with the rest of
// its set. Throws FileError.
StagedFile StageLinesFile(const std::filesystem::path& path, const LinesRecord& record);

// True when a used entry of the line-up holds a byte from 50 to 254, which names no roster place.
bool NamesPlaceOutsideRoster(const std::array<std::uint8_t, kLineRows * kLineColumns>& lineUp);

}  // namespace korvel

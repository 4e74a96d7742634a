#include "league/LinesFile.h"

#include <algorithm>

#include "league/Condense.h"
#include "platform/Files.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Text1252.h"

namespace korvel {
namespace {

// Bytes of a Windows-1252 name that cannot stand in a file name on Linux, macOS or Windows:
// control characters (the five bytes Windows-1252 leaves undefined are C1 controls), path
// separators and the characters Windows reserves.
bool UnsafeInFileName(unsigned char byte) {
    constexpr std::string_view kReserved = "/\\<>:\"|?*";
    constexpr std::string_view kUndefined = "\x81\x8D\x8F\x90\x9D";
    return byte < 0x20 || byte == 0x7F ||
           kReserved.find(static_cast<char>(byte)) != kReserved.npos ||
           kUndefined.find(static_cast<char>(byte)) != kUndefined.npos;
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 name devices on Windows, whatever follows.
bool IsWindowsDeviceName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    if (name == "CON" || name == "PRN" || name == "AUX" || name == "NUL") return true;
    return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) &&
           name[3] >= '1' && name[3] <= '9';
}

}  // namespace

std::optional<FixedText<10>> LinesPassword(std::string_view typed, std::string& refused) {
    refused = FirstCharacterOutside1252(typed);
    if (!refused.empty()) return std::nullopt;
    return FixedText<10>::FromString(Utf8ToWindows1252(typed));
}

std::filesystem::path LinesFileName(const FixedText<10>& teamName, int teamIndex) {
    std::string name = Condense(teamName.Str());
    for (char& c : name) {
        if (UnsafeInFileName(static_cast<unsigned char>(c))) c = '_';
    }
    if (name.find_first_not_of('.') == std::string::npos)
        std::replace(name.begin(), name.end(), '.', '_');
    if (IsWindowsDeviceName(name)) name += '_';
    if (name.empty()) name = "Team" + std::to_string(teamIndex);
    const std::string utf8 = Windows1252ToUtf8(name) + kLinesExtension;
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

LinesRecord MakeLinesRecord(const Variables& vars, const FixedText<10>& password,
                            const std::array<std::uint8_t, kLineRows * kLineColumns>& lineUp,
                            int slot) {
    LinesRecord record;
    record.TeamIndex = vars.CurrentTeam;
    record.Password = password;
    record.Slots = lineUp;
    const RosterSlot& players = vars.Players.at(static_cast<std::size_t>(slot));
    for (std::size_t i = 0; i < players.size(); ++i) {
        record.RosterStatus[i] = players[i].Status;
        record.RosterProtected[i] = players[i].Protected;
    }
    return record;
}

LinesRecord ReadLinesFile(const std::filesystem::path& path) {
    // The size is checked before anything is read: a huge file is refused without reading it.
    const ReadOnlyFile file(path);
    constexpr std::size_t size = RecordLayout<LinesRecord>::Size;
    Bytes bytes(size);
    if (file.Size() != size || file.ReadAt(0, size, bytes.data()) != size) {
        throw FileError(path, "is " + std::to_string(file.Size()) + " bytes long, not " +
                                  std::to_string(size) + " like a lines file");
    }
    return DecodeRecord<LinesRecord>(bytes);
}

void WriteLinesFile(const std::filesystem::path& path, const LinesRecord& record) {
    const auto bytes = EncodeRecord(record);
    WriteWholeFile(path, Bytes(bytes.begin(), bytes.end()));
}

StagedFile StageLinesFile(const std::filesystem::path& path, const LinesRecord& record) {
    const auto bytes = EncodeRecord(record);
    return StagedFile(path, Bytes(bytes.begin(), bytes.end()), Flush::WithTheSet);
}

bool NamesPlaceOutsideRoster(const std::array<std::uint8_t, kLineRows * kLineColumns>& lineUp) {
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < UsedLineColumns(row); ++c) {
            const std::uint8_t entry = lineUp[LineIndex(row, c)];
            if (entry >= kRosterPlaces && entry != kNoPlayer) return true;
        }
    }
    return false;
}

}  // namespace korvel

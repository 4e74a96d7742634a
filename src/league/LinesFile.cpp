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

// Simple case folding of a Windows-1252 character, as a disk that ignores case compares names:
// the capitals of ASCII, of Latin-1 (but the multiplication sign) and Š, Œ, Ž, Ÿ fold to their
// small letters. No other character of the code page folds to one that the code page holds (µ
// folds to Greek mu, ß stays ß), so these are all the names that fold together.
unsigned char Fold1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Œ
        case 0x8E: return 0x9E;  // Ž
        case 0x9F: return 0xFF;  // Ÿ
        default: return c;
    }
}

std::string Folded1252(std::string name) {
    for (char& c : name) c = static_cast<char>(Fold1252(static_cast<unsigned char>(c)));
    return name;
}

// How long the Windows device name that `name` starts with is, 0 for none. CON, PRN, AUX, NUL,
// CONIN$, CONOUT$, COM1 to COM9 and LPT1 to LPT9 (the superscript digits ¹ ² ³ too) name devices
// on Windows whatever extension follows and with spaces before it: "con .x.lns" is CON.
std::size_t WindowsDeviceLength(const std::string& name) {
    std::string stem = Folded1252(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$"}) {
        if (stem == device) return stem.size();
    }
    constexpr std::string_view kDigits = "123456789\xB9\xB2\xB3";
    if (stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) &&
        kDigits.find(stem[3]) != kDigits.npos) {
        return 4;
    }
    return 0;
}

}  // namespace

std::optional<FixedText<10>> LinesPassword(std::string_view typed, std::string& refused) {
    refused = FirstCharacterOutside1252(typed);
    if (!refused.empty()) return std::nullopt;
    return FixedText<10>::FromString(Utf8ToWindows1252(typed));
}

namespace {

// The lines file name of a team without its extension, in Windows-1252.
std::string LinesFileStem(const FixedText<10>& teamName, int teamIndex) {
    std::string name = Condense(teamName.Str());
    for (char& c : name) {
        if (UnsafeInFileName(static_cast<unsigned char>(c))) c = '_';
    }
    if (name.find_first_not_of('.') == std::string::npos)
        std::replace(name.begin(), name.end(), '.', '_');
    // Built anew rather than inserted into: GCC 12 warns falsely (-Wrestrict) about an insert.
    if (const std::size_t device = WindowsDeviceLength(name))
        name = name.substr(0, device) + '_' + name.substr(device);
    if (name.empty()) name = "Team" + std::to_string(teamIndex);
    return name;
}

}  // namespace

std::filesystem::path LinesFileName(const FixedText<10>& teamName, int teamIndex) {
    // The extension ends the name, so no trailing dot or space is there for Windows to drop.
    const std::string utf8 = Windows1252ToUtf8(LinesFileStem(teamName, teamIndex)) + kLinesExtension;
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string FoldedFileName(const std::filesystem::path& name) {
    const std::u8string utf8 = name.u8string();
    return Folded1252(Utf8ToWindows1252(std::string(utf8.begin(), utf8.end())));
}

std::optional<int> TeamOfSameLinesFile(const Variables& vars, int team) {
    // Folded without the extension, which every team's name shares.
    const std::string mine =
        Folded1252(LinesFileStem(vars.Teams.at(static_cast<std::size_t>(team)).Name, team));
    for (int other = 0; other <= vars.League.LastTeam && other < kMaxTeams; ++other) {
        if (other == team) continue;
        const Team& record = vars.Teams.at(static_cast<std::size_t>(other));
        if (Folded1252(LinesFileStem(record.Name, other)) == mine) return other;
    }
    return std::nullopt;
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

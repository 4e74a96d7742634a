#include "league/LinesCheck.h"

#include <algorithm>
#include <string>

#include "league/Condense.h"
#include "league/LinesFile.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Text1252.h"

namespace korvel {
namespace {

constexpr std::size_t kLinesSize = RecordLayout<LinesRecord>::Size;
constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;

// What the check reads of a team's players, from decoded players...
struct DecodedPlaces {
    const RosterSlot& Players;
    bool Empty(int i) const { return Players[i].IsEmptyPlace(); }
    std::uint8_t Status(int i) const { return Players[i].Status; }
    std::string Name(int i) const { return Players[i].Name.Str(); }
};

// ... or from the records, decoding a field only when it is looked at.
struct RecordPlaces {
    std::span<const std::uint8_t> Records;
    std::span<const std::uint8_t> Record(int i) const {
        return Records.subspan(static_cast<std::size_t>(i) * kPlayerSize, kPlayerSize);
    }
    bool Empty(int i) const { return DecodeField<&Player::Name>(Record(i)).FirstCode() == 0; }
    std::uint8_t Status(int i) const { return DecodeField<&Player::Status>(Record(i)); }
    std::string Name(int i) const { return DecodeField<&Player::Name>(Record(i)).Str(); }
};

std::string Place(int row, int column) {
    return KORVEL_PHRASE("League", "row %1 column %2")
        .With({std::to_string(row + 1), std::to_string(column + 1)})
        .English();
}

// The line-up checks: entries, completeness and who stands in the lines.
// Returns where a player in the lines is undressed in the file, for the last problem of all.
template <class Places>
std::string CheckLineUp(const LinesRecord& record, const Places& players,
                        std::vector<LinesProblem>& problems) {
    std::string entry, incomplete, undressed;
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < UsedLineColumns(row); ++c) {
            const std::uint8_t value = record.Slots[LineIndex(row, c)];
            if (value == kNoPlayer) {
                if (incomplete.empty()) incomplete = Place(row, c);
            } else if (value >= kRosterPlaces || players.Empty(value)) {
                if (entry.empty())
                    entry = KORVEL_PHRASE("League", "%1 holds %2")
                                .With({Place(row, c), std::to_string(value)})
                                .English();
            } else if (record.RosterStatus[value] < kDressedHealthy) {
                if (undressed.empty())
                    undressed = KORVEL_PHRASE("League", "%1 names %2")
                                    .With({Place(row, c), std::to_string(value)})
                                    .English();
            }
        }
    }
    if (!entry.empty()) {
        problems.push_back(
            {"entry", KORVEL_PHRASE("League", "An entry names no player of the team (%1).")
                          .With({entry})
                          .English()});
    }
    if (!incomplete.empty()) {
        problems.push_back(
            {"incomplete", KORVEL_PHRASE("League", "The lines are not complete (%1 is empty).")
                               .With({incomplete})
                               .English()});
    }
    return undressed;
}

template <class Places>
void CheckRoster(const LinesRecord& record, const Places& players,
                 std::vector<LinesProblem>& problems) {
    int dressed = 0;
    std::string injured;
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (players.Empty(i)) continue;
        const std::uint8_t status = record.RosterStatus[i];
        if (status >= 200) ++dressed;  // one byte: 200 and up is dressed
        if (status == kDressedHealthy && !IsHealthy(players.Status(i)) && injured.empty()) {
            injured = std::to_string(i) + " " + Windows1252ToUtf8(Condense(players.Name(i)));
        }
    }
    if (!injured.empty()) {
        problems.push_back({"injured dressed",
                            KORVEL_PHRASE("League",
                                          "An injured player stands dressed and healthy in the "
                                          "file (%1): the import would call the lines not valid.")
                                .With({injured})
                                .English()});
    }
    if (dressed != kGameRosterSize) {
        problems.push_back(
            {"dressed", KORVEL_PLURAL("League", "%n players are dressed; a game roster has %1.")
                            .With({std::to_string(kGameRosterSize)})
                            .Counting(dressed)
                            .English()});
    }
}

LinesProblem PasswordProblem(const std::string& team) {
    return {"password", KORVEL_PHRASE("League", "The password is not the lines password of %1.")
                            .With({team})
                            .English()};
}

template <class Places>
std::vector<LinesProblem> CheckAgainst(const LinesRecord& record, const Team& team,
                                       const Places& players) {
    std::vector<LinesProblem> problems;
    if (record.Password != team.Password) {
        problems.push_back(PasswordProblem(Windows1252ToUtf8(Condense(team.Name.Str()))));
    }
    const std::string undressed = CheckLineUp(record, players, problems);
    CheckRoster(record, players, problems);
    if (!undressed.empty()) {
        problems.push_back(
            {"undressed in lines",
             KORVEL_PHRASE("League", "A player in the lines is not dressed in the file (%1).")
                 .With({undressed})
                 .English()});
    }
    return problems;
}

}  // namespace

std::vector<LinesProblem> CheckLinesRecord(const LinesRecord& record, const Team& team,
                                           const RosterSlot& players) {
    return CheckAgainst(record, team, DecodedPlaces{players});
}

std::vector<LinesProblem> CheckLinesRecord(const LinesRecord& record, const Team& team,
                                           PlayerRecords players) {
    return CheckAgainst(record, team, RecordPlaces{players.Bytes});
}

PlayerRecords TeamPlayers::Of(int team) {
    constexpr std::size_t length = kRosterPlaces * kPlayerSize;
    std::unique_ptr<std::uint8_t[]>& records = read_.at(team);
    if (!records) {
        if (!file_) file_.emplace(rosterFile_);
        auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(length);
        const std::size_t start = (PlayerRecordNumber(team, 0) - 1) * kPlayerSize;
        // Records past the end of the file read as zero bytes: empty places.
        const std::size_t read = file_->ReadAt(start, length, bytes.get());
        std::fill(bytes.get() + read, bytes.get() + length, 0);
        records = std::move(bytes);
    }
    return {std::span<const std::uint8_t>(records.get(), length)};
}

LinesCheck CheckLinesFile(const League& league, const std::vector<Team>& teams,
                          TeamPlayers& teamPlayers, const std::filesystem::path& file) {
    LinesCheck check;
    check.File = file;
    Bytes bytes;
    try {
        const ReadOnlyFile opened(file);
        check.Size = opened.Size();
        // One byte more than a lines file holds is enough to know it is too long.
        bytes.resize(std::min<std::size_t>(opened.Size(), kLinesSize + 1));
        bytes.resize(opened.ReadAt(0, bytes.size(), bytes.data()));
    } catch (const std::exception& failure) {
        check.Problems.push_back({"read", failure.what()});
        return check;
    }
    if (!bytes.empty()) {
        check.TeamIndex = bytes[0];
        if (bytes[0] <= league.LastTeam && bytes[0] < teams.size()) {
            check.Team = Windows1252ToUtf8(Condense(teams[bytes[0]].Name.Str()));
        }
    }
    if (*check.Size != kLinesSize || bytes.size() != kLinesSize) {
        check.Problems.push_back(
            {"size", KORVEL_PHRASE("League", "The file holds %1 bytes; a lines file holds %2.")
                         .With({std::to_string(*check.Size), std::to_string(kLinesSize)})
                         .English()});
        return check;
    }
    if (!check.Team) {
        check.Problems.push_back(
            {"team", KORVEL_PHRASE("League", "Team %1 is not in the league (teams 0 to %2).")
                         .With({std::to_string(*check.TeamIndex), std::to_string(league.LastTeam)})
                         .English()});
        return check;
    }
    const LinesRecord record = DecodeRecord<LinesRecord>(bytes);
    const Team& team = teams[record.TeamIndex];
    PlayerRecords players;
    try {
        players = teamPlayers.Of(record.TeamIndex);
    } catch (const std::exception& failure) {
        if (record.Password != team.Password)
            check.Problems.push_back(PasswordProblem(*check.Team));
        check.Problems.push_back({"read", failure.what()});
        return check;
    }
    check.Problems = CheckLinesRecord(record, team, players);
    return check;
}

}  // namespace korvel

#include "league/LinesCheck.h"

#include <string>

#include "league/Condense.h"
#include "league/LeagueFiles.h"
#include "league/LinesFile.h"
#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Text1252.h"

namespace korvel {
namespace {

constexpr std::size_t kLinesSize = RecordLayout<LinesRecord>::Size;

std::string Place(int row, int column) {
    return "row " + std::to_string(row + 1) + " column " + std::to_string(column + 1);
}

// The line-up checks: entries, completeness and who stands in the lines.
// Returns where a player in the lines is undressed in the file, for the last problem of all.
std::string CheckLineUp(const LinesRecord& record, const RosterSlot& players,
                        std::vector<LinesProblem>& problems) {
    std::string entry, incomplete, undressed;
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < UsedLineColumns(row); ++c) {
            const std::uint8_t value = record.Slots[LineIndex(row, c)];
            if (value == kNoPlayer) {
                if (incomplete.empty()) incomplete = Place(row, c);
            } else if (value >= kRosterPlaces || players[value].IsEmptyPlace()) {
                if (entry.empty()) entry = Place(row, c) + " holds " + std::to_string(value);
            } else if (record.RosterStatus[value] < kDressedHealthy) {
                if (undressed.empty())
                    undressed = Place(row, c) + " names " + std::to_string(value);
            }
        }
    }
    if (!entry.empty()) {
        problems.push_back({"entry", "An entry names no player of the team (" + entry + ")."});
    }
    if (!incomplete.empty()) {
        problems.push_back(
            {"incomplete", "The lines are not complete (" + incomplete + " is empty)."});
    }
    return undressed;
}

void CheckRoster(const LinesRecord& record, const RosterSlot& players,
                 std::vector<LinesProblem>& problems) {
    int dressed = 0;
    std::string injured;
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (players[i].IsEmptyPlace()) continue;
        const std::uint8_t status = record.RosterStatus[i];
        if (status >= 200) ++dressed;  // one byte: 200 and up is dressed
        if (status == kDressedHealthy && !IsHealthy(players[i].Status) && injured.empty()) {
            injured = std::to_string(i) + " " + Windows1252ToUtf8(Condense(players[i].Name.Str()));
        }
    }
    if (!injured.empty()) {
        problems.push_back({"injured dressed",
                            "An injured player stands dressed and healthy in "
                            "the file (" +
                                injured +
                                "): the import would "
                                "call the lines not valid."});
    }
    if (dressed != kGameRosterSize) {
        problems.push_back({"dressed", std::to_string(dressed) +
                                           " players are dressed; a game roster has " +
                                           std::to_string(kGameRosterSize) + "."});
    }
}

LinesProblem PasswordProblem(const std::string& team) {
    return {"password", "The password is not the lines password of " + team + "."};
}

}  // namespace

std::vector<LinesProblem> CheckLinesRecord(const LinesRecord& record, const Team& team,
                                           const RosterSlot& players) {
    std::vector<LinesProblem> problems;
    if (record.Password != team.Password) {
        problems.push_back(PasswordProblem(Windows1252ToUtf8(Condense(team.Name.Str()))));
    }
    const std::string undressed = CheckLineUp(record, players, problems);
    CheckRoster(record, players, problems);
    if (!undressed.empty()) {
        problems.push_back(
            {"undressed in lines",
             "A player in the lines is not dressed in the file (" + undressed + ")."});
    }
    return problems;
}

const RosterSlot& TeamPlayers::Of(int team) {
    std::optional<RosterSlot>& players = decoded_.at(team);
    if (!players) {
        if (!file_) file_ = ReadWholeFile(rosterFile_, kRosterFileLimit);
        players = DecodeTeamPlayers(*file_, team);
    }
    return *players;
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
        check.Problems.push_back({"size", "The file holds " + std::to_string(*check.Size) +
                                              " bytes; a lines file holds " +
                                              std::to_string(kLinesSize) + "."});
        return check;
    }
    if (!check.Team) {
        check.Problems.push_back({"team", "Team " + std::to_string(*check.TeamIndex) +
                                              " is not in the league (teams 0 to " +
                                              std::to_string(league.LastTeam) + ")."});
        return check;
    }
    const LinesRecord record = DecodeRecord<LinesRecord>(bytes);
    const Team& team = teams[record.TeamIndex];
    const RosterSlot* players = nullptr;
    try {
        players = &teamPlayers.Of(record.TeamIndex);
    } catch (const std::exception& failure) {
        if (record.Password != team.Password)
            check.Problems.push_back(PasswordProblem(*check.Team));
        check.Problems.push_back({"read", failure.what()});
        return check;
    }
    check.Problems = CheckLinesRecord(record, team, *players);
    return check;
}

}  // namespace korvel

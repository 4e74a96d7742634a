#pragma once

// What the league would make of a lines file, found before the simulation meets it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/LinesFile.h"
#include "league/Records.h"
#include "league/Variables.h"
#include "platform/Files.h"

namespace korvel {

struct LinesProblem {
    std::string Code;  // size, team, password, entry, incomplete, injured dressed, dressed,
                       // undressed in lines, read
    std::string Text;  // a sentence for people
};

struct LinesCheck {
    std::filesystem::path File;
    std::optional<std::uintmax_t> Size;  // none when the file could not be read
    std::optional<int> TeamIndex;        // byte 0; none for an empty or unreadable file
    std::optional<std::string> Team;     // condensed name (UTF-8); none above LastTeam
    std::vector<LinesProblem> Problems;
    bool Valid() const { return Problems.empty(); }
};

// What the league would find in `record`, a lines file of `team` whose players are `players`: the
// problems password, entry, incomplete, injured dressed, dressed and undressed in lines, in that
// order. The rules of CheckLinesFile once the file is read.
std::vector<LinesProblem> CheckLinesRecord(const LinesRecord& record, const Team& team,
                                           const RosterSlot& players);

// The players of the league's roster file: the file read once, at the first team asked for, and
// each team's players decoded once however many lines files name it.
class TeamPlayers {
  public:
    explicit TeamPlayers(std::filesystem::path rosterFile)
        : rosterFile_(std::move(rosterFile)), decoded_(kMaxTeams) {}
    // Throws FileError when the roster file cannot be read.
    const RosterSlot& Of(int team);

  private:
    std::filesystem::path rosterFile_;
    std::optional<Bytes> file_;
    std::vector<std::optional<RosterSlot>> decoded_;
};

// Checks the lines file `file` against the league (its record and teams) and the players of the
// league's roster file. Only reads; a file that cannot be read (missing, a folder, a pipe) is the
// problem "read", never an exception.
LinesCheck CheckLinesFile(const League& league, const std::vector<Team>& teams,
                          TeamPlayers& players, const std::filesystem::path& file);

}  // namespace korvel

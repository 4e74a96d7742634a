#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "league/Variables.h"
#include "platform/Files.h"

namespace korvel {

// A league's files that are present but cannot be used. The message names the file and why.
class LeagueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The path of a league file: the base path with an extension such as ".tms" appended.
std::filesystem::path WithExtension(const std::filesystem::path& base, const char* extension);

// The start folder's fixed files.
std::filesystem::path DefaultsFileIn(const std::filesystem::path& startFolder);

// Sets the start folder and the working-copy paths, the default conference and division names and
// the position and injury tables.
void InitialiseVariables(Variables& vars, const std::filesystem::path& startFolder);

// The first field of the defaults file's content: the text up to the first comma or the end of the
// first line, leading spaces skipped, a quoted field without its quotes. No value when the field
// cannot be a path (a zero byte, longer than any path).
std::optional<std::filesystem::path> ParseDefaultsLine(std::string_view content);

// The first field of the defaults file, as above; no value when the file is missing. Reads only
// the start of the file. Throws FileError when it cannot be read or holds no path.
std::optional<std::filesystem::path> ReadDefaultsFile(const std::filesystem::path& file);

// The defaults file for `leaguePath`: the path quoted, and a line end. Throws LeagueError for a
// path that would not read back (a double quote or a line break in it).
Bytes DefaultsFileContent(const std::filesystem::path& leaguePath);

// A league read from its own files and checked, not yet in use. The roster file is only copied,
// never decoded here: it is checked to be a readable file and read when it is installed.
struct LeagueFileSet {
    std::filesystem::path Base;
    Bytes TeamFile, LeagueFile;
    std::filesystem::path RosterPath;
    std::size_t RosterSize = 0;  // bytes of the roster file
    korvel::League League;
    std::vector<Team> Teams;  // LastTeam + 1 entries
};

// The most bytes of a league's files that any record number of a league can address: one league
// record, 50 team records and 50 teams' players.
constexpr std::size_t kLeagueFileLimit = RecordLayout<League>::Size;
constexpr std::size_t kTeamFileLimit = kMaxTeams * RecordLayout<Team>::Size;
constexpr std::size_t kRosterFileLimit = kMaxTeams * kRosterPlaces * RecordLayout<Player>::Size;

// Reads and checks the league whose base path is `base`, up to the limits above (longer files
// are not read further). Throws FileError or LeagueError.
LeagueFileSet ReadLeagueFiles(const std::filesystem::path& base);

// When the roster file is shorter than the league's teams need, the warning that says so: the
// file, and how many teams lack their players (they load with empty places).
std::optional<std::string> ShortRosterWarning(const LeagueFileSet& league);

// Replaces the working copies and the defaults file with the league's, then takes the league into
// `vars`. The files are all prepared before any is replaced; on a failure `vars` is untouched. A
// file that already holds exactly its new bytes is not written again. `stageAlongside` adds files
// to commit with the load's own, staged after them.
void InstallLeague(Variables& vars, const LeagueFileSet& league,
                   const std::function<void(std::vector<StagedFile>&)>& stageAlongside = {});

}  // namespace korvel

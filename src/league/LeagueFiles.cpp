#include "league/LeagueFiles.h"

#include <string_view>

#include "league/RosterSlots.h"
#include "platform/CommitJournal.h"
#include "platform/Phrase.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

fs::path WithExtension(const fs::path& base, const char* extension) {
    fs::path path = base;
    return path += extension;
}

fs::path DefaultsFileIn(const fs::path& startFolder) {
    return startFolder / "korvel.def";
}

void InitialiseVariables(Variables& vars, const fs::path& startFolder) {
    vars.StartFolder = startFolder;
    for (int c = 0; c < 2; ++c) {
        auto& conference = vars.League.Conferences[static_cast<std::size_t>(c)];
        conference.ConfName = FixedText<12>::FromString("CONF " + std::to_string(c + 1));
        conference.Divisions[0].DivName = FixedText<10>::FromString("DIV 1");
        conference.Divisions[1].DivName = FixedText<10>::FromString("DIV 2");
    }
    vars.PositionAbbrev = {"C", "LW", "RW", "D", "G"};
    vars.InjuryCode = {"", "DD", "1W", "3W", "1M", "3M", "IN", ""};
    vars.SwapTeamFile = startFolder / "swp.t";
    vars.SwapRosterFile = startFolder / "swp.r";
    vars.SwapLeagueFile = startFolder / "swp.l";
}

namespace {

// Longer than any path the system can open; a longer first line is no league path.
constexpr std::size_t kLongestPath = 4096;

}  // namespace

std::optional<fs::path> ParseDefaultsLine(std::string_view content) {
    std::string_view line = content.substr(0, content.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) return fs::path();
    line.remove_prefix(start);
    std::string_view field;
    if (line.front() == '"') {
        line.remove_prefix(1);
        field = line.substr(0, line.find('"'));
    } else {
        field = line.substr(0, line.find(','));
    }
    if (field.find('\0') != std::string_view::npos || field.size() > kLongestPath) {
        return std::nullopt;
    }
    return PathFromUtf8(field);
}

std::optional<fs::path> ReadDefaultsFile(const fs::path& file) {
    if (!FileExists(file)) return std::nullopt;
    const Bytes start = ReadWholeFile(file, kLongestPath + 3);  // a path, quotes and a line end
    const std::string content(start.begin(), start.end());
    auto path = ParseDefaultsLine(content);
    if (!path)
        throw FileError(
            file, KORVEL_TEXT("Files", "holds no league path (binary or overlong first line)"));
    return path;
}

Bytes DefaultsFileContent(const fs::path& leaguePath) {
    const std::string text = Utf8Of(leaguePath);
    for (const auto& [character, name] :
         {std::pair{'"', "a double quote"}, std::pair{'\n', "a line break"},
          std::pair{'\r', "a line break"}}) {
        if (text.find(character) == std::string::npos) continue;
        throw LeagueError("The league path " + text + " contains " + name +
                          ", which korvel.def cannot remember. Rename the league's folder or "
                          "files and load it again.");
    }
    // Quoted, so that commas and leading spaces read back as written.
    const std::string line = "\"" + text + "\"\n";
    return Bytes(line.begin(), line.end());
}

namespace {

void RequireOneRecord(const fs::path& file, const Bytes& content, std::size_t recordLength,
                      const char* what) {
    if (content.size() < recordLength) {
        throw LeagueError(
            KORVEL_PHRASE("League", "%1: too short for a %2 (%3 bytes, one record is %4)")
                .With({Utf8Of(file), what, std::to_string(content.size()),
                       std::to_string(recordLength)})
                .English());
    }
}

}  // namespace

LeagueFileSet ReadLeagueFiles(const fs::path& base) {
    LeagueFileSet set;
    set.Base = base;
    const fs::path teamPath = WithExtension(base, ".tms");
    const fs::path rosterPath = WithExtension(base, ".ros");
    const fs::path leaguePath = WithExtension(base, ".lge");
    // Bytes past the last record a league can have are never used, so they are not read, and the
    // working copies end there.
    set.TeamFile = ReadWholeFile(teamPath, kTeamFileLimit);
    set.RosterPath = rosterPath;
    // Only opened: missing, unreadable or not a file fails here.
    set.RosterSize = ReadOnlyFile{rosterPath}.Size();
    set.LeagueFile = ReadWholeFile(leaguePath, kLeagueFileLimit);

    RequireOneRecord(leaguePath, set.LeagueFile, RecordLayout<League>::Size,
                     KORVEL_TEXT("League", "league record"));
    set.League = DecodeRecord<League>(set.LeagueFile);
    if (set.League.LastTeam >= kMaxTeams) {
        throw LeagueError(KORVEL_PHRASE("League", "%1: names %2 teams; a league holds at most %3")
                              .With({Utf8Of(leaguePath), std::to_string(set.League.LastTeam + 1),
                                     std::to_string(kMaxTeams)})
                              .English());
    }
    // A team file cut short would list teams with empty names.
    constexpr std::size_t teamLength = RecordLayout<Team>::Size;
    const std::size_t teamCount = set.League.LastTeam + 1u;
    if (set.TeamFile.size() < teamCount * teamLength) {
        throw LeagueError(
            KORVEL_PHRASE("League",
                          "%1: too short for the %2 teams of the league (%3 "
                          "bytes, one team record is %4)")
                .With({Utf8Of(teamPath), std::to_string(teamCount),
                       std::to_string(set.TeamFile.size()), std::to_string(teamLength)})
                .English());
    }

    for (int t = 0; t <= set.League.LastTeam; ++t) {
        const std::size_t start = static_cast<std::size_t>(t) * teamLength;
        Bytes record(teamLength, 0);  // a record past the end of the file reads as zero bytes
        if (start < set.TeamFile.size()) {
            const std::size_t available = std::min(teamLength, set.TeamFile.size() - start);
            std::copy_n(set.TeamFile.begin() + static_cast<std::ptrdiff_t>(start), available,
                        record.begin());
        }
        set.Teams.push_back(DecodeRecord<Team>(record));
    }
    return set;
}

std::optional<std::string> ShortRosterWarning(const LeagueFileSet& league) {
    constexpr std::size_t teamLength = kRosterPlaces * RecordLayout<Player>::Size;
    const std::size_t needed = (league.League.LastTeam + 1u) * teamLength;
    if (league.RosterSize >= needed) return std::nullopt;
    const std::size_t lacking = (needed - league.RosterSize + teamLength - 1) / teamLength;
    const Phrase warning =
        lacking == 1 ? KORVEL_PHRASE("League",
                                     "%1: shorter than the league needs (%2 bytes of %3): the "
                                     "players of %4 team are missing, and it loads with empty "
                                     "places.")
                     : KORVEL_PHRASE("League",
                                     "%1: shorter than the league needs (%2 bytes of %3): the "
                                     "players of %4 teams are missing, and they load with empty "
                                     "places.");
    return warning
        .With({Utf8Of(league.RosterPath), std::to_string(league.RosterSize), std::to_string(needed),
               std::to_string(lacking)})
        .English();
}

void InstallLeague(Variables& vars, const LeagueFileSet& league,
                   const std::function<void(std::vector<StagedFile>&)>& stageAlongside) {
    const Bytes defaults = DefaultsFileContent(league.Base);
    std::vector<StagedFile> staged;
    // A file that already holds its new bytes (the usual case at start-up) is left alone.
    const auto stage = [&](const fs::path& target, const Bytes& content, Flush flush) {
        if (!FileHolds(target, content)) staged.emplace_back(target, content, flush);
    };
    // Working copies held in memory are staged before the rest is replaced and take the league's
    // files once it is; they reach the disk when their holder commits them.
    std::optional<LeagueCopies> held;
    if (vars.HeldCopies) {
        held = WorkingCopies::StageLeague(vars, league.TeamFile, league.RosterPath);
    } else {
        stage(vars.SwapTeamFile, league.TeamFile, Flush::Never);
        if (!IsCopyOf(vars.SwapRosterFile, league.RosterPath, kRosterFileLimit)) {
            staged.emplace_back(vars.SwapRosterFile,
                                ReadWholeFile(league.RosterPath, kRosterFileLimit), Flush::Never);
        }
    }
    stage(vars.SwapLeagueFile, league.LeagueFile, Flush::Never);
    // The one file of a load that outlives it: the next start-up finds the league through it.
    stage(DefaultsFileIn(vars.StartFolder), defaults, Flush::WhenReplacing);
    if (stageAlongside) stageAlongside(staged);
    // The load's files are committed together: a killed load leaves the working copies and
    // korvel.def of one league, the old one or the new one. Held copies take them along to
    // their own commit.
    if (held) {
        held->Others = std::move(staged);
        vars.HeldCopies->Adopt(std::move(*held));
    } else {
        CommitTogether(std::move(staged), CommitFolder(vars));
    }

    vars.League = league.League;
    std::copy(league.Teams.begin(), league.Teams.end(), vars.Teams.begin());
    vars.LeaguePath = league.Base;
    vars.WaiverFile = WithExtension(league.Base, ".wvr");
}

}  // namespace korvel

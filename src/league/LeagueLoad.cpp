#include "league/LeagueLoad.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "league/LeagueFiles.h"
#include "platform/Files.h"
#include "platform/Phrase.h"
#include "platform/Utf8Paths.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

// A file of the start folder that is not one of the league's own is a working copy (or its
// temporary file): when it cannot be written the start folder is at fault, not the league.
bool WorkingCopyFailed(const fs::path& league, const fs::path& startFolder,
                       const std::exception& failure) {
    const auto* file = dynamic_cast<const FileError*>(&failure);
    if (file == nullptr) return false;
    const fs::path folder = file->File().parent_path().lexically_normal();
    if (folder != fs::path(startFolder).lexically_normal() &&
        folder != (startFolder / "").lexically_normal().parent_path()) {
        return false;
    }
    for (const char* extension : {".lge", ".tms", ".ros"}) {
        if (file->File() == WithExtension(league, extension)) return false;
    }
    return true;
}

// The bytes the working copies of the league `base` take: what a load writes in the start folder.
std::uintmax_t WorkingCopiesSize(const fs::path& base) {
    std::uintmax_t size = 0;
    const struct {
        const char* Extension;
        std::size_t Limit;
    } copies[] = {{".tms", kTeamFileLimit}, {".ros", kRosterFileLimit}, {".lge", kLeagueFileLimit}};
    for (const auto& copy : copies) {
        std::error_code error;
        const std::uintmax_t file = fs::file_size(WithExtension(base, copy.Extension), error);
        if (!error) size += std::min<std::uintmax_t>(file, copy.Limit);
    }
    return size;
}

// The free bytes of the disk holding `folder` when they are too few for the working copies of
// the league `base`: a write failed because the disk is full, whatever the system called it.
std::optional<std::uintmax_t> FullDiskSpace(const fs::path& base, const fs::path& folder) {
    std::error_code error;
    const fs::space_info space = fs::space(folder, error);
    if (error || space.available >= WorkingCopiesSize(base)) return std::nullopt;
    return space.available;
}

}  // namespace

std::string LoadFailureText(const fs::path& path, const fs::path& startFolder,
                            const std::exception& failure) {
    if (WorkingCopyFailed(path, startFolder, failure)) {
        if (const auto free = FullDiskSpace(path, startFolder)) {
            return KORVEL_PHRASE("League",
                                 "The disk of the start folder %1 is full: Korvel keeps its "
                                 "working copies of the league there, and they need %2 bytes; %3 "
                                 "bytes are free. Make room on the disk, or start Korvel in "
                                 "another folder.\n\n%4")
                .With({Utf8Of(startFolder), std::to_string(WorkingCopiesSize(path)),
                       std::to_string(*free), failure.what()})
                .English();
        }
        return KORVEL_PHRASE("League",
                             "The start folder %1 must be writable: Korvel keeps its working "
                             "copies of the league there.\n\n%2")
            .With({Utf8Of(startFolder), failure.what()})
            .English();
    }
    return KORVEL_PHRASE("League", "The league %1 could not be loaded.\n\n%2")
        .With({Utf8Of(path), failure.what()})
        .English();
}

LeagueLoaded LoadLeague(Variables& vars, const fs::path& base) {
    const LeagueFileSet league = ReadLeagueFiles(base);
    LeagueLoaded loaded;
    loaded.ShortRoster = ShortRosterWarning(league);
    try {
        loaded.Visit = VisitGameDays(vars.StartFolder, base, league.League,
                                     ReadLeagueState(base, league.TeamFile));
        loaded.Notice = loaded.Visit->Notice;
    } catch (const std::exception& failure) {
        // The briefing is no reason to refuse the league.
        loaded.Notice =
            KORVEL_PHRASE("League", "The game days of this league could not be read: %1")
                .With({failure.what()})
                .English();
    }
    InstallLeague(vars, league, [&](std::vector<StagedFile>& files) {
        // A history that cannot be written (a full disk) costs the next briefing its comparison,
        // never the load.
        try {
            if (loaded.Visit) {
                for (StagedFile& file : StageGameDays(*loaded.Visit)) files.push_back(std::move(file));
            }
        } catch (const FileError& failure) {
            loaded.Notice +=
                (loaded.Notice.empty() ? "" : "\n") +
                KORVEL_PHRASE("League", "This game day could not be kept for the next briefing: %1")
                    .With({failure.what()})
                    .English();
        }
    });
    return loaded;
}

void StartUp(Variables& vars, const fs::path& startFolder,
             const std::function<void(const fs::path& base)>& load) {
    InitialiseVariables(vars, startFolder);
    const auto remembered = ReadDefaultsFile(DefaultsFileIn(vars.StartFolder));
    if (!remembered || remembered->empty()) return;
    // A relative path was written relative to the start folder, whatever folder we run in now.
    const fs::path base = vars.StartFolder / *remembered;
    if (!FileExists(WithExtension(base, ".lge"))) return;
    try {
        load(base);
    } catch (const std::exception& failure) {
        throw std::runtime_error(LoadFailureText(base, vars.StartFolder, failure));
    }
}

}  // namespace korvel

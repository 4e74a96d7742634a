#include "app/cli/Session.h"

#include <algorithm>
#include <charconv>

#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "league/Condense.h"
#include "league/LeagueFiles.h"
#include "league/LeagueLoad.h"
#include "league/TeamLists.h"
#include "platform/CommitJournal.h"
#include "platform/FolderLock.h"
#include "platform/Utf8Paths.h"

namespace korvel::cli {
namespace fs = std::filesystem;

namespace {

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return c >= '0' && c <= '9'; });
}

std::string TeamRange(const Variables& vars) {
    return "this league has teams 0 to " + std::to_string(vars.League.LastTeam);
}

constexpr const char* kLoadLeagueTitle = "Load League";

bool HasLeagueExtension(const fs::path& base) {
    const std::string extension = AsciiLower(Utf8Of(base.extension()));
    return extension == ".lge" || extension == ".tms" || extension == ".ros";
}

// Neither --league nor the start folder's korvel.def says which league to load.
UsageError NoLeagueGiven(const fs::path& startFolder) {
    return UsageError(
        "no league was given: the start folder " + Utf8Of(startFolder) +
        " holds no korvel.def naming the league loaded last; --league BASE gives one");
}

bool DefaultsFileIsThere(const fs::path& startFolder) {
    std::error_code error;
    return fs::exists(fs::symlink_status(DefaultsFileIn(startFolder), error));
}

}  // namespace

int ResolveTeam(const Variables& vars, const std::string& text) {
    const int lastTeam = vars.League.LastTeam;
    if (AllDigits(text)) {
        int index = -1;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
        if (error != std::errc() || end != text.data() + text.size() || index > lastTeam) {
            throw UsageError("--team " + text + ": no such team index; " + TeamRange(vars));
        }
        return index;
    }
    const std::string wanted = AsciiLower(Condense(text));
    std::vector<int> matches;
    for (int t = 0; t <= lastTeam; ++t) {
        if (AsciiLower(RecordText(vars.Teams[t].Name)) == wanted) matches.push_back(t);
    }
    if (matches.empty()) {
        throw UsageError("--team " + text + ": no team of that name; " + TeamRange(vars) +
                         " (korvel-cli league lists them)");
    }
    if (matches.size() > 1) {
        throw UsageError("--team " + text + ": teams " + std::to_string(matches[0]) + " and " +
                         std::to_string(matches[1]) + " share that name; give the index");
    }
    return matches.front();
}

namespace {

// A read-only run uses no working copy, but a save that a killed run left half done in the start
// folder is finished first by every run.
void FinishInterruptedSave(const fs::path& startFolder) {
    if (!CommitInterrupted(startFolder)) return;
    try {
        FolderLock lock(startFolder);
        FinishInterruptedCommit(startFolder);
    } catch (const FolderInUse&) {
        // The program holding the folder finishes it.
    } catch (const std::exception& failure) {
        throw UsageError(failure.what());
    }
}

}  // namespace

Session::Session(const GlobalOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), ui_(err) {}

fs::path Session::ResolveStartFolder() const {
    if (options_.StartFolder.empty()) {
        try {
            return CurrentFolder();
        } catch (const std::runtime_error& failure) {
            throw UsageError(failure.what());
        }
    }
    std::error_code error;
    const fs::path folder = fs::absolute(PathFromUtf8(options_.StartFolder), error);
    if (error || !fs::is_directory(folder, error)) {
        throw UsageError("start folder " + options_.StartFolder + " is not an existing folder");
    }
    return folder.lexically_normal();
}

void Session::Open(HoldCopies hold) {
    const fs::path startFolder = ResolveStartFolder();
    // Told before the folder is locked, so that a run that can load nothing leaves no trace.
    if (options_.League.empty() && !DefaultsFileIsThere(startFolder)) {
        throw NoLeagueGiven(startFolder);
    }
    try {
        lock_.emplace(startFolder);
    } catch (const FolderInUse& busy) {
        throw UsageError(busy.what());
    } catch (const FileError& unlockable) {
        throw UsageError(unlockable.what());
    }
    if (hold == HoldCopies::Yes) {
        team_.HoldWorkingCopies();
        team_.CollectSaves(&saves_);
    }
    try {
        StartUp(startFolder);
        if (!options_.League.empty()) LoadRequestedLeague(startFolder);
        if (!vars_.LeagueLoaded()) throw UsageError(NothingLoaded(startFolder));
    } catch (const UsageError&) {
        if (!vars_.LeagueLoaded()) lock_->ReleaseLeavingNoTrace();
        throw;
    }
    // What start-up reported about the league it tried first is no refusal of the command.
    ui_.ClearRefusal();
    if (!gameDayNotice_.empty()) {
        ui_.Report({gameDayNotice_, "Briefing", Icon::Information});
    }
    if (!options_.Team.empty()) {
        const int team = ResolveTeam(vars_, options_.Team);
        team_.SelectTeam(team);
        // A team the lists show is chosen as a click on it would choose it.
        teamChosen_ = teamChosen_ || TeamListed(vars_, team);
    }
}

void Session::StartUp(const fs::path& startFolder) {
    // As the main window starts: a save a killed program left half done is finished first (when
    // it cannot be, it waits with every file it names and nothing is loaded over it), then a
    // failing start-up is tried once more; when it fails again no league is loaded and the
    // message says why.
    try {
        RecoverStartFolder(startFolder);
    } catch (const std::exception& failure) {
        throw UsageError(failure.what());
    }
    const auto load = [this](const fs::path& base) { LoadLeague(base); };
    try {
        korvel::StartUp(vars_, startFolder, load);
    } catch (const std::exception&) {
        try {
            korvel::StartUp(vars_, startFolder, load);
        } catch (const std::exception& failure) {
            ui_.MsgBox(failure.what(), Buttons::OK, Icon::Critical, kLoadLeagueTitle);
        }
    }
}

void Session::LoadLeague(const fs::path& base) {
    LeagueLoaded loaded = korvel::LoadLeague(vars_, base);
    gameDays_ = std::move(loaded.Visit);
    gameDayNotice_ = std::move(loaded.Notice);
    if (loaded.ShortRoster) {
        ui_.MsgBox(*loaded.ShortRoster, Buttons::OK, Icon::Information, kLoadLeagueTitle);
    }
    // The main window selects the first team of each conference's first division after a load.
    const auto team = TeamAfterLoad(vars_);
    if (team) team_.SelectTeam(*team);
    teamChosen_ = team.has_value();
}

std::string Session::NothingLoaded(const fs::path& startFolder) const {
    if (const auto cause = CannotWriteIn(startFolder)) {
        return "no league is loaded: the start folder " + Utf8Of(startFolder) +
               " cannot be written (" + *cause +
               "), and a league is loaded into working copies made there; make it writable, or "
               "give another with -C DIR";
    }
    // When start-up said why it loaded nothing, that is the cause; korvel.def is not.
    if (ui_.MessageCount() > 0) {
        return "no league is loaded: the league that " + Utf8Of(DefaultsFileIn(startFolder)) +
               " names could not be loaded (see above); give --league BASE";
    }
    return "no league is loaded: " + Utf8Of(DefaultsFileIn(startFolder)) +
           " names none that can be loaded; give --league BASE";
}

void Session::WriteWorkingCopies(std::vector<StagedFile> alongside) {
    std::vector<StagedFile> files;
    if (WorkingCopies* copies = team_.HeldCopies()) copies->Stage(files);
    for (StagedFile& file : alongside) files.push_back(std::move(file));
    const std::vector<Message> reports = saves_.Commit(vars_, std::move(files));
    if (WorkingCopies* copies = team_.HeldCopies()) copies->Written();
    for (const Message& report : reports) ui_.Report(report);
    ReleaseOutput();
}

void Session::ReleaseOutput() {
    out_ << heldOut_.str();
    heldOut_.str({});
}

void Session::OpenLeagueOnly() {
    const fs::path startFolder = ResolveStartFolder();
    FinishInterruptedSave(startFolder);
    fs::path base;
    try {
        if (!options_.League.empty()) {
            base = (startFolder / PathFromUtf8(options_.League)).lexically_normal();
        } else if (const auto named = ReadDefaultsFile(DefaultsFileIn(startFolder))) {
            base = startFolder / *named;
        } else {
            throw NoLeagueGiven(startFolder);
        }
        const LeagueFileSet league = ReadLeagueFiles(base);
        vars_.League = league.League;
        std::copy(league.Teams.begin(), league.Teams.end(), vars_.Teams.begin());
        vars_.LeaguePath = league.Base;
        if (const auto warning = ShortRosterWarning(league)) {
            ui_.MsgBox(*warning, Buttons::OK, Icon::Information, "Load League");
        }
    } catch (const UsageError&) {
        throw;
    } catch (const std::exception& failure) {
        throw UsageError(std::string("the league could not be read: ") + failure.what());
    }
}

void Session::LoadRequestedLeague(const fs::path& startFolder) {
    const fs::path base = (startFolder / PathFromUtf8(options_.League)).lexically_normal();
    // Start-up has just loaded the league korvel.def names; File > Load of the same league would
    // only read the same files again.
    if (vars_.LeaguePath == base) return;
    try {
        LoadLeague(base);
        return;
    } catch (const std::exception& failure) {
        ui_.MsgBox(LoadFailureText(base, vars_.StartFolder, failure), Buttons::OK, Icon::Critical,
                   kLoadLeagueTitle);
    }
    if (!vars_.LeagueLoaded() && CannotWriteIn(startFolder)) {
        throw UsageError(NothingLoaded(startFolder));
    }
    // The message named the file and the cause; only say what it means for the run.
    std::string message = "--league was not loaded";
    if (HasLeagueExtension(base)) message += "; give its base path without the extension";
    throw UsageError(message);
}

}  // namespace korvel::cli

#include "app/cli/Session.h"

#include <algorithm>
#include <charconv>

#include "app/cli/ExitCodes.h"
#include "app/cli/Output.h"
#include "league/Condense.h"
#include "league/LeagueFiles.h"
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

bool HasLeagueExtension(const fs::path& base) {
    const std::string extension = AsciiLower(Utf8Of(base.extension()));
    return extension == ".lge" || extension == ".tms" || extension == ".ros";
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
    try {
        lock_.emplace(startFolder);
    } catch (const FolderInUse& busy) {
        throw UsageError(busy.what());
    } catch (const FileError& unlockable) {
        throw UsageError(unlockable.what());
    }
    main_ = std::make_unique<korvel::Main>(vars_, ui_, startFolder);
    if (hold == HoldCopies::Yes) {
        copies_.emplace(vars_, WorkingCopies::AwaitingLeague{});
        team_.CollectSaves(&saves_);
    }
    main_->Form_Load();
    if (!options_.League.empty()) LoadRequestedLeague(startFolder);
    if (!vars_.LeagueLoaded()) {
        // When start-up said why it loaded nothing, that is the cause; korvel.def is not.
        if (ui_.MessageCount() > 0) throw UsageError("no league is loaded; give --league BASE");
        throw UsageError("no league is loaded: " + Utf8Of(DefaultsFileIn(vars_.StartFolder)) +
                         " names none that can be loaded; give --league BASE");
    }
    // What start-up reported about the league it tried first is no refusal of the command.
    ui_.ClearRefusal();
    if (!options_.Team.empty()) SelectTeam(ResolveTeam(vars_, options_.Team));
}

void Session::WriteWorkingCopies(std::vector<StagedFile> alongside) {
    std::vector<StagedFile> files;
    if (copies_) copies_->Stage(files);
    for (StagedFile& file : alongside) files.push_back(std::move(file));
    const std::vector<Message> reports = saves_.Commit(vars_, std::move(files));
    if (copies_) copies_->Written();
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
            throw UsageError("no league is loaded: " + Utf8Of(DefaultsFileIn(startFolder)) +
                             " is missing; give --league BASE");
        }
        const LeagueFileSet league = ReadLeagueFiles(base);
        vars_.League = league.League;
        std::copy(league.Teams.begin(), league.Teams.end(), vars_.Teams.begin());
        vars_.LeaguePath = league.Base;
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
    // File > Load: the dialog chooses BASE.tms and the window drops the extension again.
    ui_.SetFileToOpen(WithExtension(base, ".tms"));
    const auto messagesBefore = ui_.MessageCount();
    main_->LoadLeague_Click();
    if (ui_.MessageCount() == messagesBefore && vars_.LeaguePath == base) return;
    // A message shown named the file and the cause; only say what it means for the run.
    std::string message = ui_.MessageCount() > messagesBefore
                              ? std::string("--league was not loaded")
                              : "the league " + Utf8Of(base) + " could not be loaded";
    if (HasLeagueExtension(base)) message += "; give its base path without the extension";
    throw UsageError(message);
}

void Session::SelectTeam(int team) {
    const Team& record = vars_.Teams[team];
    const int conf = record.Conference;
    const int division = record.Division;
    if (conf < 2 && division < main_->lstDivs[conf].ListCount()) {
        // As a user would: pick the team's division, then the team in the list it fills.
        main_->lstDivs[conf].ListIndex = division;
        main_->lstDivs_Click(conf);
        auto& teams = main_->lstTeams[conf];
        for (int entry = 0; entry < teams.ListCount(); ++entry) {
            if (teams.Items[entry].ItemData != team) continue;
            teams.ListIndex = entry;
            main_->lstTeams_Click(conf);
            return;
        }
    }
    // A team in a division the main window does not list cannot be clicked; take it directly.
    vars_.CurrentTeam = static_cast<std::uint8_t>(team);
}

}  // namespace korvel::cli

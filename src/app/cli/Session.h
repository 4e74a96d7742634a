#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/CliUi.h"
#include "app/cli/GlobalOptions.h"
#include "league/GameDayHistory.h"
#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/FolderLock.h"
#include "session/TeamSession.h"

namespace korvel::cli {

// One run of korvel-cli: the shared state, its team session and the command line's Ui, brought to
// the point where a user of the main window would pick a command from the menus.
class Session {
  public:
    Session(const GlobalOptions& options, std::ostream& out, std::ostream& err);
    // The copies held go (with their temporary files) while the start folder is still locked.
    ~Session() { team_.ReleaseWorkingCopies(); }

    // Start-up as when the main window opens, then --league as File > Load, then --team as a
    // click in the team lists. With HoldCopies::Yes the working copies are held in memory until
    // WriteWorkingCopies. Throws UsageError when no league is loaded or the team is unknown.
    enum class HoldCopies { No, Yes };
    void Open(HoldCopies hold = HoldCopies::No);
    // Reads the league (--league, else the one korvel.def names) without loading it: no working
    // copy, no lock, nothing written; Vars() then holds its league record, teams and base path.
    // Throws UsageError.
    void OpenLeagueOnly();
    // Commits everything the run saved, in one commit (SaveSet, FileCommit): the working copies
    // and korvel.def of the load, held in memory from Open to the end of the run so that each is
    // written once, the lines files, the league's waiver list, and `alongside`. All are
    // replaced, or none. Then prints the reports of saved files and the output the commands
    // printed meanwhile. Throws FileError (CommitUnfinished when only the next start can finish).
    void WriteWorkingCopies(std::vector<StagedFile> alongside = {});
    // Prints what the commands printed while the copies were held, when the run commits nothing.
    void ReleaseOutput();
    // A command that ends refused but whose done part is to be kept (prepare --all-teams) says
    // so; the run then commits what it did.
    void KeepDonePart() { keepDonePart_ = true; }
    bool KeepsDonePart() const { return keepDonePart_; }

    const GlobalOptions& Options() const { return options_; }
    Variables& Vars() { return vars_; }
    CliUi& UiOfCli() { return ui_; }
    // The current team as the roster and lines commands edit it, shared by the commands of a run.
    TeamSession& TeamEdit() { return team_; }
    std::ostream& Out() { return HoldsCopies() ? static_cast<std::ostream&>(heldOut_) : out_; }
    int CurrentTeam() const { return team_.CurrentTeam(); }
    // Whether the main window would have a team selected, so that its Manager and Coach menus
    // open windows: the load listed a team, or --team named one the lists show.
    bool TeamChosen() const { return teamChosen_; }
    // The game days the load compared, and why there are none when it could not.
    const std::optional<GameDayVisit>& GameDays() const { return gameDays_; }
    const std::string& GameDayNotice() const { return gameDayNotice_; }

  private:
    std::filesystem::path ResolveStartFolder() const;
    void StartUp(const std::filesystem::path& startFolder);
    void LoadLeague(const std::filesystem::path& base);
    void LoadRequestedLeague(const std::filesystem::path& startFolder);
    bool HoldsCopies() { return team_.HeldCopies() != nullptr; }
    // Why start-up and --league left no league loaded, for the run's last word.
    std::string NothingLoaded(const std::filesystem::path& startFolder) const;

    const GlobalOptions& options_;
    std::ostream& out_;
    Variables vars_;
    CliUi ui_;
    TeamSession team_{vars_};
    std::optional<FolderLock> lock_;  // held from Open to the end of the run
    SaveSet saves_;                   // what the run saves, committed at its end
    std::ostringstream heldOut_;      // output printed once the run is committed
    bool keepDonePart_ = false;
    bool teamChosen_ = false;
    std::optional<GameDayVisit> gameDays_;
    std::string gameDayNotice_;
};

// The team named on the command line: an index 0 to LastTeam, or a name compared without its
// trailing blanks and ignoring the case of ASCII letters. Throws UsageError.
int ResolveTeam(const Variables& vars, const std::string& text);

}  // namespace korvel::cli

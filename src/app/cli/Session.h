#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "app/cli/CliUi.h"
#include "app/cli/GlobalOptions.h"
#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/FolderLock.h"
#include "session/TeamSession.h"
#include "windows/main/Main.h"

namespace korvel::cli {

// One run of korvel-cli: the shared state, the command line's Ui and the main window, brought to
// the point where a user would pick a command from the menus.
class Session {
  public:
    Session(const GlobalOptions& options, std::ostream& out, std::ostream& err);

    // Start-up as when the main window opens, then --league as File > Load, then --team as a
    // click in the team lists. With HoldCopies::Yes the working copies are held in memory until
    // WriteWorkingCopies. Throws UsageError when no league is loaded or the team is unknown.
    enum class HoldCopies { No, Yes };
    void Open(HoldCopies hold = HoldCopies::No);
    // Reads the league (--league, else the one korvel.def names) without loading it: no working
    // copy, no lock, nothing written; Vars() then holds its league record, teams and base path.
    // Throws UsageError.
    void OpenLeagueOnly();
    // Writes the working copies, held in memory from Open to the end of the run so that each is
    // written once, together with `alongside`: all are replaced, or none. Throws FileError.
    void WriteWorkingCopies(std::vector<StagedFile> alongside = {});
    // Forgets the working copies held: the disk keeps those it had before the run.
    void DropWorkingCopies() { copies_.reset(); }

    const GlobalOptions& Options() const { return options_; }
    Variables& Vars() { return vars_; }
    CliUi& UiOfCli() { return ui_; }
    korvel::Main& MainWindow() { return *main_; }
    // The current team as the roster and lines commands edit it, shared by the commands of a run.
    TeamSession& TeamEdit() { return team_; }
    std::ostream& Out() { return out_; }
    int CurrentTeam() const { return vars_.CurrentTeam; }

  private:
    std::filesystem::path ResolveStartFolder() const;
    void LoadRequestedLeague(const std::filesystem::path& startFolder);
    void SelectTeam(int team);
    // Why start-up and --league left no league loaded, for the run's last word.
    std::string NothingLoaded(const std::filesystem::path& startFolder) const;

    const GlobalOptions& options_;
    std::ostream& out_;
    Variables vars_;
    CliUi ui_;
    TeamSession team_{vars_};
    std::optional<FolderLock> lock_;       // held from Open to the end of the run
    std::unique_ptr<korvel::Main> main_;   // made by Open, once the start folder is known
    std::optional<WorkingCopies> copies_;  // from Open to the end of the run
};

// The team named on the command line: an index 0 to LastTeam, or a name compared without its
// trailing blanks and ignoring the case of ASCII letters. Throws UsageError.
int ResolveTeam(const Variables& vars, const std::string& text);

}  // namespace korvel::cli

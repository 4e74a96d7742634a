#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
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
    korvel::Main& MainWindow() { return *main_; }
    // The current team as the roster and lines commands edit it, shared by the commands of a run.
    TeamSession& TeamEdit() { return team_; }
    std::ostream& Out() { return copies_ ? static_cast<std::ostream&>(heldOut_) : out_; }
    int CurrentTeam() const { return vars_.CurrentTeam; }

  private:
    std::filesystem::path ResolveStartFolder() const;
    void LoadRequestedLeague(const std::filesystem::path& startFolder);
    void SelectTeam(int team);

    const GlobalOptions& options_;
    std::ostream& out_;
    Variables vars_;
    CliUi ui_;
    TeamSession team_{vars_};
    std::optional<FolderLock> lock_;       // held from Open to the end of the run
    std::unique_ptr<korvel::Main> main_;   // made by Open, once the start folder is known
    std::optional<WorkingCopies> copies_;  // from Open to the end of the run
    SaveSet saves_;                        // what the run saves, committed at its end
    std::ostringstream heldOut_;           // output printed once the run is committed
    bool keepDonePart_ = false;
};

// The team named on the command line: an index 0 to LastTeam, or a name compared without its
// trailing blanks and ignoring the case of ASCII letters. Throws UsageError.
int ResolveTeam(const Variables& vars, const std::string& text);

}  // namespace korvel::cli

#pragma once

// What the benchmarks share: a generated 50-team league written to a temporary folder, a start
// folder beside it, and a Ui that answers every question without showing anything.

#include <filesystem>

#include "league/Variables.h"
#include "platform/Ui.h"

namespace korvel::bench {

// A temporary folder holding the league "L" (50 generated teams) and an empty start folder; both
// removed at the end.
class LeagueOnDisk {
  public:
    LeagueOnDisk();
    ~LeagueOnDisk();
    LeagueOnDisk(const LeagueOnDisk&) = delete;
    LeagueOnDisk& operator=(const LeagueOnDisk&) = delete;

    const std::filesystem::path& Base() const { return base_; }
    const std::filesystem::path& StartFolder() const { return start_; }
    // Removes the working copies and korvel.def from the start folder.
    void ClearStartFolder() const;

  private:
    std::filesystem::path folder_, base_, start_;
};

// Answers OK (or No) to every message and cancels every dialog.
class SilentUi : public Ui {
  public:
    Answer MsgBox(const std::string&, Buttons buttons, Icon, const std::string&) override;
    std::optional<std::string> InputBox(const std::string&, const std::string&) override;
    std::optional<std::filesystem::path> OpenFile(const FileDialog&) override;
    void ShowModal(Window&) override {}
};

// The variables after start-up in the league's start folder and a load of the league.
void LoadLeague(Variables& vars, const LeagueOnDisk& league);

}  // namespace korvel::bench

#include "session/BriefingReadiness.h"

#include <random>
#include <system_error>

#include "league/LinesFile.h"
#include "league/RosterSlots.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

// A folder of its own under the system's temporary folder, removed with what it holds.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = fs::temp_directory_path() / ("korvel-ready-" + std::to_string(random()));
            if (fs::create_directory(path_)) return;
        }
        throw FileError(path_, "no temporary folder could be made");
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

}  // namespace

// The league's check reads a lines file and a roster file, so the team as it stands is written as
// both, in a scratch folder, and checked the way korvel-cli check-lines checks a file.
std::vector<LinesProblem> ReadinessProblems(const Variables& vars, int team) {
    const Team& record = vars.Teams[static_cast<std::size_t>(team)];
    const RosterSlot players = vars.HeldCopies ? vars.HeldCopies->Players(team)
                                               : ReadTeamPlayers(vars.SwapRosterFile, team);
    LinesRecord lines;
    lines.TeamIndex = static_cast<std::uint8_t>(team);
    lines.Password = record.Password;
    lines.Slots = record.LineSlots;
    for (std::size_t i = 0; i < players.size(); ++i) {
        lines.RosterStatus[i] = players[i].Status;
        lines.RosterProtected[i] = players[i].Protected;
    }

    const ScratchFolder scratch;
    constexpr std::size_t length = RecordLayout<Player>::Size;
    Bytes roster(PlayerRecordNumber(team, kRosterPlaces - 1) * length, 0);
    for (int i = 0; i < kRosterPlaces; ++i) {
        const auto bytes = EncodeRecord(players[static_cast<std::size_t>(i)]);
        std::copy(bytes.begin(), bytes.end(),
                  roster.begin() +
                      static_cast<std::ptrdiff_t>((PlayerRecordNumber(team, i) - 1) * length));
    }
    const fs::path rosterFile = scratch.Path() / "team.ros";
    const fs::path linesFile = scratch.Path() / "team.lns";
    WriteWholeFile(rosterFile, roster);
    WriteLinesFile(linesFile, lines);
    const std::vector<Team> teams(vars.Teams.begin(),
                                  vars.Teams.begin() + vars.League.LastTeam + 1);
    TeamPlayers rosterPlayers(rosterFile);
    return CheckLinesFile(vars.League, teams, rosterPlayers, linesFile).Problems;
}

}  // namespace korvel

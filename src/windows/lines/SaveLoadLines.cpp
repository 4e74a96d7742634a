// The lines window's Save Lines and Load Lines buttons: the lines file out of the working line-up,
// and back in.

#include <system_error>

#include "league/Condense.h"
#include "league/RosterStatus.h"
#include "platform/Files.h"
#include "platform/Text1252.h"
#include "windows/lines/Lines.h"
#include "windows/lines/LinesFile.h"
#include "windows/roster/Waivers.h"

namespace korvel {
namespace {

constexpr const char* kSaveTitle = "Save Lines";
constexpr const char* kImportTitle = "Import Lines";

// Restores the roster places of the occupied places of roster slot `slot` from the file, keeping
// injuries; a healthy pro whom the file has on the farm goes down only through the waiver
// question. Then takes every protection mark from the file. Returns false when a player who is
// injured now stands dressed and healthy in the file.
bool RestoreRoster(Variables& vars, Ui& ui, const LinesRecord& record, int slot) {
    bool valid = true;
    RosterSlot& players = vars.Players.at(static_cast<std::size_t>(slot));
    for (int i = 0; i < kRosterPlaces; ++i) {
        Player& player = players[static_cast<std::size_t>(i)];
        if (player.IsEmptyPlace()) continue;
        const std::uint8_t now = player.Status;
        const std::uint8_t saved = record.RosterStatus[static_cast<std::size_t>(i)];
        if (IsHealthy(now)) {
            if (saved == 0 && IsPro(now)) {
                if (CheckWaivers(vars, ui, i, slot)) player.Status = MakeStatus(Farm, 0);
            } else {
                player.Status = MakeStatus(PlaceOf(saved), InjuryOf(now));
            }
        } else if (saved == kDressedHealthy) {
            valid = false;
        }
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        players[i].Protected = record.RosterProtected[i];
    }
    return valid;
}

}  // namespace

std::string Lines::TeamNameText() const {
    return Windows1252ToUtf8(Condense(vars_.CurrentTeamRecord().Name.Str()));
}

std::filesystem::path Lines::LinesFilePath() const {
    const auto name = LinesFileName(vars_.CurrentTeamRecord().Name, vars_.CurrentTeam);
    std::error_code error;
    const auto folder = std::filesystem::absolute(vars_.StartFolder, error);
    return (error ? vars_.StartFolder : folder) / name;
}

bool Lines::SaveLines() {
    // A cancelled password box saves nothing.
    const auto typed = ui_.PasswordBox("Password?", kSaveTitle, kLinesPasswordLength);
    if (!typed) return false;
    std::string refused;
    const auto password = LinesPassword(*typed, refused);
    if (!password) {
        ui_.MsgBox("The password cannot hold \"" + refused +
                       "\": a lines file keeps only characters of the Windows-1252 set.",
                   Buttons::OK, Icon::Critical, kSaveTitle);
        return false;
    }
    // The league refuses a lines file whose password is not the team's.
    if (*password != vars_.CurrentTeamRecord().Password &&
        ui_.MsgBox("The password does not match the lines password of " + TeamNameText() +
                       ". Save anyway?",
                   Buttons::YesNo, Icon::None, kSaveTitle) != Answer::Yes) {
        return false;
    }
    const std::filesystem::path path = LinesFilePath();
    try {
        WriteLinesFile(path, MakeLinesRecord(vars_, *password, LineBuffer, 0));
    } catch (const std::exception& failure) {
        ui_.MsgBox(std::string("The lines were not saved.\n") + failure.what(), Buttons::OK,
                   Icon::Critical, kSaveTitle);
        return false;
    }
    ui_.ShowWrittenFile("Lines saved as " + path.string(), "Lines Saved", path);
    return true;
}

void Lines::ImportLines(int slot) {
    FileDialog dialog;
    dialog.Title = kImportTitle;
    dialog.Filters = ParseFilterList("All Files|*.*|Lines Files|*.lns");
    dialog.SelectedFilter = 1;
    dialog.InitialFolder = vars_.StartFolder;
    const auto chosen = ui_.OpenFile(dialog);
    if (!chosen || chosen->empty()) return;

    LinesRecord record;
    try {
        record = ReadLinesFile(*chosen);
    } catch (const FileError& failure) {
        ui_.MsgBox("Errors in File", failure.what(), Buttons::OK, Icon::None, "Invalid File");
        return;
    }
    Team& team = vars_.CurrentTeamRecord();
    if (record.Password != team.Password) {
        ui_.MsgBox("Password Incorrect", Buttons::OK, Icon::Critical, kImportTitle);
        return;
    }
    const std::string invalid = TeamNameText() + " lines are not valid";
    // Checked before anything changes: such a byte would name no player of the roster.
    if (NamesPlaceOutsideRoster(record.Slots) || !RestoreRoster(vars_, ui_, record, slot)) {
        ui_.MsgBox(invalid, Buttons::OK, Icon::None, "Invalid Lines");
        return;
    }
    LineBuffer = record.Slots;
    DisplayLines();
    Changed = true;
    team.LinesSet = kTrue;
}

void Lines::cmdLoadLines_Click() {
    ImportLines(0);
}

void Lines::cmdSaveLines_Click() {
    SaveLines();
}

}  // namespace korvel

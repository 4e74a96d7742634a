// The lines file out of the working line-up, and back in.

#include <system_error>

#include "league/Condense.h"
#include "league/LinesFile.h"
#include "league/RosterStatus.h"
#include "platform/Files.h"
#include "platform/Text1252.h"
#include "platform/Utf8Paths.h"
#include "session/TeamReadiness.h"
#include "session/TeamSession.h"
#include "session/Waivers.h"

namespace korvel {
namespace {

constexpr const char* kSaveTitle = "Save Lines";
constexpr const char* kImportTitle = "Import Lines";

// Restores the roster places of the occupied places of roster slot `slot` from the file, keeping
// injuries; a healthy pro whom the file has on the farm goes down only through the waiver
// question. Then takes every protection mark from the file. Returns false when a player who is
// injured now stands dressed and healthy in the file.
bool RestoreRoster(Variables& vars, const Ask& ask, const LinesRecord& record, int slot) {
    bool valid = true;
    RosterSlot& players = vars.Players.at(static_cast<std::size_t>(slot));
    for (int i = 0; i < kRosterPlaces; ++i) {
        Player& player = players[static_cast<std::size_t>(i)];
        if (player.IsEmptyPlace()) continue;
        const std::uint8_t now = player.Status;
        const std::uint8_t saved = record.RosterStatus[static_cast<std::size_t>(i)];
        if (IsHealthy(now)) {
            if (saved == 0 && IsPro(now)) {
                if (CheckWaivers(vars, ask, i, slot)) player.Status = MakeStatus(Farm, 0);
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

std::string TeamSession::TeamNameText() const {
    return Windows1252ToUtf8(Condense(vars_.CurrentTeamRecord().Name.Str()));
}

std::filesystem::path TeamSession::LinesFilePath() const {
    return LinesFileOf(vars_, vars_.CurrentTeam);
}

Outcome TeamSession::SaveLines(const std::string& typedPassword, const Ask& saveAnyway) {
    std::string refused;
    const auto password = LinesPassword(typedPassword, refused);
    if (!password) {
        return Outcome::Refusal(
            {"The password cannot hold \"" + refused +
                 "\": a lines file keeps only characters of the Windows-1252 set.",
             kSaveTitle, Icon::Critical});
    }
    // The league refuses a lines file whose password is not the team's.
    if (*password != TeamRecord().Password && !saveAnyway(PasswordMismatch())) {
        return Outcome::Declined();
    }
    return SaveLines(*password);
}

Question TeamSession::PasswordMismatch() const {
    return {
        "The password does not match the lines password of " + TeamNameText() + ". Save anyway?",
        kSaveTitle};
}

Outcome TeamSession::SaveLines(const FixedText<10>& password) {
    const std::filesystem::path path = LinesFilePath();
    try {
        const LinesRecord record = MakeLinesRecord(vars_, password, LineBuffer, 0);
        if (saveSet_) {
            saveSet_->AddLinesFile(StageLinesFile(path, record), vars_.CurrentTeam, TeamNameText());
        } else {
            WriteLinesFile(path, record);
        }
    } catch (const std::exception& failure) {
        return Outcome::Refusal({std::string("The lines were not saved.\n") + failure.what(),
                                 kSaveTitle, Icon::Critical});
    }
    Message saved{"Lines saved as " + Utf8Of(path), "Lines Saved", Icon::Information};
    // Said only once the file is on the disk.
    if (!saveSet_) return Outcome::Report(std::move(saved));
    saveSet_->ReportWhenSaved(std::move(saved));
    return Outcome::Ok();
}

Outcome TeamSession::ImportLines(const std::filesystem::path& file, const Ask& ask, int slot) {
    LinesRecord record;
    try {
        record = ReadLinesFile(file);
    } catch (const FileError& failure) {
        return Outcome::Refusal({"Errors in File", "Invalid File", Icon::None, failure.what()});
    }
    Team& team = TeamRecord();
    if (record.Password != team.Password) {
        return Outcome::Refusal({"Password Incorrect", kImportTitle, Icon::Critical});
    }
    Step step(*this, "Load Lines");
    // Checked before anything changes: such a byte would name no player of the roster.
    if (NamesPlaceOutsideRoster(record.Slots) || !RestoreRoster(vars_, ask, record, slot)) {
        // What the refused file changed in the slot stays, as a change of no step.
        step.Dismiss();
        return Outcome::Refusal(
            {TeamNameText() + " lines are not valid", "Invalid Lines", Icon::None});
    }
    LineBuffer = record.Slots;
    team.LinesSet = kTrue;
    return Outcome::Ok();
}

}  // namespace korvel

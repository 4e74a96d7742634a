// The lines file out of the working line-up, and back in.

#include <algorithm>
#include <string>
#include <system_error>

#include "league/Condense.h"
#include "league/LinesFile.h"
#include "league/RosterStatus.h"
#include "platform/Files.h"
#include "platform/Phrase.h"
#include "platform/Text1252.h"
#include "platform/Utf8Paths.h"
#include "session/TeamReadiness.h"
#include "session/TeamSession.h"
#include "session/Waivers.h"

namespace korvel {
namespace {

constexpr const char* kSaveTitle = KORVEL_TEXT("TeamSession", "Save Lines");
constexpr const char* kImportTitle = KORVEL_TEXT("TeamSession", "Import Lines");

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

// Says whose lines a refused file holds, so that a manager who picked another team's file sees it.
std::string WhoseLinesFile(const Variables& vars, const std::filesystem::path& file,
                           const LinesRecord& record) {
    const std::string name = Utf8Of(file.filename());
    const int teams = std::min<int>(vars.League.LastTeam + 1, kMaxTeams);
    if (record.TeamIndex >= teams) {
        return KORVEL_PHRASE("Import Lines",
                             "%1 holds the lines of team number %2, which this league does not "
                             "have.")
            .With({name, std::to_string(record.TeamIndex + 1)})
            .English();
    }
    const std::string owner =
        Windows1252ToUtf8(Condense(vars.Teams[record.TeamIndex].Name.Str()));
    if (record.TeamIndex == vars.CurrentTeam) {
        return KORVEL_PHRASE("Import Lines",
                             "%1 holds the lines of %2, saved with another password than the "
                             "team's lines password.")
            .With({name, owner})
            .English();
    }
    return KORVEL_PHRASE("Import Lines", "%1 holds the lines of %2, not of %3.")
        .With({name, owner, Windows1252ToUtf8(Condense(vars.CurrentTeamRecord().Name.Str()))})
        .English();
}

}  // namespace

std::string TeamSession::TeamNameText() const {
    return Windows1252ToUtf8(Condense(vars_.CurrentTeamRecord().Name.Str()));
}

std::filesystem::path TeamSession::LinesFilePath() const {
    return LinesFileOf(vars_, vars_.CurrentTeam);
}

std::optional<Message> TeamSession::LinesFileClash() const {
    const auto other = TeamOfSameLinesFile(vars_, vars_.CurrentTeam);
    if (!other) return std::nullopt;
    const std::string otherName =
        Windows1252ToUtf8(Condense(vars_.Teams.at(static_cast<std::size_t>(*other)).Name.Str()));
    return Message{
        KORVEL_PHRASE("Save Lines",
                      "The lines were not saved: the lines files of %1 and %2 would be one file, "
                      "%3, on a disk that ignores case (as Windows does). Rename one of the teams.")
            .With({TeamNameText(), otherName, Utf8Of(LinesFilePath().filename())})
            .English(),
        kSaveTitle, Icon::Critical};
}

Outcome TeamSession::SaveLines(const std::string& typedPassword, const Ask& saveAnyway) {
    if (auto clash = LinesFileClash()) return Outcome::Refusal(std::move(*clash));
    std::string refused;
    const auto password = LinesPassword(typedPassword, refused);
    if (!password) {
        return Outcome::Refusal(
            {KORVEL_PHRASE("TeamSession",
                           "The password cannot hold \"%1\": a lines file keeps "
                           "only characters of the Windows-1252 set.")
                 .With({refused})
                 .English(),
             kSaveTitle, Icon::Critical});
    }
    // The league refuses a lines file whose password is not the team's.
    if (*password != TeamRecord().Password && !saveAnyway(PasswordMismatch())) {
        return Outcome::Declined();
    }
    return SaveLines(*password);
}

Question TeamSession::PasswordMismatch() const {
    return {KORVEL_PHRASE("TeamSession",
                          "The password does not match the lines password of %1. Save anyway?")
                .With({TeamNameText()})
                .English(),
            kSaveTitle};
}

Outcome TeamSession::SaveLines(const FixedText<10>& password) {
    // One lines file per team: refused before anything is written.
    if (auto clash = LinesFileClash()) return Outcome::Refusal(std::move(*clash));
    const std::filesystem::path path = LinesFilePath();
    try {
        const LinesRecord record = MakeLinesRecord(vars_, password, LineBuffer, 0);
        if (saveSet_) {
            saveSet_->AddLinesFile(StageLinesFile(path, record), vars_.CurrentTeam, TeamNameText());
        } else {
            WriteLinesFile(path, record);
        }
    } catch (const std::exception& failure) {
        return Outcome::Refusal({KORVEL_PHRASE("TeamSession", "The lines were not saved.\n%1")
                                     .With({failure.what()})
                                     .English(),
                                 kSaveTitle, Icon::Critical});
    }
    Message saved{KORVEL_PHRASE("TeamSession", "Lines saved as %1").With({Utf8Of(path)}).English(),
                  KORVEL_TEXT("TeamSession", "Lines Saved"), Icon::Information};
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
        return Outcome::Refusal({KORVEL_TEXT("TeamSession", "Errors in File"),
                                 KORVEL_TEXT("TeamSession", "Invalid File"), Icon::None,
                                 failure.what()});
    }
    Team& team = TeamRecord();
    if (record.Password != team.Password) {
        return Outcome::Refusal(
            {KORVEL_TEXT("TeamSession", "Password Incorrect"), kImportTitle, Icon::Critical,
             WhoseLinesFile(vars_, file, record)});
    }
    Step step(*this, KORVEL_TEXT("TeamSession", "Load Lines"));
    // Checked before anything changes: such a byte would name no player of the roster.
    if (NamesPlaceOutsideRoster(record.Slots) || !RestoreRoster(vars_, ask, record, slot)) {
        // What the refused file changed in the slot stays, as a change of no step.
        step.Dismiss();
        return Outcome::Refusal({KORVEL_PHRASE("TeamSession", "%1 lines are not valid")
                                     .With({TeamNameText()})
                                     .English(),
                                 KORVEL_TEXT("TeamSession", "Invalid Lines"), Icon::None});
    }
    LineBuffer = record.Slots;
    team.LinesSet = kTrue;
    return Outcome::Ok();
}

}  // namespace korvel

#include "session/TeamSession.h"

#include <exception>
#include <optional>

#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/Files.h"
#include "platform/Phrase.h"
#include "session/LinePlaces.h"

namespace korvel {
namespace fs = std::filesystem;

namespace {

constexpr std::uint8_t kWaived = 1;

Outcome Failure(const std::exception& failure, const char* title) {
    return Outcome::Refusal({failure.what(), title, Icon::Critical});
}

}  // namespace

TeamSession::TeamSession(Variables& vars) : vars_(vars) {
    LineBuffer.fill(kNoPlayer);
}

Outcome TeamSession::OpenRoster(const std::string& title) {
    try {
        LoadTeam(vars_, vars_.CurrentTeam, 0);
    } catch (const std::exception& failure) {
        return Failure(failure, title.c_str());
    }
    ResetFlags(0);
    return Outcome::Ok();
}

Outcome TeamSession::OpenLines(const std::string& title) {
    try {
        LoadTeam(vars_, vars_.CurrentTeam, 0);
    } catch (const std::exception& failure) {
        return Failure(failure, title.c_str());
    }
    StartLines();
    return Outcome::Ok();
}

void TeamSession::ResetFlags(int slot) {
    RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    for (int i = 0; i < kRosterPlaces; ++i) {
        Player& player = players[i];
        const int injury = InjuryOf(player.Status);
        if (injury > 0) {
            PlayerFlags[i] = MakeStatus(Scratch, injury);
            if (!IsPro(player.Status)) player.Status = PlayerFlags[i];
        } else {
            PlayerFlags[i] = player.Status;
        }
    }
}

int TeamSession::DressedCount() const {
    int dressed = 0;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = Players()[i];
        if (player.WaiverMark == 0 && !player.IsEmptyPlace() && PlaceOf(PlayerFlags[i]) == Dressed)
            ++dressed;
    }
    return dressed;
}

bool TeamSession::RosterComplete() const {
    return Dressing().Complete;
}

DressingCheck TeamSession::Dressing() const {
    std::array<std::uint8_t, 5> at{};
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = Players()[i];
        if (player.WaiverMark != 0 || player.IsEmptyPlace()) continue;
        if (PlaceOf(PlayerFlags[i]) == Dressed && player.Position <= Goalie) ++at[player.Position];
    }
    return CheckDressing(at, DressedCount());
}

namespace {

// Writes the working places into `players` and takes the players marked for waivers off the
// roster; returns what to undo with.
RosterUndo ApplyPlaces(RosterSlot& players, const std::array<std::uint8_t, kRosterPlaces>& flags) {
    RosterUndo undo{players, {}, {}};
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (players[i].WaiverMark == kWaived) {
            undo.Waived.push_back(players[i]);
            players[i] = Player{};
        } else {
            players[i].Status = flags[i];
        }
    }
    return undo;
}

}  // namespace

void TeamSession::SaveTeamAndWaivers(int slot, const RosterUndo& undo) {
    RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    // The working copies and the league's waiver list go in one commit (CommitSave): both are
    // replaced, or neither is.
    try {
        if (saveSet_) {
            SaveTeam(vars_, vars_.CurrentTeam, slot);  // to the copies held for the run
            saveSet_->AddWaived(undo.Waived);
        } else {
            CommitSave(vars_, undo.Waived, StageTeam(vars_, vars_.CurrentTeam, slot));
        }
    } catch (...) {
        players = undo.Players;
        throw;
    }
}

void TeamSession::TransferRoster(int slot) {
    RosterSlot& players = vars_.Players.at(static_cast<std::size_t>(slot));
    SaveTeamAndWaivers(slot, ApplyPlaces(players, PlayerFlags));
}

void TeamSession::TakeUndressedOutOfLineUp() {
    Team& team = TeamRecord();
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (PlaceOf(vars_.Players[0][i].Status) == Dressed) continue;
        for (int row = 0; row < kLineRows; ++row) {
            // The last row holds the goalie and two extra skaters; its spare entries stay.
            const int columns = row < kLineRows - 1 ? kLineColumns : 3;
            for (int c = 0; c < columns; ++c) {
                std::uint8_t& entry = team.LineSlots[LineIndex(row, c)];
                if (entry != i) continue;
                entry = kNoPlayer;
                team.LinesSet = kFalse;
            }
        }
    }
}

Outcome TeamSession::KeepRoster(Save save) {
    if (!RosterComplete()) {
        return Outcome::Refusal(
            {KORVEL_TEXT("TeamSession", "Roster not complete"), kEditRosterTitle, Icon::Critical});
    }
    try {
        if (save == Save::Now) {
            TransferRoster(0);
        } else {
            DropUnsavedRoster();
            const Team team = TeamRecord();
            unsavedRoster_ = ApplyPlaces(vars_.Players[0], PlayerFlags);
            unsavedRoster_->TeamRecord = team;
        }
    } catch (const std::exception& failure) {
        return Failure(failure, kEditRosterTitle);
    }
    TakeUndressedOutOfLineUp();
    if (save == Save::Now) Saved(false);
    return Outcome::Ok();
}

Outcome TeamSession::AutoLines() {
    if (CountDressedHealthy(vars_.Players[0]) != kPlayersDressed) {
        return Outcome::Refusal({KORVEL_TEXT("TeamSession", "Set roster first"),
                                 KORVEL_TEXT("TeamSession", "Auto Lines"), Icon::Information});
    }
    const Step step(*this, KORVEL_TEXT("TeamSession", "Auto lines"));
    leaveOutAbsent_ = true;
    AutoLines(0);
    leaveOutAbsent_ = false;
    return Outcome::Ok();
}

bool TeamSession::NamesPlayer(std::uint8_t entry) const {
    return entry < kRosterPlaces && !vars_.Players[0][entry].IsEmptyPlace();
}

bool TeamSession::LinesIncomplete() const {
    // An entry that names no player of the roster (255, a byte above 49, or an empty place) would
    // store a line-up the game cannot play, so it counts as empty.
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < UsedLineColumns(row); ++c) {
            if (!NamesPlayer(LineBuffer[LineIndex(row, c)])) return true;
        }
    }
    return false;
}

bool TeamSession::Takes(std::uint8_t index, int row, int column) const {
    constexpr int kGoalieRow = kLineRows - 1;
    if (index >= kRosterPlaces || row < 0 || row >= kLineRows || column < 0 ||
        column >= kLineColumns) {
        return false;
    }
    const bool isGoalie = Players()[index].Position == Goalie;
    if (row == kGoalieRow && column == 0) return isGoalie;
    if (isGoalie) return false;
    if (row < kGoalieRow) {
        for (int c = 0; c < kLineColumns; ++c) {
            if (LineBuffer[LineIndex(row, c)] == index) return false;
        }
    }
    return true;
}

bool TeamSession::PlacePlayer(std::uint8_t index, int row, int column) {
    if (!Takes(index, row, column)) return false;
    const Step step(*this, KORVEL_PHRASE("TeamSession", "Put %1 in %2")
                               .With({PlayerNameText(index), PlaceName(row, column)})
                               .English());
    LineBuffer[LineIndex(row, column)] = index;
    return true;
}

void TeamSession::StoreLineUp(Team& team) const {
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < kLineColumns; ++c) {
            team.LineSlots[LineIndex(row, c)] = LineBuffer[LineIndex(row, c)];
        }
        if (row > 5) team.LineSlots[LineIndex(row, 4)] = kNoPlayer;
        if (row > 9) team.LineSlots[LineIndex(row, 3)] = kNoPlayer;
    }
    team.LinesSet = kTrue;
}

void TeamSession::TransferLines(int slot) {
    Team& team = TeamRecord();
    const Team before = team;
    StoreLineUp(team);
    try {
        if (unsavedRoster_ && slot == 0) {
            SaveTeamAndWaivers(slot, *unsavedRoster_);
        } else {
            SaveTeam(vars_, vars_.CurrentTeam, slot);
        }
    } catch (...) {
        team = before;
        throw;
    }
}

Outcome TeamSession::KeepLines() {
    if (LinesIncomplete()) {
        return Outcome::Refusal({KORVEL_TEXT("TeamSession", "Lines are not complete"),
                                 kEditLinesTitle, Icon::Critical});
    }
    try {
        TransferLines(0);
    } catch (const std::exception& failure) {
        DropUnsavedRoster();
        return Failure(failure, kEditLinesTitle);
    }
    unsavedRoster_.reset();
    Saved(false);
    return Outcome::Ok();
}

Outcome TeamSession::SaveUnsavedRoster() {
    if (!unsavedRoster_) return Outcome::Ok();
    // The team record goes out as it stood when the roster was kept, as a save of the roster
    // alone writes it; what keeping changed in the line-up stays in memory.
    Team& team = TeamRecord();
    const Team now = team;
    team = unsavedRoster_->TeamRecord;
    try {
        SaveTeamAndWaivers(0, *unsavedRoster_);
    } catch (const std::exception& failure) {
        team = now;
        DropUnsavedRoster();
        return Failure(failure, kEditRosterTitle);
    }
    team = now;
    unsavedRoster_.reset();
    return Outcome::Ok();
}

void TeamSession::DropUnsavedRoster() {
    if (!unsavedRoster_) return;
    vars_.Players[0] = unsavedRoster_->Players;
    TeamRecord() = unsavedRoster_->TeamRecord;
    unsavedRoster_.reset();
}

}  // namespace korvel

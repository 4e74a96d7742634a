#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/DressingRules.h"
#include "league/GameRoster.h"
#include "league/Records.h"
#include "league/RosterSlots.h"
#include "league/Variables.h"
#include "platform/Files.h"
#include "platform/Phrase.h"
#include "ratings/Ratings.h"
#include "session/EditHistory.h"
#include "session/Outcome.h"
#include "session/SaveSet.h"

namespace korvel {

// The questions and notes the roster and lines windows put around the operations.
inline const Question kKeepRosterChanges{KORVEL_TEXT("TeamSession", "Keep Roster Changes?"),
                                         KORVEL_TEXT("TeamSession", "Keep Changes")};
inline const Question kKeepLineChanges{KORVEL_TEXT("TeamSession", "Keep Line Changes?"),
                                       KORVEL_TEXT("TeamSession", "Keep Changes")};
inline constexpr const char* kEditRosterTitle = KORVEL_TEXT("TeamSession", "Edit Roster");
inline constexpr const char* kEditLinesTitle = KORVEL_TEXT("TeamSession", "Edit Lines");
// Shown when a window with changes closes without keeping them.
inline Message ChangesNotSaved(const char* title) {
    return {KORVEL_TEXT("TeamSession", "Changes were not saved"), title, Icon::Critical};
}

// What keeping the working places changed, to put it back: the slot and the team record as they
// were, and the players it takes off the roster for the league's waiver list.
struct RosterUndo {
    RosterSlot Players;
    Team TeamRecord;
    std::vector<Player> Waived;
};

// The current team as a manager edits it: which team is current, the working places of its
// players (roster slot 0) and the line-up being edited, with the operations of the roster and
// lines windows, whether anything changed, and the history of the edits. One session is made
// beside Variables and handed to every window and command; it alone changes these. Nothing here
// shows a message: an operation returns its outcome and the front end shows or prints it.
class TeamSession {
  public:
    explicit TeamSession(Variables& vars);

    Variables& Vars() { return vars_; }
    const Variables& Vars() const { return vars_; }
    Team& TeamRecord() { return vars_.CurrentTeamRecord(); }
    const Team& TeamRecord() const { return vars_.CurrentTeamRecord(); }
    const RosterSlot& Players() const { return vars_.Players[0]; }

    // Makes `team` the current team; false, changing nothing, for an index outside the team table.
    bool SelectTeam(int team);
    int CurrentTeam() const { return vars_.CurrentTeam; }

    // --- Held working copies: while the session holds them, teams are loaded from and saved to
    // copies in memory, which the holder writes once (a korvel-cli run that keeps teams). None
    // is read until a league is adopted.
    void HoldWorkingCopies() { copies_.emplace(vars_, WorkingCopies::AwaitingLeague{}); }
    WorkingCopies* HeldCopies() { return copies_ ? &*copies_ : nullptr; }
    // Forgets the copies held: the disk keeps what it had.
    void ReleaseWorkingCopies() { copies_.reset(); }

    // --- Whether the open window changed anything, and its edits as steps to undo and redo.
    // StartEditing begins a window's editing: nothing changed, no history. Every edit below is one
    // step named for the user ("Scratch Alex Nolan"); a save starts a new history, so undo never
    // reaches past it. Undoing back to the state the window opened with (or last saved) leaves
    // nothing changed.
    void StartEditing();
    void EndEditing() { StartEditing(); }
    bool Modified() const { return modified_; }
    // Marks a change that is no step of its own (a move with nobody selected counts as one).
    void MarkModified() { modified_ = true; }
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    std::string UndoName() const { return history_.UndoName(); }
    std::string RedoName() const { return history_.RedoName(); }
    bool Undo();
    bool Redo();
    // Makes the edits done while it lives one step: the first name given, by it or by a step
    // inside it, names the step. A step that changed nothing is not recorded.
    class Step {
      public:
        Step(TeamSession& session, std::string name);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;
        // Leaves what was done so far out of the history (it stays done).
        void Dismiss() { dismissed_ = true; }

      private:
        TeamSession& session_;
        bool dismissed_ = false;
    };

    // Reads the current team's roster from the working copies into roster slot 0, as opening the
    // roster window does (then the working places start from it), or the lines window (then the
    // line-up starts from the team record). A failure is refused under `title`.
    Outcome OpenRoster(const std::string& title);
    Outcome OpenLines(const std::string& title);
    // Starts the line-up from the team record, without reading the roster again.
    void StartLines() { LineBuffer = TeamRecord().LineSlots; }

    // --- Game roster. PlayerFlags holds each player's working place, encoded like Status.
    std::array<std::uint8_t, kRosterPlaces> PlayerFlags{};

    // Builds PlayerFlags from the Status bytes of roster slot `slot`. An injured player starts as
    // a scratch; an injured farm player's Status moves to the pro roster at once.
    void ResetFlags(int slot);
    // The Auto button: refused ("Not enough players") unless the club has 20 players and enough
    // at each position; otherwise dresses 20 players by the fixed recipe.
    Outcome AutoRoster();
    void AutoRoster(int slot);
    // The best farm player to call up for `position`; -1 when there is nobody at all.
    int PromoteMinor(int slot, int position);
    // A move button for player `index` of slot 0: refused (the player's name and " is
    // unavailable" or " cannot be sent to farm") for a suspended or injured player where the
    // move needs him available; otherwise his working place goes one step up or down.
    enum class Move { Scratch = 0, Dress = 1, ToFarm = 2, ToPros = 3 };
    Outcome MovePlayer(int index, Move move);
    // The name of a move as a step: "Scratch Alex Nolan", "Send 3 players to farm".
    static std::string MoveName(Move move, const std::string& who);
    // Sets or clears the protection mark of player `index`; false (nothing changed) when his
    // group's quota of marks is full.
    bool ToggleProtection(int index);
    // Puts a signed player in the first empty place of slot 0, as he is (none: nobody signed),
    // then saves the team; refused when the save fails.
    Outcome AddToRoster(const std::optional<Player>& player);
    // Dressed players of slot 0 by working place, and whether they make a complete game roster.
    int DressedCount() const;
    bool RosterComplete() const;
    // The dressed players of slot 0 by working place, per position, against the game-roster rules.
    DressingCheck Dressing() const;
    // Keeps the working places: refused when the roster is not complete or the save fails (the
    // team, the slot and the waiver list then stay as they were). Save::WithLines applies them
    // now and leaves the save of the team and the waiver list to the next KeepLines, so a team
    // prepared in one go is written once; DropUnsavedRoster undoes such a keep.
    enum class Save { Now, WithLines };
    Outcome KeepRoster(Save save = Save::Now);
    void DropUnsavedRoster();
    // Saves a roster kept WithLines on its own, when no line-up follows it.
    Outcome SaveUnsavedRoster();
    // Writes the working places into slot `slot`, puts the players marked for waivers on the
    // league's waiver list and empties their places, then saves the slot as the current team's.
    // A failure throws with the slot, the team and the waiver list file as they were.
    void TransferRoster(int slot);
    // Saves slot `slot` as the current team's and puts the players `undo` took off the roster on
    // the league's waiver list, in one commit; a failure throws with the slot, as `undo` holds
    // it, and every file as they were.
    void SaveTeamAndWaivers(int slot, const RosterUndo& undo);

    // --- Lines. LineBuffer has the layout of Team::LineSlots.
    LineUp LineBuffer{};
    std::array<bool, kRosterPlaces> InUnit{};
    std::array<bool, kRosterPlaces> InGroup{};

    // The Auto button: refused ("Set roster first") unless 20 dressed players are healthy; a
    // hurt or suspended player is placed by none of BestPlayer's passes.
    Outcome AutoLines();
    void AutoLines(int slot);
    std::uint8_t BestPlayer(int slot, int WantedPosition, Rating RatingKind);
    // True when a used entry of LineBuffer does not name a player of roster slot 0.
    bool LinesIncomplete() const;
    // True when `entry` is a roster index whose place in slot 0 holds a player.
    bool NamesPlayer(std::uint8_t entry) const;
    // Puts player `index` of slot 0 into line-up row `row`, column `column`: the goalie's place
    // (row 12, column 0) takes only a goalie, every other place only a skater, and a skater
    // stands once in a row of rows 0 to 11. False when the place does not take him.
    bool PlacePlayer(std::uint8_t index, int row, int column);
    // Whether PlacePlayer would take him there, changing nothing.
    bool Takes(std::uint8_t index, int row, int column) const;
    // Empties the entry at `row`, `column`; false for a place outside the line-up.
    bool ClearEntry(int row, int column);
    // Exchanges two entries, each going in by the placing rules of PlacePlayer (an empty entry,
    // or one that names no roster place, goes as it is). False, with both left unchanged, when
    // either place does not take what comes to it.
    bool SwapEntries(int rowA, int columnA, int rowB, int columnB);
    // Keeps the line-up in the team record and saves the team: refused when it is incomplete or
    // the save fails (the team record then stays as it was, and a roster kept WithLines is
    // dropped).
    Outcome KeepLines();
    void TransferLines(int slot);

    // Where a lines file is saved: the start folder and the team's lines file name.
    std::filesystem::path LinesFilePath() const;
    // Why the current team's lines cannot be saved when another team of the league has the same
    // lines file (LinesFileName, compared as a disk that ignores case does); none when it has not.
    std::optional<Message> LinesFileClash() const;
    // Writes the lines file of the line-up and the places of slot 0 with the typed password
    // (UTF-8). Done reports "Lines saved as <path>".
    // A password other than the team's is written only when `saveAnyway` answers Yes to
    // PasswordMismatch(), as the league refuses such a file; No declines the save.
    Outcome SaveLines(const std::string& typedPassword, const Ask& saveAnyway);
    Question PasswordMismatch() const;
    Outcome SaveLines(const FixedText<10>& password);
    // While `set` is given, every save (the team, the waiver list, lines files) goes into it, to
    // be committed with the rest of the run (SaveSet::Commit), instead of being committed at
    // once; the team then goes to the working copies held in memory. Null ends it.
    void CollectSaves(SaveSet* set) { saveSet_ = set; }
    // Reads a lines file back into roster slot `slot` and the line-up; waiver questions go to
    // `ask`. Refused for an unreadable file, another password or lines that are not valid.
    Outcome ImportLines(const std::filesystem::path& file, const Ask& ask, int slot = 0);

    // The current team's name without its trailing blanks, for messages.
    std::string TeamNameText() const;
    // A player of slot 0 by his name without trailing blanks, for the names of steps.
    std::string PlayerNameText(int index) const;

  private:
    EditState Snapshot() const;
    void Restore(const EditState& state);
    // A save reached the files: a new history; `stillModified` when edits remain unsaved.
    void Saved(bool stillModified);
    int PickBestAvailable(int slot, int position, Rating kind);
    void TakeUndressedOutOfLineUp();
    void StoreLineUp(Team& team) const;

    Variables& vars_;
    std::optional<RosterUndo> unsavedRoster_;
    SaveSet* saveSet_ = nullptr;
    std::optional<WorkingCopies> copies_;
    bool modified_ = false;
    bool leaveOutAbsent_ = false;  // BestPlayer passes over hurt and suspended players
    EditHistory history_;
    int stepDepth_ = 0;
    bool stepDismissed_ = false;
    std::string stepName_;
    EditState stepBefore_;
};

}  // namespace korvel

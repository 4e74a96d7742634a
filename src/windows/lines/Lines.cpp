#include "windows/lines/Lines.h"

#include <vector>

#include "league/LinesFile.h"
#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "session/LinePlaces.h"
#include "session/Readiness.h"
#include "session/TeamReadiness.h"

namespace korvel {

namespace {

constexpr int kViewRows = 4;
constexpr int kGoalieRow = 12;

}  // namespace

Lines::Lines(TeamSession& session, Ui& ui)
    : Window(kCaption), session_(session), vars_(session.Vars()), ui_(ui) {
    ListMap.fill(kNoPlayer);
}

int Lines::SlotRow(int Index) const {
    return Index < kGoalieLabel ? FirstViewRow() + Index / 5 : kGoalieRow;
}

int Lines::SlotColumn(int Index) const {
    return Index < kGoalieLabel ? Index % 5 : Index - kGoalieLabel;
}

std::string Lines::SlotPlaceName(int Index) const {
    if (Index < 0 || Index >= kSlotLabels) return {};
    return PlaceName(SlotRow(Index), SlotColumn(Index));
}

std::string Lines::EntryCaption(std::uint8_t entry) const {
    return session_.NamesPlayer(entry) ? vars_.Players[0][entry].Name.Utf8() : std::string();
}

int Lines::FirstViewRow() const {
    if (optEven.Value) return 0;
    if (optPP.Value) return 4;
    if (optPK.Value) return 8;
    return 0;
}

void Lines::Form_Load() {
    session_.StartLines();
    Label6.Caption = KORVEL_PHRASE("Lines", "Lines for %1")
                         .With({vars_.CurrentTeamRecord().Name.Utf8()})
                         .English();
    ShowView(optPP.Value ? View::PowerPlay : optPK.Value ? View::PenaltyKill : View::Even);
    session_.StartEditing();
    AddPlayers();
    DisplayLines();
}

void Lines::Form_Unload(bool& Cancel) {
    (void)Cancel;
    if (Changed()) ShowOutcome(ui_, Outcome::Report(ChangesNotSaved(kEditLinesTitle)));
    session_.EndEditing();
}

void Lines::ShowEditState() {
    const auto problems = LinesReadiness(session_);
    Ready = problems.empty();
    lblReady.Caption = ReadinessLine(problems);
    for (int n = 0; n < kSlotLabels; ++n) {
        const std::uint8_t entry = LineBuffer[LineIndex(SlotRow(n), SlotColumn(n))];
        SlotOut[static_cast<std::size_t>(n)] =
            lblPlayer[n].Visible && session_.NamesPlayer(entry)
                ? AbsenceText(vars_, vars_.Players[0][entry], vars_.Players[0][entry].Status)
                : std::string();
    }
    mnuUndo.Enabled = session_.CanUndo();
    mnuUndo.Caption = mnuUndo.Enabled
                          ? KORVEL_PHRASE("Lines", "Undo %1").With({session_.UndoName()}).English()
                          : KORVEL_TEXT("Lines", "Undo");
    mnuRedo.Enabled = session_.CanRedo();
    mnuRedo.Caption = mnuRedo.Enabled
                          ? KORVEL_PHRASE("Lines", "Redo %1").With({session_.RedoName()}).English()
                          : KORVEL_TEXT("Lines", "Redo");
}

void Lines::mnuUndo_Click() {
    if (session_.Undo()) {
        AddPlayers();
        DisplayLines();
    }
}

void Lines::mnuRedo_Click() {
    if (session_.Redo()) {
        AddPlayers();
        DisplayLines();
    }
}

void Lines::AddPlayers() {
    ListMap.fill(kNoPlayer);
    List2.Clear();
    ListOut.clear();
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = vars_.Players[0][i];
        if (player.Position >= Check1.size() || !Check1[player.Position].Value) continue;
        if (PlaceOf(player.Status) != Dressed) continue;
        List2.AddItem(player.Name.Utf8(), i);
        ListOut.push_back(AbsenceText(vars_, player, player.Status));
        ListMap[static_cast<std::size_t>(List2.NewIndex())] = static_cast<std::uint8_t>(i);
    }
    ShowUse();
}

void Lines::DisplayLines() {
    const int first = FirstViewRow();
    for (int v = 0; v < kViewRows; ++v) {
        for (int c = 0; c < kLineColumns; ++c) {
            lblPlayer[5 * v + c].Caption = EntryCaption(LineBuffer[LineIndex(first + v, c)]);
        }
    }
    for (int c = 0; c < 3; ++c) {
        lblPlayer[kGoalieLabel + c].Caption = EntryCaption(LineBuffer[LineIndex(kGoalieRow, c)]);
    }
    ShowUse();
}

void Lines::ShowView(View view) {
    static constexpr std::array<const char*, 3> kTitles{KORVEL_TEXT("Lines", "Even Strength Lines"),
                                                        KORVEL_TEXT("Lines", "Power Play Lines"),
                                                        KORVEL_TEXT("Lines", "Penalty Kill Lines")};
    optEven.Value = view == View::Even;
    optPP.Value = view == View::PowerPlay;
    optPK.Value = view == View::PenaltyKill;
    Label5.Caption = kTitles[static_cast<std::size_t>(view)];
    const int first = FirstViewRow();
    for (int v = 0; v < kViewRows; ++v) Label1[v].Caption = RowCaption(first + v);
    // The letters of view rows 0 and 1, then of view rows 2 and 3; a slot without a letter is a
    // spare entry, which is not shown.
    for (int c = 0; c < 10; ++c) Label2[c].Caption = ColumnLetter(first + (c < 5 ? 0 : 2), c % 5);
    for (int n = 0; n < kGoalieLabel; ++n) {
        lblPlayer[n].Visible = !ColumnLetter(SlotRow(n), SlotColumn(n)).empty();
    }
    for (int n = kGoalieLabel; n < kSlotLabels; ++n) lblPlayer[n].Visible = true;
}

void Lines::optEven_Click() {
    ShowView(View::Even);
    DisplayLines();
}

void Lines::optPP_Click() {
    ShowView(View::PowerPlay);
    DisplayLines();
}

void Lines::optPK_Click() {
    ShowView(View::PenaltyKill);
    DisplayLines();
}

void Lines::Check1_Click(int Index) {
    (void)Index;
    AddPlayers();
}

void Lines::Label6_Click() {
    DisplayLines();
}

bool Lines::SlotTakes(int Index, int listRow) const {
    if (Index < 0 || Index >= kSlotLabels || !lblPlayer[Index].Visible) return false;
    if (listRow < 0 || listRow >= List2.ListCount()) return false;
    const std::uint8_t p = ListMap[static_cast<std::size_t>(listRow)];
    return session_.Takes(p, SlotRow(Index), SlotColumn(Index));
}

void Lines::lblPlayer_Click(int Index) {
    // A hidden label cannot be clicked.
    if (Index < 0 || Index >= kSlotLabels || !lblPlayer[Index].Visible) return;
    if (!List2.HasSelection()) return;
    const std::uint8_t p = ListMap[static_cast<std::size_t>(List2.ListIndex)];
    if (!session_.PlacePlayer(p, SlotRow(Index), SlotColumn(Index))) return;
    lblPlayer[Index].Caption = List2.Items[static_cast<std::size_t>(List2.ListIndex)].Text;
    session_.MarkModified();
    ShowUse();
}

void Lines::ShowUse() {
    std::vector<int> rows;
    for (int v = 0; v < kViewRows; ++v) rows.push_back(FirstViewRow() + v);
    rows.push_back(kGoalieRow);
    const auto counts = UseCounts(LineBuffer, rows);
    ListUse.clear();
    for (const ListItem& line : List2.Items) {
        const bool known = line.ItemData >= 0 && line.ItemData < kRosterPlaces;
        ListUse.push_back(UseOf(known ? counts[static_cast<std::size_t>(line.ItemData)] : 0));
    }
    // Every edit ends here.
    ShowEditState();
}

bool Lines::EntryOfLabel(int Index, int& row, int& column) const {
    if (Index < 0 || Index >= kSlotLabels || !lblPlayer[Index].Visible) return false;
    row = Index < kGoalieLabel ? FirstViewRow() + Index / 5 : kGoalieRow;
    column = Index < kGoalieLabel ? Index % 5 : Index - kGoalieLabel;
    return true;
}

void Lines::ClearSlot(int Index) {
    int row = 0;
    int column = 0;
    if (!EntryOfLabel(Index, row, column)) return;
    if (LineBuffer[LineIndex(row, column)] == kNoPlayer) return;
    session_.ClearEntry(row, column);
    session_.MarkModified();
    DisplayLines();
}

bool Lines::SwapSlots(int From, int To) {
    int fromRow = 0, fromColumn = 0, toRow = 0, toColumn = 0;
    if (From == To || !EntryOfLabel(From, fromRow, fromColumn) ||
        !EntryOfLabel(To, toRow, toColumn)) {
        return false;
    }
    // Two empty slots, or a player with himself: nothing to exchange.
    if (LineBuffer[LineIndex(fromRow, fromColumn)] == LineBuffer[LineIndex(toRow, toColumn)]) {
        return false;
    }
    if (!session_.SwapEntries(fromRow, fromColumn, toRow, toColumn)) return false;
    session_.MarkModified();
    DisplayLines();
    return true;
}

void Lines::cmdAuto_Click() {
    const Outcome outcome = session_.AutoLines();
    ShowOutcome(ui_, outcome);
    if (!outcome) return;
    session_.MarkModified();
    DisplayLines();
}

void Lines::cmdExit_Click() {
    if (Changed()) {
        const Answer keep = ui_.MsgBox(kKeepLineChanges.Text, Buttons::YesNoCancel, Icon::None,
                                       kKeepLineChanges.Title);
        if (keep == Answer::Cancel) return;
        if (keep == Answer::Yes) {
            const Outcome kept = session_.KeepLines();
            ShowOutcome(ui_, kept);
            if (!kept) return;
        }
    }
    session_.EndEditing();
    Unload();
}

bool Lines::SaveLines() {
    // Refused before the password is asked when another team's lines file is this one.
    if (auto clash = session_.LinesFileClash()) {
        ShowOutcome(ui_, Outcome::Refusal(std::move(*clash)));
        return false;
    }
    // A cancelled password box saves nothing.
    const auto typed = ui_.PasswordBox(KORVEL_TEXT("Lines", "Password?"),
                                       KORVEL_TEXT("Lines", "Save Lines"), kLinesPasswordLength);
    if (!typed) return false;
    const Outcome outcome = session_.SaveLines(*typed, AskThrough(ui_));
    if (outcome.Done && outcome.Shown) {
        // The report says on a second line, under a warning, when the team is not ready with
        // the file it names.
        std::string text = outcome.Shown->Text;
        const auto problems = LinesReadiness(session_);
        if (!problems.empty()) text.append("\n").append(ReadinessLine(problems));
        ui_.ShowWrittenFile(text, outcome.Shown->Title, session_.LinesFilePath(),
                            problems.empty() ? Icon::Information : Icon::Warning);
        ShowEditState();
    } else {
        ShowOutcome(ui_, outcome);
    }
    return outcome.Done;
}

void Lines::ImportLines(int slot) {
    FileDialog dialog;
    dialog.Title = KORVEL_TEXT("Lines", "Import Lines");
    dialog.Filters = ParseFilterList(std::string(KORVEL_TEXT("Lines", "All Files")) + "|*.*|" +
                                     KORVEL_TEXT("Lines", "Lines Files") + "|*.lns");
    dialog.SelectedFilter = 1;
    dialog.InitialFolder = vars_.StartFolder;
    const auto chosen = ui_.OpenFile(dialog);
    if (!chosen || chosen->empty()) return;
    const Outcome outcome = session_.ImportLines(*chosen, AskThrough(ui_), slot);
    ShowOutcome(ui_, outcome);
    if (!outcome) return;
    session_.MarkModified();
    DisplayLines();
}

void Lines::cmdLoadLines_Click() {
    ImportLines(0);
}

void Lines::cmdSaveLines_Click() {
    SaveLines();
}

}  // namespace korvel

#include "windows/lines/Lines.h"

#include <vector>

#include "league/RosterSlots.h"
#include "league/RosterStatus.h"

namespace korvel {

namespace {

constexpr const char* kEditLinesTitle = "Edit Lines";
constexpr int kViewRows = 4;
constexpr int kGoalieRow = 12;

}  // namespace

Lines::Lines(Variables& vars, Ui& ui) : Window(kCaption), vars_(vars), ui_(ui) {
    ListMap.fill(kNoPlayer);
    LineBuffer.fill(kNoPlayer);
}

bool Lines::NamesPlayer(std::uint8_t entry) const {
    return entry < kRosterPlaces && !vars_.Players[0][entry].IsEmptyPlace();
}

std::string Lines::EntryCaption(std::uint8_t entry) const {
    return NamesPlayer(entry) ? vars_.Players[0][entry].Name.Utf8() : std::string();
}

int Lines::FirstViewRow() const {
    if (optEven.Value) return 0;
    if (optPP.Value) return 4;
    if (optPK.Value) return 8;
    return 0;
}

void Lines::Form_Load() {
    LineBuffer = vars_.CurrentTeamRecord().LineSlots;
    Label6.Caption = "Lines for " + vars_.CurrentTeamRecord().Name.Utf8();
    ShowView(optPP.Value ? View::PowerPlay : optPK.Value ? View::PenaltyKill : View::Even);
    AddPlayers();
    DisplayLines();
    Changed = false;
}

void Lines::Form_Unload(bool& Cancel) {
    (void)Cancel;
    if (Changed) ui_.MsgBox("Changes were not saved", Buttons::OK, Icon::Critical, kEditLinesTitle);
}

void Lines::AddPlayers() {
    ListMap.fill(kNoPlayer);
    List2.Clear();
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = vars_.Players[0][i];
        if (player.Position >= Check1.size() || !Check1[player.Position].Value) continue;
        if (PlaceOf(player.Status) != Dressed) continue;
        List2.AddItem(player.Name.Utf8(), i);
        ListMap[static_cast<std::size_t>(List2.NewIndex())] = static_cast<std::uint8_t>(i);
    }
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
}

void Lines::ShowView(View view) {
    struct ViewText {
        const char* Title;
        std::array<const char*, kViewRows> RowCaptions;
        std::array<const char*, 10> Letters;
        std::vector<int> HiddenLabels;
    };
    static const std::array<ViewText, 3> kViews{{
        {"Even Strength Lines",
         {"Line 1", "Line 2", "Line 3", "Line 4"},
         {"C", "LW", "RW", "D", "D", "C", "LW", "RW", "D", "D"},
         {}},
        {"Power Play Lines",
         {"PP Line 1 (5 on 4)", "PP Line 2 (5 on 4)", "PP Line 1 (4 on 3)", "PP Line 2 (4 on 3)"},
         {"C", "LW", "RW", "D", "D", "C", "W", "D", "D", ""},
         {14, 19}},
        {"Penalty Kill Lines",
         {"PK Line 1 (4 on 5)", "PK Line 2 (4 on 5)", "PK Line 1 (3 on 5)", "PK Line 2 (3 on 5)"},
         {"C", "W", "D", "D", "", "C", "D", "D", "", ""},
         {4, 9, 13, 14, 18, 19}},
    }};
    const ViewText& text = kViews[static_cast<std::size_t>(view)];
    optEven.Value = view == View::Even;
    optPP.Value = view == View::PowerPlay;
    optPK.Value = view == View::PenaltyKill;
    Label5.Caption = text.Title;
    for (int v = 0; v < kViewRows; ++v) Label1[v].Caption = text.RowCaptions[v];
    for (int c = 0; c < 10; ++c) Label2[c].Caption = text.Letters[c];
    for (auto& label : lblPlayer) label.Visible = true;
    for (int n : text.HiddenLabels) lblPlayer[n].Visible = false;
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

std::optional<std::size_t> Lines::SlotEntry(int Index, std::uint8_t p) const {
    if (Index < 0 || Index >= kSlotLabels || !lblPlayer[Index].Visible) return std::nullopt;
    if (p >= kRosterPlaces) return std::nullopt;
    const bool isGoalie = vars_.Players[0][p].Position == Goalie;
    if (Index < kGoalieLabel) {
        if (isGoalie) return std::nullopt;
        const int row = FirstViewRow() + Index / 5;
        for (int c = 0; c < kLineColumns; ++c) {
            if (LineBuffer[LineIndex(row, c)] == p) return std::nullopt;
        }
        return LineIndex(row, Index % 5);
    }
    if (Index == kGoalieLabel) {
        if (!isGoalie) return std::nullopt;
        return LineIndex(kGoalieRow, 0);
    }
    if (isGoalie) return std::nullopt;
    return LineIndex(kGoalieRow, Index - kGoalieLabel);
}

bool Lines::SlotTakes(int Index, int listRow) const {
    if (listRow < 0 || listRow >= List2.ListCount()) return false;
    return SlotEntry(Index, ListMap[static_cast<std::size_t>(listRow)]).has_value();
}

void Lines::lblPlayer_Click(int Index) {
    // A hidden label cannot be clicked.
    if (Index < 0 || Index >= kSlotLabels || !lblPlayer[Index].Visible) return;
    if (!List2.HasSelection()) return;
    const std::uint8_t p = ListMap[static_cast<std::size_t>(List2.ListIndex)];
    const auto target = SlotEntry(Index, p);
    if (!target) return;
    LineBuffer[*target] = p;
    lblPlayer[Index].Caption = List2.Items[static_cast<std::size_t>(List2.ListIndex)].Text;
    Changed = true;
}

bool Lines::LinesIncomplete() const {
    // An entry that names no player of the roster (255, a byte above 49, or an empty place) would
    // store a line-up the game cannot play, so it counts as empty.
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < UsedLineColumns(row); ++c) {
            if (!NamesPlayer(LineBuffer[LineIndex(row, c)])) return true;
        }
    }
    return false;
}

void Lines::TransferBuffer(int slot) {
    Team& team = vars_.CurrentTeamRecord();
    const Team before = team;
    for (int row = 0; row < kLineRows; ++row) {
        for (int c = 0; c < kLineColumns; ++c) {
            team.LineSlots[LineIndex(row, c)] = LineBuffer[LineIndex(row, c)];
        }
        if (row > 5) team.LineSlots[LineIndex(row, 4)] = kNoPlayer;
        if (row > 9) team.LineSlots[LineIndex(row, 3)] = kNoPlayer;
    }
    team.LinesSet = kTrue;
    try {
        SaveTeam(vars_, vars_.CurrentTeam, slot);
    } catch (...) {
        team = before;
        throw;
    }
}

void Lines::cmdAuto_Click() {
    if (CountDressedHealthy(vars_.Players[0]) != kPlayersDressed) {
        ui_.MsgBox("Set roster first", Buttons::OK, Icon::Information, "Auto Lines");
        return;
    }
    AutoLines(0);
    DisplayLines();
    Changed = true;
}

void Lines::cmdExit_Click() {
    if (Changed) {
        const Answer keep =
            ui_.MsgBox("Keep Line Changes?", Buttons::YesNoCancel, Icon::None, "Keep Changes");
        if (keep == Answer::Cancel) return;
        if (keep == Answer::Yes) {
            if (LinesIncomplete()) {
                ui_.MsgBox("Lines are not complete", Buttons::OK, Icon::Critical, kEditLinesTitle);
                return;
            }
            if (!RunGuarded(ui_, kEditLinesTitle, [&] { TransferBuffer(0); })) return;
        }
    }
    Changed = false;
    Unload();
}

}  // namespace korvel

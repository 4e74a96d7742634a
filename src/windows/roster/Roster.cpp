#include "windows/roster/Roster.h"

#include "league/DressingRules.h"
#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/Phrase.h"
#include "ratings/Ratings.h"
#include "session/Readiness.h"
#include "session/TeamReadiness.h"
#include "session/Waivers.h"

namespace korvel {
namespace {

bool IsPosition(std::uint8_t position) {
    return position <= Goalie;
}

}  // namespace

Roster::Roster(TeamSession& session, Ui& ui)
    : Window(kCaption), session_(session), vars_(session.Vars()), ui_(ui) {}

void Roster::Form_Load() {
    ResetFlags(0);
    Label1.Caption = KORVEL_PHRASE("Roster", "Roster of the %1")
                         .With({vars_.CurrentTeamRecord().Name.Utf8()})
                         .English();
    session_.StartEditing();
    listPlayers();
}

void Roster::Form_Unload(bool& Cancel) {
    (void)Cancel;
    if (RosterChanged()) {
        ShowOutcome(ui_, Outcome::Report(ChangesNotSaved(kEditRosterTitle)));
    }
    session_.EndEditing();
}

bool Roster::IsListed(const Player& player) const {
    return player.WaiverMark == 0 && !player.IsEmptyPlace();
}

std::string Roster::LineText(const Player& player, bool marked) const {
    std::string text = marked ? "*" : "";
    text += player.Name.Utf8();
    return text;
}

void Roster::listPlayers() {
    for (auto& list : list1) list.Clear();
    for (auto& map : ListMap) map.fill(0);
    PositionCount.fill(0);
    dressed_ = 0;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = vars_.Players[0][i];
        if (!IsListed(player)) continue;
        const int place = PlaceOf(PlayerFlags[i]);
        // A position code without a filter box is never hidden, and counts in no position.
        const bool known = IsPosition(player.Position);
        if (!known || Check1[player.Position].Value) {
            const bool marked = chkProtect.Value && (player.Protected != 0 || player.Rookie != 0);
            ListBox& list = list1[place];
            list.AddItem(LineText(player, marked), i);
            ListMap[place][list.NewIndex()] = static_cast<std::uint8_t>(i);
        }
    }
    const DressingCheck check = session_.Dressing();
    for (int p = 0; p < static_cast<int>(PositionCount.size()); ++p) {
        PositionCount[p] = static_cast<std::uint8_t>(check.Rules[p].Count);
    }
    dressed_ = session_.DressedCount();
    RosterComplete = check.Complete;
    Label4.Caption = KORVEL_PLURAL("Roster", "%n Total Players").Counting(dressed_).English();
    Label5.Visible = RosterComplete;
    ShowDressingRules(check);
    ShowHistory();
}

void Roster::ShowHistory() {
    mnuUndo.Enabled = session_.CanUndo();
    mnuUndo.Caption = mnuUndo.Enabled
                          ? KORVEL_PHRASE("Roster", "Undo %1").With({session_.UndoName()}).English()
                          : KORVEL_TEXT("Roster", "Undo");
    mnuRedo.Enabled = session_.CanRedo();
    mnuRedo.Caption = mnuRedo.Enabled
                          ? KORVEL_PHRASE("Roster", "Redo %1").With({session_.RedoName()}).English()
                          : KORVEL_TEXT("Roster", "Redo");
}

void Roster::mnuUndo_Click() {
    if (session_.Undo()) listPlayers();
}

void Roster::mnuRedo_Click() {
    if (session_.Redo()) listPlayers();
}

void Roster::ShowDressingRules(const DressingCheck& check) {
    for (std::size_t r = 0; r < check.Rules.size(); ++r) {
        const DressingRule& rule = check.Rules[r];
        // "D 5 / ≥6": the position (or "All"), how many are dressed, how many the rule asks for.
        lblRule[r].Caption = KORVEL_PHRASE("Roster", "%1 %2 / %3%4")
                                 .With({rule.Position, std::to_string(rule.Count),
                                        rule.Exactly ? "" : "\u2265", std::to_string(rule.Required)})
                                 .English();
        RuleMet[r] = rule.Met;
    }
    std::string missing;
    for (const std::string& item : check.Missing) missing += (missing.empty() ? "" : ", ") + item;
    lblMissing.Caption =
        missing.empty() ? "" : KORVEL_PHRASE("Roster", "Missing: %1").With({missing}).English();
    const auto problems = RosterReadiness(session_);
    Ready = problems.empty();
    lblReady.Caption = ReadinessLine(problems);
}

void Roster::Check1_Click(int Index) {
    (void)Index;
    listPlayers();
}

void Roster::chkProtect_Click() {
    listPlayers();
}

void Roster::AutoRoster(int slot) {
    session_.AutoRoster(slot);
    listPlayers();
}

void Roster::cmdAuto_Click() {
    const Outcome outcome = session_.AutoRoster();
    ShowOutcome(ui_, outcome);
    if (!outcome) return;
    session_.MarkModified();
    listPlayers();
}

Roster::LineDetails Roster::Details(int index) const {
    const Player& player = RosterPlayer(index);
    LineDetails details{PositionName(vars_, player.Position),
                        OverallOf(player),
                        OffenseRatingOf(player),
                        DefenseRatingOf(player),
                        {}};
    details.Absence = AbsenceText(vars_, player, player.Status);
    return details;
}

bool Roster::CheckWaivers(int index, int slot) {
    return korvel::CheckWaivers(vars_, ui_, index, slot);
}

}  // namespace korvel

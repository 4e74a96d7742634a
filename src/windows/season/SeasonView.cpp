#include "windows/season/SeasonView.h"

#include "league/RosterSlots.h"
#include "platform/Phrase.h"
#include "session/Briefing.h"
#include "windows/player/PlayerInfo.h"

namespace korvel {
namespace {

// Appended in place: GCC 12 warns falsely (-Wrestrict) about a string put before another.
std::string Signed(int value) {
    std::string text;
    if (value > 0) text += '+';
    text += std::to_string(value);
    return text;
}

}  // namespace

SeasonView::SeasonView(Variables& vars, Ui& ui, LeagueState now)
    : Window(kCaption), vars_(vars), ui_(ui), now_(std::move(now)) {}

void SeasonView::Form_Load() {
    const SeasonDays days =
        ReadSeasonDays(vars_.StartFolder, vars_.LeaguePath, vars_.League, now_);
    Shown = MakeSeason(vars_, days, vars_.CurrentTeam, kFormDays);
    lblTitle.Caption = KORVEL_PLURAL("Season", "%1: the season so far, %n game day(s) kept")
                           .With({Shown.Team})
                           .Counting(Shown.GameDaysKept())
                           .English();
    lblNote.Caption = Shown.Note;
    lblNote.Visible = !Shown.Note.empty();
    const SeasonGameDay& last = Shown.GameDays.back();
    const SeasonGameDay& first = Shown.GameDays.front();
    lblRun.Caption =
        KORVEL_PHRASE("Season", "Now %1-%2-%3, %4 PTS, goal difference %5, %6; %7 PTS since day %8")
            .With({std::to_string(last.W), std::to_string(last.L), std::to_string(last.T),
                   std::to_string(last.PTS), Signed(last.GF - last.GA),
                   DescribeRank(last.DivisionRank), Signed(last.PTS - first.PTS),
                   std::to_string(first.Day)})
            .English();
    lblForm.Caption = KORVEL_PLURAL("Season", "Form over the last %n game day(s)")
                          .Counting(kFormDays)
                          .English();
    lblAbsences.Caption = KORVEL_TEXT("Season", "Absences");
    lblWaivers.Caption = KORVEL_TEXT("Season", "Waiver wire");

    lstAbsences.Clear();
    for (const Absence& a : Shown.Absences) {
        const std::string what =
            a.What == Absence::Kind::Injury
                ? KORVEL_PHRASE("Season", "hurt (%1)").With({a.Code}).English()
                : KORVEL_PLURAL("Season", "suspended %n game(s)").Counting(a.Games).English();
        const std::string when =
            a.ToDay ? KORVEL_PHRASE("Season", "days %1 to %2")
                          .With({std::to_string(a.FromDay), std::to_string(*a.ToDay)})
                          .English()
                    : KORVEL_PHRASE("Season", "since day %1, still out")
                          .With({std::to_string(a.FromDay)})
                          .English();
        lstAbsences.AddItem(
            KORVEL_PHRASE("Season", "%1, %2, %3").With({a.Name, what, when}).English(), a.Index);
    }
    if (lstAbsences.ListCount() == 0) lstAbsences.AddItem(KORVEL_TEXT("Season", "Nobody"), -1);

    lstWaivers.Clear();
    for (const WaiverChoice& w : Shown.WaiverWire) {
        const std::string entry =
            KORVEL_PHRASE("Season", "%1 (%2) OV %3, OF %4, DF %5")
                .With({w.Name, w.Position, std::to_string(w.OV), std::to_string(w.OF),
                       std::to_string(w.DF)})
                .English();
        lstWaivers.AddItem(
            w.BetterThan ? KORVEL_PHRASE("Season", "%1: better than %2 (OV %3)")
                               .With({entry, w.BetterThan->Name, std::to_string(w.BetterThan->OV)})
                               .English()
                         : entry,
            w.Entry);
    }
    if (lstWaivers.ListCount() == 0) lstWaivers.AddItem(KORVEL_TEXT("Season", "Nobody"), -1);
}

void SeasonView::FormPlayer_Open(int index) {
    if (index < 0 || index >= kRosterPlaces) return;
    ShowTeamPlayer(index);
}

void SeasonView::lstAbsences_DblClick() {
    if (!lstAbsences.HasSelection() || lstAbsences.SelectedItemData() < 0) return;
    ShowTeamPlayer(lstAbsences.SelectedItemData());
}

void SeasonView::lstWaivers_DblClick() {
    if (!lstWaivers.HasSelection() || lstWaivers.SelectedItemData() < 0) return;
    const auto waived = now_.Waived();
    const auto entry = static_cast<std::size_t>(lstWaivers.SelectedItemData());
    if (entry >= waived.size()) return;
    // The card reads roster slot 0; a waived player is lent place 0 while it is open.
    struct Restore {
        Variables& vars;
        const RosterSlot players;
        const std::uint8_t index;
        ~Restore() {
            vars.Players[0] = players;
            vars.CurrentPlayerIndex = index;
        }
    } restore{vars_, vars_.Players[0], vars_.CurrentPlayerIndex};
    vars_.Players[0][0] = waived[entry];
    ShowPlayerCard(vars_, ui_, 0);
}

// His card as the working copies hold him.
void SeasonView::ShowTeamPlayer(int index) {
    RunGuarded(ui_, kCaption, [&] {
        LoadTeam(vars_, vars_.CurrentTeam, 0);
        ShowPlayerCard(vars_, ui_, index);
    });
}

void SeasonView::cmdExit_Click() {
    Unload();
}

}  // namespace korvel

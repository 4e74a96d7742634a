#include "windows/briefing/GameDayBriefing.h"

#include "league/RosterSlots.h"
#include "session/BriefingReadiness.h"
#include "windows/player/PlayerInfo.h"

namespace korvel {
namespace {

void AddOrNone(ListBox& list, const char* none) {
    if (list.ListCount() == 0) list.AddItem(none, GameDayBriefing::kNothing);
}

int WindowFor(const std::string& code) {
    if (code == "dressed" || code == "injured dressed") return GameDayBriefing::kRosterWindow;
    if (code == "entry" || code == "incomplete" || code == "undressed in lines") {
        return GameDayBriefing::kLinesWindow;
    }
    return GameDayBriefing::kNothing;
}

std::string WasText(const std::string& now, const std::optional<std::string>& before) {
    return before && *before != now ? now + " (was " + *before + ")" : now;
}

}  // namespace

GameDayBriefing::GameDayBriefing(Variables& vars, Ui& ui, const GameDayVisit& visit, Openers open)
    : Window(kCaption), vars_(vars), ui_(ui), visit_(visit), open_(std::move(open)) {}

void GameDayBriefing::Form_Load() {
    Fill();
}

void GameDayBriefing::Fill() {
    const int team = vars_.CurrentTeam;
    Shown = MakeBriefing(vars_, visit_, team, ReadinessProblems(vars_, team));
    Caption = std::string(kCaption) + ": " + Shown.Team;
    lblTitle.Caption = Shown.Previous
                           ? Shown.Team + " since the last game day"
                           : Shown.Team + ": first visit, no earlier game day to compare";
    const auto recordBefore =
        Shown.RecordBefore ? std::optional(DescribeRecord(*Shown.RecordBefore)) : std::nullopt;
    lblRecord.Caption = "Record: " + WasText(DescribeRecord(Shown.RecordNow), recordBefore);
    const auto rankBefore =
        Shown.Previous ? std::optional(DescribeRank(Shown.RankBefore)) : std::nullopt;
    lblRank.Caption = "Rank: " + WasText(DescribeRank(Shown.RankNow), rankBefore);

    lblSection[Injuries].Caption = "Injuries";
    lblSection[Suspensions].Caption = "Suspensions";
    lblSection[Arrived].Caption = "Arrived";
    lblSection[Left].Caption = "Left";
    lblSection[Waivers].Caption = Shown.Previous ? "New on waivers" : "On waivers";
    lblSection[Readiness].Caption = "Ready for the next game";
    for (ListBox& list : lstSection) list.Clear();
    for (const InjuryChange& change : Shown.Injuries) {
        lstSection[Injuries].AddItem(DescribeInjury(vars_, change), change.Player.Index);
    }
    for (const SuspensionChange& change : Shown.Suspensions) {
        lstSection[Suspensions].AddItem(DescribeSuspension(change), change.Player.Index);
    }
    for (const BriefedPlayer& player : Shown.Arrived) {
        lstSection[Arrived].AddItem(player.Name + " (" + std::to_string(player.Index) + ")",
                                    player.Index);
    }
    for (const BriefedPlayer& player : Shown.Left) {
        lstSection[Left].AddItem(player.Name, player.Index);
    }
    for (const WaivedPlayer& player : Shown.Waivers) {
        lstSection[Waivers].AddItem(DescribeWaiver(player), player.Entry);
    }
    for (const LinesProblem& problem : Shown.Problems) {
        lstSection[Readiness].AddItem(problem.Code + ": " + problem.Text, WindowFor(problem.Code));
    }
    const bool first = !Shown.Previous;
    AddOrNone(lstSection[Injuries], first ? "Known from the next game day on" : "No change");
    AddOrNone(lstSection[Suspensions], first ? "Known from the next game day on" : "No change");
    AddOrNone(lstSection[Arrived], first ? "Known from the next game day on" : "Nobody");
    AddOrNone(lstSection[Left], first ? "Known from the next game day on" : "Nobody");
    AddOrNone(lstSection[Waivers], "Nobody");
    if (Shown.Ready())
        lstSection[Readiness].AddItem("Ready: the lines would pass the league's check",
                                      kLinesWindow);
}

void GameDayBriefing::lstSection_DblClick(int section) {
    if (section < 0 || section >= kSections || !lstSection[section].HasSelection()) return;
    const int data = lstSection[section].SelectedItemData();
    if (data == kNothing) return;
    switch (section) {
        case Left:
            if (visit_.Previous) ShowCardOf(visit_.Previous->Players(Shown.TeamIndex)[data]);
            break;
        case Waivers: {
            const auto waived = visit_.Now.Waived();
            if (data < static_cast<int>(waived.size())) ShowCardOf(waived[data]);
            break;
        }
        case Readiness: {
            const auto& open = data == kRosterWindow ? open_.Roster : open_.Lines;
            if (open) open();
            Fill();
            break;
        }
        default:
            ShowTeamPlayer(data);
    }
}

// His card as the working copies hold him; as the league's files hold him when his place there
// is empty now.
void GameDayBriefing::ShowTeamPlayer(int index) {
    RunGuarded(ui_, kCaption, [&] {
        LoadTeam(vars_, vars_.CurrentTeam, 0);
        if (!ShowPlayerCard(vars_, ui_, index)) {
            ShowCardOf(visit_.Now.Players(Shown.TeamIndex)[static_cast<std::size_t>(index)]);
        }
    });
}

// The card reads roster slot 0; a player of no place there is lent place 0 while it is open.
void GameDayBriefing::ShowCardOf(const Player& player) {
    if (player.IsEmptyPlace()) return;
    struct Restore {
        Variables& vars;
        const RosterSlot players;
        const std::uint8_t index;
        ~Restore() {
            vars.Players[0] = players;
            vars.CurrentPlayerIndex = index;
        }
    } restore{vars_, vars_.Players[0], vars_.CurrentPlayerIndex};
    vars_.Players[0][0] = player;
    ShowPlayerCard(vars_, ui_, 0);
}

void GameDayBriefing::cmdSeason_Click() {
    if (open_.Season) open_.Season();
}

void GameDayBriefing::cmdExit_Click() {
    Unload();
}

}  // namespace korvel

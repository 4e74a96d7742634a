#include "windows/briefing/GameDayBriefing.h"

#include "league/RosterSlots.h"
#include "platform/Phrase.h"
#include "platform/WrapText.h"
#include "session/BriefingReadiness.h"
#include "windows/player/PlayerInfo.h"

namespace korvel {
namespace {

int WindowFor(const std::string& code) {
    if (code == "dressed" || code == "injured dressed" || code == "suspended dressed") {
        return GameDayBriefing::kRosterWindow;
    }
    if (code == "entry" || code == "incomplete" || code == "undressed in lines" ||
        code == "password") {
        return GameDayBriefing::kLinesWindow;
    }
    return GameDayBriefing::kNothing;
}

std::string WasText(const std::string& now, const std::optional<std::string>& before) {
    return before && *before != now
               ? KORVEL_PHRASE("GameDayBriefing", "%1 (was %2)").With({now, *before}).English()
               : now;
}

// An entry as the list shows it: wrapped into lines of the list's width, none cut.
std::string Wrapped(const std::string& text) {
    std::string shown;
    for (const std::string& line : WrapWords(text, GameDayBriefing::kListColumns, "  ")) {
        if (!shown.empty()) shown += '\n';
        shown += line;
    }
    return shown;
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
    Caption = KORVEL_PHRASE("GameDayBriefing", "Briefing: %1").With({Shown.Team}).English();
    lblTitle.Caption =
        Shown.Previous
            ? KORVEL_PHRASE("GameDayBriefing", "%1 since the last game day")
                  .With({Shown.Team})
                  .English()
            : KORVEL_PHRASE("GameDayBriefing", "%1: first visit, no earlier game day to compare")
                  .With({Shown.Team})
                  .English();
    const auto recordBefore =
        Shown.RecordBefore ? std::optional(DescribeRecord(*Shown.RecordBefore)) : std::nullopt;
    lblRecord.Caption = KORVEL_PHRASE("GameDayBriefing", "Record: %1")
                            .With({WasText(DescribeRecord(Shown.RecordNow), recordBefore)})
                            .English();
    const auto rankBefore =
        Shown.Previous ? std::optional(DescribeRank(Shown.RankBefore)) : std::nullopt;
    lblRank.Caption = KORVEL_PHRASE("GameDayBriefing", "Rank: %1")
                          .With({WasText(DescribeRank(Shown.RankNow), rankBefore)})
                          .English();

    static constexpr std::array<const char*, kSections> kHeadings = {
        KORVEL_TEXT("GameDayBriefing", "Injuries"),
        KORVEL_TEXT("GameDayBriefing", "Suspensions"),
        KORVEL_TEXT("GameDayBriefing", "Arrived"),
        KORVEL_TEXT("GameDayBriefing", "Left"),
        KORVEL_TEXT("GameDayBriefing", "New on waivers"),
        KORVEL_TEXT("GameDayBriefing", "Ready for the next game")};
    for (ListBox& list : lstSection) list.Clear();
    for (const InjuryChange& change : Shown.Injuries) {
        lstSection[Injuries].AddItem(Wrapped(DescribeInjury(vars_, change)), change.Player.Index);
    }
    for (const SuspensionChange& change : Shown.Suspensions) {
        lstSection[Suspensions].AddItem(Wrapped(DescribeSuspension(change)), change.Player.Index);
    }
    for (const BriefedPlayer& player : Shown.Arrived) {
        lstSection[Arrived].AddItem(
            Wrapped(KORVEL_PHRASE("GameDayBriefing", "%1 (%2)")
                        .With({player.Name, std::to_string(player.Index)})
                        .English()),
            player.Index);
    }
    for (const BriefedPlayer& player : Shown.Left) {
        lstSection[Left].AddItem(Wrapped(player.Name), player.Index);
    }
    for (const WaivedPlayer& player : Shown.Waivers) {
        lstSection[Waivers].AddItem(Wrapped(DescribeWaiver(player)), player.Entry);
    }
    for (const LinesProblem& problem : Shown.Problems) {
        lstSection[Readiness].AddItem(Wrapped(problem.Text), WindowFor(problem.Code));
    }
    // A section with nothing to list says so in its heading, and shows no list.
    const bool first = !Shown.Previous;
    const char* unknown = KORVEL_TEXT("GameDayBriefing", "known from the next game day on");
    const char* noChange = KORVEL_TEXT("GameDayBriefing", "no change");
    const char* nobody = KORVEL_TEXT("GameDayBriefing", "nobody");
    const std::array<const char*, kSections> none = {
        first ? unknown : noChange, first ? unknown : noChange, first ? unknown : nobody,
        first ? unknown : nobody,   nobody,
        KORVEL_TEXT("GameDayBriefing", "yes, ready for the league")};
    for (int section = 0; section < kSections; ++section) {
        const std::string heading = section == Waivers && first
                                        ? KORVEL_TEXT("GameDayBriefing", "On waivers")
                                        : kHeadings[section];
        SectionShown[section] = lstSection[section].ListCount() > 0;
        lblSection[section].Caption =
            SectionShown[section] ? heading
                                  : KORVEL_PHRASE("GameDayBriefing", "%1: %2")
                                        .With({heading, none[section]})
                                        .English();
    }
}

void GameDayBriefing::lstSection_DblClick(int section) {
    if (section < 0 || section >= kSections || !lstSection[section].HasSelection()) return;
    const int data = lstSection[section].SelectedItemData();
    if (data == kNothing) return;
    switch (section) {
        case Left:
            if (visit_.Previous) {
                ShowCardOf(
                    visit_.Previous->Players(Shown.TeamIndex)[data],
                    KORVEL_PHRASE("GameDayBriefing", "left %1").With({Shown.Team}).English());
            }
            break;
        case Waivers: {
            const auto waived = visit_.Now.Waived();
            if (data < static_cast<int>(waived.size())) {
                const Player& player = waived[static_cast<std::size_t>(data)];
                ShowCardOf(player, WaivedFrom(visit_, player)
                                       .value_or(KORVEL_TEXT("GameDayBriefing", "on waivers")));
            }
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
// is empty now. Either way a copy: the session's roster slot stays as it is.
void GameDayBriefing::ShowTeamPlayer(int index) {
    if (index < 0 || index >= kRosterPlaces) return;
    RunGuarded(ui_, kCaption, [&] {
        const RosterSlot players = vars_.HeldCopies
                                       ? vars_.HeldCopies->Players(Shown.TeamIndex)
                                       : ReadTeamPlayers(vars_.SwapRosterFile, Shown.TeamIndex);
        const Player& working = players[static_cast<std::size_t>(index)];
        ShowCardOf(working.IsEmptyPlace()
                       ? visit_.Now.Players(Shown.TeamIndex)[static_cast<std::size_t>(index)]
                       : working,
                   Shown.Team);
    });
}

void GameDayBriefing::ShowCardOf(const Player& player, const std::string& team) {
    ShowPlayerCard(vars_, ui_, player, team);
}

void GameDayBriefing::cmdSeason_Click() {
    if (open_.Season) open_.Season();
}

void GameDayBriefing::cmdExit_Click() {
    Unload();
}

}  // namespace korvel

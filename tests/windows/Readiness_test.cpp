// The roster, lines and briefing windows answer "ready for the next game?" alike.

#include <gtest/gtest.h>

#include <functional>

#include "league/GameDayHistory.h"
#include "session/Readiness.h"
#include "windows/RosterTestLeague.h"
#include "windows/briefing/GameDayBriefing.h"
#include "windows/lines/Lines.h"

namespace korvel::test {
namespace {

struct DayCase {
    const char* Name;
    std::function<void(RosterSlot&)> Change;
    std::function<void(TeamSession&)> Then;  // in the lines window, before the windows look
    bool Ready;
    const char* LinesLine;  // what the lines window's readiness line says
};

class WindowsReadiness : public RosterWindowTest, public testing::WithParamInterface<DayCase> {
  protected:
    TeamSession session{vars};
};

TEST_P(WindowsReadiness, RosterLinesAndBriefingGiveOneAnswer) {
    const DayCase& c = GetParam();
    RosterSlot roster = ReadyRoster();
    roster[22].Status = 105;
    c.Change(roster);
    Install(roster, CompleteLineUp());

    ASSERT_TRUE(session.OpenLines("Set Lines"));
    if (c.Then) c.Then(session);
    Lines lines(session, ui);
    lines.Form_Load();
    EXPECT_EQ(lines.Ready, c.Ready);
    EXPECT_EQ(lines.lblReady.Caption, c.LinesLine);

    ASSERT_TRUE(session.OpenRoster("Set Game Roster"));
    Roster rosterWindow(session, ui);
    rosterWindow.Form_Load();
    EXPECT_EQ(rosterWindow.Ready, c.Ready) << rosterWindow.lblReady.Caption;

    GameDayVisit visit;
    visit.Now = ReadLeagueState(base);
    GameDayBriefing briefing(vars, ui, visit, {});
    briefing.Form_Load();
    EXPECT_EQ(briefing.Shown.Ready(), c.Ready);
    EXPECT_EQ(briefing.SectionShown[GameDayBriefing::Readiness], !c.Ready);
    if (!c.Ready) {
        // The briefing lists what the lines window counts, in its words.
        const auto problems = LinesReadiness(session);
        ASSERT_EQ(briefing.lstSection[GameDayBriefing::Readiness].ListCount(),
                  static_cast<int>(problems.size()));
        // Wrapped to the list's width: the lines joined again give the sentence.
        std::string shown = briefing.lstSection[GameDayBriefing::Readiness].Items[0].Text;
        for (std::size_t at; (at = shown.find("\n  ")) != std::string::npos;)
            shown.replace(at, 3, " ");
        EXPECT_EQ(shown, problems.front().Text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    GameDays, WindowsReadiness,
    testing::Values(
        DayCase{"HurtAndSuspendedDressed",
                [](RosterSlot& r) {
                    r[3].Status = 204;
                    r[12].Suspension = 3;
                },
                {},
                false,
                "Not ready for the league (4 problems): Player 3 (3) is hurt (1M) and dressed"},
        DayCase{"RefusedPassword", [](RosterSlot&) {},
                [](TeamSession& s) { ASSERT_TRUE(s.SaveLines(FixedText<10>::FromString("x"))); },
                false,
                "Not ready for the league: The password is not the lines password of Bears."},
        DayCase{"Ready", [](RosterSlot&) {}, {}, true, "Ready for the league"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace korvel::test

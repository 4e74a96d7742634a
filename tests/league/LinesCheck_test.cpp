#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "league/LinesCheck.h"
#include "windows/LinesTestRoster.h"

namespace korvel::test {
namespace {

// One row per rule of a lines file once it is read (check-lines and the lines window share them):
// a ready file of ReadyRoster, changed as the row says.
struct CheckCase {
    const char* Name;
    std::function<void(LinesRecord&, RosterSlot&, Team&)> Change;
    std::vector<std::string> Codes;
};

class LinesCheckCodes : public testing::TestWithParam<CheckCase> {};

TEST_P(LinesCheckCodes, EachRuleGivesItsCode) {
    const CheckCase& c = GetParam();
    RosterSlot players = ReadyRoster();
    players[22].Status = 105;
    Team team;
    team.Password = FixedText<10>::FromString("pw");
    LinesRecord record;
    record.Password = team.Password;
    record.Slots = CompleteLineUp();
    for (int i = 0; i < kRosterPlaces; ++i) record.RosterStatus[i] = players[i].Status;
    c.Change(record, players, team);
    std::vector<std::string> codes;
    for (const LinesProblem& problem : CheckLinesRecord(record, team, players)) {
        codes.push_back(problem.Code);
        EXPECT_FALSE(problem.Text.empty());
    }
    EXPECT_EQ(codes, c.Codes);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LinesCheckCodes,
    testing::Values(
        CheckCase{"Valid", [](LinesRecord&, RosterSlot&, Team&) {}, {}},
        CheckCase{"Password",
                  [](LinesRecord&, RosterSlot&, Team& t) {
                      t.Password = FixedText<10>::FromString("PW");
                  },
                  {"password"}},
        CheckCase{"Entry",
                  [](LinesRecord& r, RosterSlot&, Team&) { r.Slots[LineIndex(2, 1)] = 77; },
                  {"entry"}},
        CheckCase{"Incomplete",
                  [](LinesRecord& r, RosterSlot&, Team&) { r.Slots[LineIndex(12, 2)] = kNoPlayer; },
                  {"incomplete"}},
        CheckCase{"InjuredDressed",
                  [](LinesRecord&, RosterSlot& p, Team&) { p[0].Status = 203; },
                  {"injured dressed"}},
        CheckCase{"Dressed",
                  [](LinesRecord& r, RosterSlot&, Team&) { r.RosterStatus[19] = 100; },
                  {"dressed"}},
        CheckCase{"UndressedInLines",
                  [](LinesRecord& r, RosterSlot&, Team&) {
                      r.RosterStatus[0] = 100;
                      r.RosterStatus[20] = 200;
                  },
                  {"undressed in lines"}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace korvel::test

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "league/LinesCheck.h"
#include "league/RosterSlots.h"
#include "support/TempFolder.h"
#include "windows/LinesTestRoster.h"

namespace korvel::test {
namespace {

// One row per problem code: a ready lines file of ReadyRoster, changed as the row says.
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

// The codes found before a record can be read: a short file, a team outside the league, no file.
TEST(LinesCheckFile, SizeTeamAndReadComeBeforeTheRecord) {
    TempFolder folder;
    League league;
    league.LastTeam = 0;
    const std::vector<Team> teams(1);
    const auto roster = folder / "league.ros";
    WriteWholeFile(folder / "short.lns", Bytes(10, 0));
    WriteWholeFile(folder / "team.lns", Bytes(226, 3));
    const std::vector<std::pair<const char*, std::string>> rows{
        {"short.lns", "size"}, {"team.lns", "team"}, {"missing.lns", "read"}};
    for (const auto& [file, code] : rows) {
        const LinesCheck check = CheckLinesFile(league, teams, roster, folder / file);
        ASSERT_EQ(check.Problems.size(), 1u) << file;
        EXPECT_EQ(check.Problems.front().Code, code) << file;
    }
}

}  // namespace
}  // namespace korvel::test

// The briefing's comparisons of two game days, and the history that keeps them.

#include <gtest/gtest.h>

#include <functional>

#include "league/GameDayHistory.h"
#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "platform/Files.h"
#include "session/Briefing.h"
#include "support/LeagueBuilder.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

constexpr int kTeam = 0;

// Two teams of one division; the league's files are edited between two looks at them.
class BriefingComparison : public testing::Test {
  public:
    void SetUp() override {
        LeagueBuilder builder;
        builder.AddTeam("Memphis", 0, 0);
        builder.AddTeam("Quebec", 0, 0);
        builder.Write(base);
        InitialiseVariables(vars, folder.Path());
        InstallLeague(vars, ReadLeagueFiles(base));
    }
    void EditTeam(int team, const std::function<void(Team&)>& edit) {
        Bytes file = ReadWholeFile(WithExtension(base, ".tms"));
        const std::size_t at = static_cast<std::size_t>(team) * RecordLayout<Team>::Size;
        Team record = DecodeRecord<Team>(std::span(file).subspan(at, RecordLayout<Team>::Size));
        edit(record);
        EncodeValue(record, file.data() + at);
        WriteWholeFile(WithExtension(base, ".tms"), file);
    }
    void EditPlayer(int index, const std::function<void(Player&)>& edit) {
        Bytes file = ReadWholeFile(WithExtension(base, ".ros"));
        const std::size_t at = (PlayerRecordNumber(kTeam, index) - 1) * RecordLayout<Player>::Size;
        Player player =
            DecodeRecord<Player>(std::span(file).subspan(at, RecordLayout<Player>::Size));
        edit(player);
        EncodeValue(player, file.data() + at);
        WriteWholeFile(WithExtension(base, ".ros"), file);
    }
    void Waive(const std::string& name, int level) {
        WaiverEntry entry;
        entry.Player.Name = FixedText<22>::FromString(name);
        entry.Player.Skills.fill(static_cast<std::uint8_t>(level));
        const auto bytes = EncodeRecord(entry);
        Bytes list = ReadWholeFile(WithExtension(base, ".wvr"));
        list.insert(list.end(), bytes.begin(), bytes.end());
        WriteWholeFile(WithExtension(base, ".wvr"), list);
    }
    Briefing Compare(const LeagueState& before) {
        GameDayVisit visit;
        visit.Previous = before;
        visit.Now = ReadLeagueState(base);
        return MakeBriefing(vars, visit, kTeam, {});
    }

    TempFolder folder;
    fs::path base = folder / "league" / "days";
    Variables vars;
};

struct ComparisonCase {
    const char* Name;
    std::function<void(BriefingComparison&)> Day;
    std::function<void(const Variables&, const Briefing&)> Check;
};

void ExpectOnlyInjury(const Variables& vars, const Briefing& b, int index, int before, int now,
                      InjuryChange::Kind kind, const std::string& text) {
    ASSERT_EQ(b.Injuries.size(), 1u);
    EXPECT_EQ(b.Injuries[0].Player.Index, index);
    EXPECT_EQ(b.Injuries[0].Before, before);
    EXPECT_EQ(b.Injuries[0].Now, now);
    EXPECT_EQ(b.Injuries[0].Change, kind);
    EXPECT_EQ(DescribeInjury(vars, b.Injuries[0]), text);
}

const ComparisonCase kComparisons[] = {
    {"WinIsTwoPoints",
     [](BriefingComparison& t) { t.EditTeam(kTeam, [](Team& team) { ++team.Wins[0]; }); },
     [](const Variables&, const Briefing& b) {
         EXPECT_EQ(b.RecordNow.PTS - b.RecordBefore->PTS, 2);
         EXPECT_EQ(DescribeRecord(b.RecordNow), "1-0-0, 2 PTS, GF 0, GA 0");
         EXPECT_EQ(b.RecordBefore->PTS, 0);
     }},
    {"TieIsOnePoint",
     [](BriefingComparison& t) { t.EditTeam(kTeam, [](Team& team) { ++team.Ties[0]; }); },
     [](const Variables&, const Briefing& b) {
         EXPECT_EQ(b.RecordNow.PTS - b.RecordBefore->PTS, 1);
         EXPECT_EQ(DescribeRecord(b.RecordNow), "0-0-1, 1 PTS, GF 0, GA 0");
     }},
    {"LossIsNoPoint",
     [](BriefingComparison& t) { t.EditTeam(kTeam, [](Team& team) { ++team.Losses[0]; }); },
     [](const Variables&, const Briefing& b) {
         EXPECT_EQ(b.RecordNow.PTS, b.RecordBefore->PTS);
         EXPECT_EQ(DescribeRecord(b.RecordNow), "0-1-0, 0 PTS, GF 0, GA 0");
     }},
    {"InjuryCodeChanged",
     [](BriefingComparison& t) {
         t.EditPlayer(4, [](Player& p) { p.Status = 203; });  // was 202: 1W, now 3W
     },
     [](const Variables& vars, const Briefing& b) {
         ExpectOnlyInjury(vars, b, 4, 2, 3, InjuryChange::Kind::Changed,
                          "Changed: Memphis player 4 (4), 3W (2-4 weeks), was 1W (1-2 weeks)");
     }},
    {"Healed", [](BriefingComparison& t) { t.EditPlayer(4, [](Player& p) { p.Status = 200; }); },
     [](const Variables& vars, const Briefing& b) {
         ExpectOnlyInjury(vars, b, 4, 2, 0, InjuryChange::Kind::Healed,
                          "Healed: Memphis player 4 (4), was 1W (1-2 weeks)");
     }},
    {"SameNameOnWaiversTwice", [](BriefingComparison& t) { t.Waive("Sam Same", 70); },
     [](const Variables&, const Briefing& b) {
         // One "Sam Same" stood on the list before; the second one is new.
         ASSERT_EQ(b.Waivers.size(), 1u);
         EXPECT_EQ(b.Waivers[0].Name, "Sam Same");
         EXPECT_EQ(b.Waivers[0].Entry, 1);
         EXPECT_EQ(b.Waivers[0].OV, 75);
     }},
};

class BriefingComparisons : public BriefingComparison,
                            public testing::WithParamInterface<ComparisonCase> {};

TEST_P(BriefingComparisons, SayWhatChanged) {
    const ComparisonCase& c = GetParam();
    EditPlayer(4, [](Player& p) { p.Status = 202; });
    Waive("Sam Same", 50);
    const LeagueState before = ReadLeagueState(base);
    c.Day(*this);
    const Briefing b = Compare(before);
    ASSERT_TRUE(b.RecordBefore);
    c.Check(vars, b);
}

INSTANTIATE_TEST_SUITE_P(Days, BriefingComparisons, testing::ValuesIn(kComparisons),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BriefingComparison, AWaiverEntryKeepsItsNameWhenAnotherOfTheSameNameLeaves) {
    Waive("Sam Same", 50);
    Waive("Sam Same", 60);
    const LeagueState before = ReadLeagueState(base);
    WriteWholeFile(WithExtension(base, ".wvr"), {});
    Waive("Sam Same", 60);
    EXPECT_TRUE(Compare(before).Waivers.empty());
}

TEST_F(BriefingComparison, AWaivedPlayersTeamIsTheOneWhoseRosterHeldHim) {
    const LeagueState before = ReadLeagueState(base);
    GameDayVisit visit;
    visit.Previous = before;
    visit.Now = before;
    Player waived;
    waived.Name = FixedText<22>::FromString("Quebec player 7");
    EXPECT_EQ(WaivedFrom(visit, waived), "Quebec");
    waived.Name = FixedText<22>::FromString("Nobody Known");
    EXPECT_EQ(WaivedFrom(visit, waived), std::nullopt);
}

// The history of a league with two game days kept; a byte flipped anywhere in it is found.
TEST_F(BriefingComparison, AFlippedByteInTheHistoryIsFoundAndSetAside) {
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const auto look = [&] {
        GameDayVisit visit = VisitGameDays(start, base, vars.League, ReadLeagueState(base));
        auto staged = StageGameDays(visit);
        CommitAll(staged);
        return visit;
    };
    look();
    EditTeam(kTeam, [](Team& team) { ++team.Wins[0]; });
    ASSERT_TRUE(look().Previous);
    const fs::path history = start / kGameDaysFileName;
    const Bytes whole = ReadWholeFile(history);
    for (const std::size_t at : {whole.size() / 3, whole.size() / 2, whole.size() - 20}) {
        SCOPED_TRACE(at);
        Bytes flipped = whole;
        flipped[at] ^= 0x10;
        WriteWholeFile(history, flipped);
        fs::remove_all(start / (std::string(kGameDaysFileName) + ".bad-1"));
        const GameDayVisit visit = VisitGameDays(start, base, vars.League, ReadLeagueState(base));
        EXPECT_FALSE(visit.Previous) << "a damaged history gives no previous day";
        EXPECT_FALSE(visit.Notice.empty());
        auto staged = StageGameDays(visit);
        CommitAll(staged);
        EXPECT_TRUE(FileExists(start / (std::string(kGameDaysFileName) + ".bad-1")))
            << "set aside by the commit";
    }
}

}  // namespace
}  // namespace korvel::test

#include <gtest/gtest.h>

#include <functional>

#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "league/RosterStatus.h"
#include "session/Season.h"
#include "support/LeagueBuilder.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

SharedBytes Owned(const Bytes& bytes) {
    std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    const std::span<const std::uint8_t> view(buffer.get(), bytes.size());
    return {std::move(buffer), view};
}

template <class R>
Bytes FileOf(const std::vector<R>& records) {
    Bytes file(records.size() * RecordLayout<R>::Size);
    for (std::size_t i = 0; i < records.size(); ++i) {
        EncodeValue(records[i], file.data() + i * RecordLayout<R>::Size);
    }
    return file;
}

// The league's files as the simulation leaves them after a game day.
LeagueState StateOf(const LeagueBuilder& league, const std::vector<Player>& waived = {}) {
    LeagueState state;
    state.TeamFile = Owned(FileOf(league.Teams));
    state.RosterFile = Owned(FileOf(league.Players));
    std::vector<WaiverEntry> entries(waived.size());
    for (std::size_t i = 0; i < waived.size(); ++i) entries[i].Player = waived[i];
    state.WaiverFile = Owned(FileOf(entries));
    return state;
}

// Two teams in one division, team 0 the one looked at.
struct TwoTeams {
    LeagueBuilder League;
    TwoTeams() {
        League.AddTeam("Regina", 0, 0);
        League.AddTeam("Moose Jaw", 0, 0);
        League.LeagueRecord.LastTeam = 1;
        League.LeagueRecord.SeasonStarted = 1;
    }
    Team& Us() { return League.Teams[0]; }
    Team& Them() { return League.Teams[1]; }
    Player& Ours(int index) { return League.Players[static_cast<std::size_t>(index)]; }
    Player& Theirs(int index) { return League.Players[static_cast<std::size_t>(50 + index)]; }
};

void Won(Team& team, int goalsFor, int goalsAgainst) {
    ++team.Wins[0];
    team.GoalsFor = static_cast<std::int16_t>(team.GoalsFor + goalsFor);
    team.GoalsAgainst = static_cast<std::int16_t>(team.GoalsAgainst + goalsAgainst);
}
void Lost(Team& team, int goalsFor, int goalsAgainst) {
    ++team.Losses[0];
    team.GoalsFor = static_cast<std::int16_t>(team.GoalsFor + goalsFor);
    team.GoalsAgainst = static_cast<std::int16_t>(team.GoalsAgainst + goalsAgainst);
}
void Scored(Player& player, int goals, int assists) {
    ++player.GamesPlayed;
    player.Goals = static_cast<std::uint8_t>(player.Goals + goals);
    player.Assists = static_cast<std::uint8_t>(player.Assists + assists);
}

struct DayLine {
    int W, L, T, PTS, GF, GA, Rank;
};
struct FormExpect {
    int Index, GP, G, A, PTS;
};
struct AbsenceExpect {
    int Index;
    Absence::Kind What;
    int FromDay, ToDay;  // 0: still out
    const char* Code;    // an injury's code; a suspension's games as text
};

// Game days in a row, each kept by a load as the program keeps them, then the season read back.
struct SeasonCase {
    const char* Name;
    std::vector<std::function<void(TwoTeams&)>> Days;  // each edits the day before it
    std::vector<DayLine> GameDays;
    std::vector<FormExpect> Form;  // over the last 5 game days
    std::vector<const char*> NotOnTeam;  // names not in the form
    std::vector<AbsenceExpect> Absences;
};

const SeasonCase kCases[] = {
    {"Win",
     {[](TwoTeams&) {},
      [](TwoTeams& l) {
          Won(l.Us(), 3, 1);
          Lost(l.Them(), 1, 3);
          Scored(l.Ours(0), 2, 0);
          Scored(l.Ours(1), 0, 1);
      }},
     {{0, 0, 0, 0, 0, 0, 1}, {1, 0, 0, 2, 3, 1, 1}},
     {{0, 1, 2, 0, 2}, {1, 1, 0, 1, 1}},
     {},
     {}},
    {"Loss",
     {[](TwoTeams&) {},
      [](TwoTeams& l) {
          Lost(l.Us(), 0, 4);
          Won(l.Them(), 4, 0);
          ++l.Ours(0).GamesPlayed;
      }},
     {{0, 0, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 4, 2}},
     {{0, 1, 0, 0, 0}},
     {},
     {}},
    {"TieAfterAWin",
     {[](TwoTeams&) {},
      [](TwoTeams& l) { Won(l.Us(), 2, 0); },
      [](TwoTeams& l) {
          ++l.Us().Ties[0];
          l.Us().GoalsFor += 1;
          l.Us().GoalsAgainst += 1;
          Scored(l.Ours(3), 1, 0);
      }},
     {{0, 0, 0, 0, 0, 0, 1}, {1, 0, 0, 2, 2, 0, 1}, {1, 0, 1, 3, 3, 1, 1}},
     {{3, 1, 1, 0, 1}},
     {},
     {}},
    {"PlayerTradedAway",
     {[](TwoTeams& l) { Scored(l.Ours(4), 1, 1); },
      [](TwoTeams& l) {
          // Ours(4) goes to the other team and scores for it; Theirs(0) comes the other way.
          std::swap(l.Ours(4), l.Theirs(0));
          Scored(l.Theirs(0), 1, 0);
          Scored(l.Ours(4), 0, 2);
      }},
     {{0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 1}},
     {{4, 1, 0, 2, 2}},  // the newcomer counted from where he was
     {"Regina player 4"},
     {}},
    {"HurtThenHealed",
     {[](TwoTeams&) {},
      [](TwoTeams& l) { l.Ours(2).Status = MakeStatus(Scratch, 2); },
      [](TwoTeams& l) { l.Ours(2).Status = MakeStatus(Scratch, 1); },
      [](TwoTeams& l) {
          l.Ours(2).Status = MakeStatus(Dressed, 0);
          l.Ours(7).Suspension = 3;
      }},
     {{0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 1}},
     {},
     {},
     {{2, Absence::Kind::Injury, 2, 4, "1W"}, {7, Absence::Kind::Suspension, 4, 0, "3"}}},
    {"NewSeasonStartsAgain",
     {[](TwoTeams& l) { Won(l.Us(), 5, 2); },
      [](TwoTeams& l) {
          Won(l.Us(), 1, 0);
          l.Ours(5).Status = MakeStatus(Farm, 3);
      },
      [](TwoTeams& l) {
          // Records back to nothing: the new season's first game day.
          l.Us().Wins[0] = 0;
          l.Us().GoalsFor = l.Us().GoalsAgainst = 0;
          for (Player& p : l.League.Players) p.GamesPlayed = p.Goals = p.Assists = 0;
      },
      [](TwoTeams& l) {
          Lost(l.Us(), 2, 3);
          Scored(l.Ours(0), 2, 0);
      }},
     {{0, 0, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 2, 3, 2}},
     {{0, 1, 2, 0, 2}},
     {},
     {{5, Absence::Kind::Injury, 1, 0, "3W"}}},
};

class SeasonSequence : public testing::TestWithParam<SeasonCase> {};

TEST_P(SeasonSequence, GameDaysFormAndAbsences) {
    const SeasonCase& c = GetParam();
    TempFolder folder;
    Variables vars;
    InitialiseVariables(vars, folder.Path());
    TwoTeams league;
    vars.League = league.League.LeagueRecord;
    const fs::path base = folder / "league";
    LeagueState now;
    for (const auto& day : c.Days) {
        day(league);
        now = StateOf(league.League);
        auto visit = VisitGameDays(folder.Path(), base, vars.League, now);
        EXPECT_TRUE(visit.Notice.empty()) << visit.Notice;
        auto files = StageGameDays(visit);
        CommitAll(files);
    }
    const SeasonDays days = ReadSeasonDays(folder.Path(), base, vars.League, now);
    ASSERT_TRUE(days.Notice.empty()) << days.Notice;
    const Season season = MakeSeason(vars, days, 0, 5);

    EXPECT_EQ(season.Team, "Regina");
    ASSERT_EQ(season.GameDays.size(), c.GameDays.size());
    for (std::size_t d = 0; d < c.GameDays.size(); ++d) {
        const SeasonGameDay& got = season.GameDays[d];
        const DayLine& want = c.GameDays[d];
        SCOPED_TRACE("game day " + std::to_string(d + 1));
        EXPECT_EQ(got.Day, static_cast<int>(d) + 1);
        EXPECT_EQ((std::array{got.W, got.L, got.T, got.PTS, got.GF, got.GA}),
                  (std::array{want.W, want.L, want.T, want.PTS, want.GF, want.GA}));
        EXPECT_EQ(got.DivisionRank, want.Rank);
    }
    const auto formOf = [&](int index) -> const FormLine* {
        for (const FormLine& line : season.Form) {
            if (line.Index == index) return &line;
        }
        return nullptr;
    };
    EXPECT_EQ(season.Form.size(), 50u) << "every player on the team now";
    for (const FormExpect& want : c.Form) {
        const FormLine* got = formOf(want.Index);
        ASSERT_NE(got, nullptr) << want.Index;
        EXPECT_EQ((std::array{got->GP, got->G, got->A, got->PTS}),
                  (std::array{want.GP, want.G, want.A, want.PTS}))
            << "player " << want.Index;
    }
    for (const char* gone : c.NotOnTeam) {
        for (const FormLine& line : season.Form) EXPECT_NE(line.Name, gone);
    }
    for (std::size_t i = 1; i < season.Form.size(); ++i) {
        EXPECT_GE(season.Form[i - 1].PTS, season.Form[i].PTS) << "best first";
    }
    ASSERT_EQ(season.Absences.size(), c.Absences.size());
    for (std::size_t i = 0; i < c.Absences.size(); ++i) {
        const Absence& got = season.Absences[i];
        const AbsenceExpect& want = c.Absences[i];
        EXPECT_EQ(got.Index, want.Index);
        EXPECT_EQ(got.What, want.What);
        EXPECT_EQ(got.FromDay, want.FromDay);
        EXPECT_EQ(got.ToDay.value_or(0), want.ToDay);
        EXPECT_EQ(got.What == Absence::Kind::Injury ? got.Code : std::to_string(got.Games),
                  want.Code);
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, SeasonSequence, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SeasonKept, TheNewSeasonKeepsTheLastGameDayOfTheOldOne) {
    TempFolder folder;
    TwoTeams league;
    const fs::path base = folder / "league";
    const auto keep = [&] {
        auto visit = VisitGameDays(folder.Path(), base, league.League.LeagueRecord,
                                   StateOf(league.League));
        auto files = StageGameDays(visit);
        CommitAll(files);
        return visit;
    };
    Won(league.Us(), 4, 0);
    keep();
    league.League.LeagueRecord.SeasonStarted = 0;  // the simulation starts a new season
    EXPECT_TRUE(keep().NewSeason);
    const SeasonDays days = ReadSeasonDays(folder.Path(), base, league.League.LeagueRecord,
                                           StateOf(league.League));
    EXPECT_EQ(days.Days.size(), 1u);
    ASSERT_TRUE(days.PreviousSeasonEnd);
    EXPECT_EQ(days.PreviousSeasonEnd->TeamRecord(0).Wins[0], 1);
}

TEST(SeasonKept, OneGameDayKeptSaysSo) {
    TempFolder folder;
    Variables vars;
    InitialiseVariables(vars, folder.Path());
    TwoTeams league;
    vars.League = league.League.LeagueRecord;
    const SeasonDays days =
        ReadSeasonDays(folder.Path(), folder / "league", vars.League, StateOf(league.League));
    const Season season = MakeSeason(vars, days, 0, 5);
    EXPECT_EQ(season.GameDaysKept(), 1);
    EXPECT_EQ(season.Note, "one game day kept: the season view starts here");
}

// The waiver wire against the weakest dressed player of each position.
TEST(SeasonWaiverWire, ABetterPlayerNamesTheWeakestDressedOfHisPosition) {
    TempFolder folder;
    Variables vars;
    InitialiseVariables(vars, folder.Path());
    TwoTeams league;
    vars.League = league.League.LeagueRecord;
    // Centres of team 0 are places 0, 4, 8...; place 0 is the weakest (skills 40), and place 4
    // is scratched so it does not count even though it would be weaker still.
    league.Ours(4).Skills.fill(10);
    league.Ours(4).Status = MakeStatus(Scratch, 0);
    Player better = league.Ours(8);
    better.Name = FixedText<22>::FromString("Better Centre");
    better.Skills.fill(90);
    Player worse = league.Ours(3);  // a defenceman weaker than every dressed one
    worse.Name = FixedText<22>::FromString("Weak Defender");
    worse.Skills.fill(20);
    const SeasonDays days{{StateOf(league.League, {worse, better})}, {}, {}};
    const Season season = MakeSeason(vars, days, 0, 5);
    ASSERT_EQ(season.WaiverWire.size(), 2u);
    const WaiverChoice& first = season.WaiverWire[0];
    EXPECT_EQ(first.Name, "Better Centre") << "best overall first";
    EXPECT_EQ(first.Position, "C");
    ASSERT_TRUE(first.BetterThan);
    EXPECT_EQ(first.BetterThan->Index, 0);
    EXPECT_EQ(first.BetterThan->Name, "Regina player 0");
    EXPECT_LT(first.BetterThan->OV, first.OV);
    EXPECT_EQ(season.WaiverWire[1].Name, "Weak Defender");
    EXPECT_FALSE(season.WaiverWire[1].BetterThan);
}

}  // namespace
}  // namespace korvel::test

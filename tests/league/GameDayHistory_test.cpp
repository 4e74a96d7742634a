#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <random>

#include "league/GameDayHistory.h"
#include "league/GameDayHistoryChecksum.h"
#include "league/RecordCodec.h"
#include "platform/Utf8Paths.h"
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

LeagueState StateOf(const LeagueBuilder& league, const Bytes& waivers = {}) {
    LeagueState state;
    state.TeamFile = Owned(FileOf(league.Teams));
    state.RosterFile = Owned(FileOf(league.Players));
    state.WaiverFile = Owned(waivers);
    state.SeasonFlag = league.LeagueRecord.SeasonStarted;
    return state;
}

LeagueBuilder FiftyTeams(const std::string& name) {
    LeagueBuilder league(name);
    for (int t = 0; t < 50; ++t) league.AddTeam("Team " + std::to_string(t), t / 25, t % 25 / 7);
    league.LeagueRecord.LastTeam = 49;
    league.LeagueRecord.SeasonStarted = 1;
    return league;
}

// One game day of every team, as the simulation leaves the files: records, 20 players' statistics
// and condition, the odd injury.
void PlayAGameDay(LeagueBuilder& league, std::mt19937& random) {
    const auto roll = [&](int most) { return static_cast<int>(random() % (most + 1)); };
    for (int t = 0; t < 50; t += 2) {
        Team& home = league.Teams[static_cast<std::size_t>(t)];
        Team& away = league.Teams[static_cast<std::size_t>(t + 1)];
        const int a = roll(6), b = roll(6);
        (a > b ? home.Wins : a < b ? home.Losses : home.Ties)[0]++;
        (a > b ? away.Losses : a < b ? away.Wins : away.Ties)[0]++;
        home.GoalsFor = static_cast<std::int16_t>(home.GoalsFor + a);
        home.GoalsAgainst = static_cast<std::int16_t>(home.GoalsAgainst + b);
        away.GoalsFor = static_cast<std::int16_t>(away.GoalsFor + b);
        away.GoalsAgainst = static_cast<std::int16_t>(away.GoalsAgainst + a);
        home.ShotsFor += static_cast<float>(roll(40));
        away.ShotsFor += static_cast<float>(roll(40));
    }
    for (std::size_t t = 0; t < 50; ++t) {
        for (std::size_t i = 0; i < 20; ++i) {
            Player& p = league.Players[t * 50 + i];
            ++p.GamesPlayed;
            p.Goals = static_cast<std::uint8_t>(p.Goals + roll(1) * roll(1));
            p.Assists = static_cast<std::uint8_t>(p.Assists + roll(2) / 2);
            p.PlusMinus = static_cast<std::int16_t>(p.PlusMinus + roll(2) - 1);
            p.PenaltyMin = static_cast<std::int16_t>(p.PenaltyMin + 2 * (roll(4) / 4));
            p.Shots = static_cast<std::int16_t>(p.Shots + roll(4));
            p.Condition = static_cast<std::uint8_t>(80 + roll(20));
            if (roll(200) == 0) p.Status = 203;
        }
    }
}

// A whole season of the largest league is kept in little room, and every game day comes back
// exactly as it was.
TEST(GameDayHistory, AFullSeasonOfFiftyTeamsStaysSmallAndComesBackWhole) {
    TempFolder folder;
    LeagueBuilder league = FiftyTeams("Big League");
    const fs::path base = folder / "big";
    std::mt19937 random(7);
    std::vector<LeagueState> played;
    Bytes waivers;
    for (int day = 0; day <= 84; ++day) {
        if (day > 0) PlayAGameDay(league, random);
        if (day % 10 == 5) {  // a player waived now and then, with the list growing
            WaiverEntry entry;
            entry.Player = league.Players[static_cast<std::size_t>(day * 7 % 2500)];
            const auto bytes = EncodeRecord(entry);
            waivers.insert(waivers.begin(), bytes.begin(), bytes.end());
        }
        played.push_back(StateOf(league, waivers));
        GameDayVisit visit = VisitGameDays(folder.Path(), base, league.LeagueRecord, played.back());
        ASSERT_TRUE(visit.Notice.empty()) << visit.Notice;
        ASSERT_EQ(visit.NewGameDay, day > 0);
        auto files = StageGameDays(visit);
        CommitAll(files);
    }
    const auto size = fs::file_size(folder / kGameDaysFileName);
    std::cout << "korvel.days after 84 game days of 50 teams: " << size << " bytes\n";
    RecordProperty("HistoryBytes", std::to_string(size));
    EXPECT_LT(size, 3u * 1024 * 1024);

    const SeasonDays season =
        ReadSeasonDays(folder.Path(), base, league.LeagueRecord, played.back());
    ASSERT_TRUE(season.Notice.empty()) << season.Notice;
    ASSERT_EQ(season.Days.size(), played.size());
    for (std::size_t d = 0; d < played.size(); ++d) {
        EXPECT_TRUE(season.Days[d].SameGameDay(played[d])) << "game day " << d;
        EXPECT_TRUE(season.Days[d].WaiverFile == played[d].WaiverFile) << "game day " << d;
    }
}

// Leagues kept side by side: each finds its own, a visit of one leaves the others' days alone.
TEST(GameDayHistory, EachLeagueKeepsItsOwnSeason) {
    TempFolder folder;
    LeagueBuilder first("First"), second("Second");
    for (LeagueBuilder* league : {&first, &second}) {
        league->AddTeam("A", 0, 0);
        league->AddTeam("B", 0, 0);
        league->LeagueRecord.LastTeam = 1;
    }
    const auto keep = [&](const LeagueBuilder& league, const char* name) {
        auto visit = VisitGameDays(folder.Path(), folder / name, league.LeagueRecord, StateOf(league));
        auto files = StageGameDays(visit);
        CommitAll(files);
        return visit;
    };
    keep(first, "first");
    keep(second, "second");
    first.Teams[0].Wins[0] = 1;
    keep(first, "first");
    first.Teams[0].Wins[0] = 2;
    const GameDayVisit visit = keep(first, "first");
    ASSERT_TRUE(visit.Previous);
    EXPECT_EQ(visit.Previous->TeamRecord(0).Wins[0], 1);
    EXPECT_EQ(ReadSeasonDays(folder.Path(), folder / "first", first.LeagueRecord, StateOf(first))
                  .Days.size(),
              3u);
    const GameDayVisit again = keep(second, "second");
    EXPECT_FALSE(again.NewGameDay);
    EXPECT_FALSE(again.NewContent) << "nothing changed, nothing written";
    EXPECT_EQ(ReadSeasonDays(folder.Path(), folder / "second", second.LeagueRecord,
                             StateOf(second))
                  .Days.size(),
              1u);
}

// The history as the last version wrote it (format 2: two game days whole) is read, and written
// again in the new layout.
TEST(GameDayHistory, TheFormerLayoutIsReadAndCarriedOver) {
    TempFolder folder;
    LeagueBuilder league("Old League");
    league.AddTeam("A", 0, 0);
    league.AddTeam("B", 0, 0);
    league.LeagueRecord.LastTeam = 1;
    const LeagueState earlier = StateOf(league);
    league.Teams[0].Wins[0] = 1;
    const LeagueState later = StateOf(league);
    const fs::path base = folder / "old";

    Bytes file;
    const auto put = [&](std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto block = [&](std::span<const std::uint8_t> bytes, int width) {
        put(bytes.size(), width);
        file.insert(file.end(), bytes.begin(), bytes.end());
    };
    const std::string magic = "KORVEL GAME DAYS\n", key = Utf8Of(base.lexically_normal());
    file.assign(magic.begin(), magic.end());
    put(2, 2);
    put(1, 2);
    block({reinterpret_cast<const std::uint8_t*>(key.data()), key.size()}, 2);
    const auto& name = league.LeagueRecord.LeagueName.Bytes;
    file.insert(file.end(), name.begin(), name.end());
    put(1, 1);  // LastTeam
    put(2, 1);  // two game days
    for (const LeagueState* state : {&earlier, &later}) {
        block(state->TeamFile.Span(), 4);
        block(state->RosterFile.Span(), 4);
        block(state->WaiverFile.Span(), 4);
    }
    put(gamedays::ChecksumOf(2, file), 8);
    WriteWholeFile(folder / kGameDaysFileName, file);

    GameDayVisit same = VisitGameDays(folder.Path(), base, league.LeagueRecord, later);
    EXPECT_TRUE(same.Notice.empty()) << same.Notice;
    ASSERT_TRUE(same.Previous);
    EXPECT_EQ(same.Previous->TeamRecord(0).Wins[0], 0);
    EXPECT_FALSE(same.NewGameDay);
    auto converted = StageGameDays(same);  // it did not keep the season flag: written anew
    CommitAll(converted);

    league.Teams[0].Wins[0] = 2;
    GameDayVisit next = VisitGameDays(folder.Path(), base, league.LeagueRecord, StateOf(league));
    ASSERT_TRUE(next.NewGameDay);
    auto files = StageGameDays(next);
    CommitAll(files);
    const SeasonDays season =
        ReadSeasonDays(folder.Path(), base, league.LeagueRecord, StateOf(league));
    ASSERT_TRUE(season.Notice.empty()) << season.Notice;
    ASSERT_EQ(season.Days.size(), 3u);
    EXPECT_EQ(season.Days[0].TeamRecord(0).Wins[0], 0);
    EXPECT_EQ(season.Days[1].TeamRecord(0).Wins[0], 1);
    EXPECT_EQ(season.Days[2].TeamRecord(0).Wins[0], 2);
}

// A damaged or foreign history is only set aside by the commit of the run that replaces it.
TEST(GameDayHistory, AnUnusableHistoryIsSetAsideOnlyWhenTheVisitCommits) {
    struct Case {
        const char* Name;
        std::function<void(Bytes&)> Spoil;
        const char* Says;
    };
    const Case cases[] = {
        {"damaged", [](Bytes& b) { b[b.size() - 20] ^= 1; }, "damaged"},
        {"cut", [](Bytes& b) { b.resize(b.size() - 100); }, "cut short"},
        {"foreign", [](Bytes& b) { b = {'n', 'o', 't'}; }, "not a game-day history"},
        {"newer", [](Bytes& b) { b[17] = 99; }, "newer Korvel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TempFolder folder;
        LeagueBuilder league("Some League");
        league.AddTeam("A", 0, 0);
        league.LeagueRecord.LastTeam = 0;
        const fs::path base = folder / "some";
        {
            auto first = VisitGameDays(folder.Path(), base, league.LeagueRecord, StateOf(league));
            auto files = StageGameDays(first);
            CommitAll(files);
        }
        Bytes spoiled = ReadWholeFile(folder / kGameDaysFileName);
        c.Spoil(spoiled);
        WriteWholeFile(folder / kGameDaysFileName, spoiled);

        GameDayVisit visit =
            VisitGameDays(folder.Path(), base, league.LeagueRecord, StateOf(league));
        EXPECT_NE(visit.Notice.find(c.Says), std::string::npos) << visit.Notice;
        EXPECT_FALSE(fs::exists(folder / "korvel.days.bad-1")) << "not before the commit";
        EXPECT_EQ(ReadWholeFile(folder / kGameDaysFileName), spoiled);
        auto files = StageGameDays(visit);
        CommitAll(files);
        EXPECT_EQ(ReadWholeFile(folder / "korvel.days.bad-1"), spoiled);
        EXPECT_TRUE(ReadSeasonDays(folder.Path(), base, league.LeagueRecord, StateOf(league))
                        .Notice.empty());
    }
}

}  // namespace
}  // namespace korvel::test

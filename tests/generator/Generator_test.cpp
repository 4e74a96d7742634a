#include "generator/LeagueGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "league/Condense.h"
#include "league/LeagueFiles.h"
#include "league/Records.h"
#include "league/Variables.h"
#include "support/TempFolder.h"

namespace korvel {
namespace {

using gen::GeneratedLeague;
using gen::GenerateLeague;
using gen::GeneratorOptions;

constexpr std::size_t kLeagueSize = RecordLayout<League>::Size;
constexpr std::size_t kTeamSize = RecordLayout<Team>::Size;
constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;

struct DecodedLeague {
    korvel::League League;
    std::vector<Team> Teams;
    std::vector<RosterSlot> Rosters;
};

template <class R>
R RecordAt(const Bytes& file, std::size_t number) {
    const std::size_t size = RecordLayout<R>::Size;
    return DecodeRecord<R>(std::span(file).subspan(number * size, size));
}

DecodedLeague Decode(const GeneratedLeague& files) {
    DecodedLeague league;
    league.League = DecodeRecord<League>(files.LeagueFile);
    for (std::size_t t = 0; t * kTeamSize < files.TeamFile.size(); ++t) {
        league.Teams.push_back(RecordAt<Team>(files.TeamFile, t));
        RosterSlot& roster = league.Rosters.emplace_back();
        for (std::size_t i = 0; i < roster.size(); ++i) {
            roster[i] = RecordAt<Player>(files.RosterFile, t * kRosterPlaces + i);
        }
    }
    return league;
}

DecodedLeague Generate(const GeneratorOptions& options) {
    return Decode(GenerateLeague(options));
}

int Place(const Player& p) {
    return p.Status / 100;
}

struct Dressing {
    int Dressed = 0;                  // Status 200 to 255
    int DressedHealthy = 0;           // Status exactly 200
    std::array<int, 5> ByPosition{};  // of the healthy dressed players
};

Dressing CountDressed(const RosterSlot& roster) {
    Dressing count;
    for (const Player& p : roster) {
        if (p.IsEmptyPlace() || Place(p) != 2) continue;
        ++count.Dressed;
        if (p.Status == 200) {
            ++count.DressedHealthy;
            ++count.ByPosition.at(p.Position);
        }
    }
    return count;
}

// The dressing rules of a complete game roster.
bool IsCompleteGameRoster(const RosterSlot& roster) {
    const Dressing d = CountDressed(roster);
    return d.Dressed == 20 && d.DressedHealthy == 20 && d.ByPosition[Centre] >= 3 &&
           d.ByPosition[LeftWing] >= 3 && d.ByPosition[RightWing] >= 3 &&
           d.ByPosition[Defenceman] >= 6 && d.ByPosition[Goalie] == 2;
}

TEST(GeneratedLeague, SameOptionsGiveSameBytesAndAnotherSeedOtherBytes) {
    for (const bool ready : {true, false}) {
        const GeneratorOptions options{.Seed = 7, .Teams = 12, .AllTeamsReady = ready};
        const GeneratedLeague first = GenerateLeague(options);
        const GeneratedLeague second = GenerateLeague(options);
        EXPECT_EQ(first.LeagueFile, second.LeagueFile);
        EXPECT_EQ(first.TeamFile, second.TeamFile);
        EXPECT_EQ(first.RosterFile, second.RosterFile);

        const GeneratedLeague other =
            GenerateLeague({.Seed = 8, .Teams = 12, .AllTeamsReady = ready});
        EXPECT_NE(first.LeagueFile, other.LeagueFile);
        EXPECT_NE(first.TeamFile, other.TeamFile);
        EXPECT_NE(first.RosterFile, other.RosterFile);
    }
}

TEST(GeneratedLeague, FilesHoldOneLeagueRecordAndTeamAndPlayerRecordsPerTeam) {
    for (const int teams : {1, 2, 20, 50}) {
        const GeneratedLeague files = GenerateLeague({.Teams = teams});
        EXPECT_EQ(files.LeagueFile.size(), kLeagueSize);
        EXPECT_EQ(files.TeamFile.size(), static_cast<std::size_t>(teams) * kTeamSize);
        EXPECT_EQ(files.RosterFile.size(),
                  static_cast<std::size_t>(teams) * kRosterPlaces * kPlayerSize);
        EXPECT_EQ(DecodeRecord<League>(files.LeagueFile).LastTeam, teams - 1);
    }
}

TEST(GeneratedLeague, RefusesTeamCountsAndGameCountsOutOfRange) {
    for (const int teams : {-1, 0, 51, 255}) {
        EXPECT_THROW(GenerateLeague({.Teams = teams}), std::invalid_argument) << teams;
    }
    for (const int games : {-2, 83}) {
        EXPECT_THROW(GenerateLeague({.GamesPlayed = games}), std::invalid_argument) << games;
    }
}

TEST(GeneratedLeague, TeamsFillBothConferencesAndTheirFirstTwoDivisions) {
    const DecodedLeague league = Generate({.Seed = 3, .Teams = 20});
    std::array<std::array<int, 2>, 2> perDivision{};
    std::set<std::string> names, abbrevs;
    for (const Team& team : league.Teams) {
        ASSERT_LE(team.Conference, 1);
        ASSERT_LE(team.Division, 1);
        ++perDivision[team.Conference][team.Division];
        const std::string name = Condense(team.Name.Str());
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(
            std::all_of(name.begin(), name.end(), [](char c) { return c > 0x20 || c == ' '; }));
        names.insert(name);
        abbrevs.insert(team.Abbrev.Str());
        EXPECT_FALSE(Condense(team.Password.Str()).empty());
        EXPECT_FALSE(Condense(team.Arena.Str()).empty());
        EXPECT_FALSE(Condense(team.Coach.Name.Str()).empty());
        EXPECT_GT(team.Seats, 0);
        EXPECT_GT(team.TicketPrice, 0);
    }
    EXPECT_EQ(perDivision, (std::array<std::array<int, 2>, 2>{{{5, 5}, {5, 5}}}));
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(abbrevs.size(), 20u);

    for (const Conference& conference : league.League.Conferences) {
        EXPECT_FALSE(Condense(conference.ConfName.Str()).empty());
        EXPECT_FALSE(Condense(conference.Divisions[0].DivName.Str()).empty());
        EXPECT_FALSE(Condense(conference.Divisions[1].DivName.Str()).empty());
    }
    EXPECT_FALSE(Condense(league.League.LeagueName.Str()).empty());
    EXPECT_EQ(league.League.ScheduledGames, 20 * 41);
    EXPECT_NE(league.League.WaiverSwitch, 0);
    EXPECT_EQ(league.League.WaiverBlock, 0);
}

TEST(GeneratedLeague, SomePasswordsAreShorterThanTheField) {
    const DecodedLeague league = Generate({.Teams = 50});
    const bool someShort = std::any_of(league.Teams.begin(), league.Teams.end(), [](const Team& t) {
        return Condense(t.Password.Str()).size() < 10;
    });
    EXPECT_TRUE(someShort);
}

TEST(GeneratedLeague, EveryTeamIsReadyWithAValidGameRosterByDefault) {
    for (const std::uint32_t seed : {1u, 2u, 99u, 123456u}) {
        const DecodedLeague league = Generate({.Seed = seed, .Teams = 50});
        for (std::size_t t = 0; t < league.Rosters.size(); ++t) {
            EXPECT_TRUE(IsCompleteGameRoster(league.Rosters[t]))
                << "seed " << seed << " team " << t;
            for (const Player& p : league.Rosters[t]) {
                if (!p.IsEmptyPlace() && Place(p) == 2) {
                    EXPECT_EQ(p.Suspension, 0);
                }
            }
        }
    }
}

TEST(GeneratedLeague, RostersHoldThirtyToFortyPlayersWithGapsAndOtherPlaces) {
    const DecodedLeague league = Generate({.Seed = 5, .Teams = 50});
    int injured = 0, scratches = 0, farm = 0, suspended = 0, gapsInside = 0;
    for (const RosterSlot& roster : league.Rosters) {
        int occupied = 0, lastOccupied = -1;
        std::set<int> numbers;
        for (int i = 0; i < kRosterPlaces; ++i) {
            const Player& p = roster[static_cast<std::size_t>(i)];
            if (p.IsEmptyPlace()) {
                const auto record = EncodeRecord(p);
                EXPECT_TRUE(
                    std::all_of(record.begin(), record.end(), [](auto b) { return b == 0; }));
                continue;
            }
            ++occupied;
            lastOccupied = i;
            EXPECT_TRUE(numbers.insert(p.Number).second) << "jersey " << int(p.Number);
            EXPECT_LE(Place(p), 2);
            EXPECT_LE(p.Status % 100, 6);
            injured += p.Status % 100 != 0;
            scratches += Place(p) == 1;
            farm += Place(p) == 0;
            suspended += p.Suspension != 0;
        }
        EXPECT_GE(occupied, 30);
        EXPECT_LE(occupied, 40);
        gapsInside += lastOccupied + 1 - occupied;
    }
    EXPECT_GT(gapsInside, 50);  // two to four per team
    EXPECT_GT(injured, 0);
    EXPECT_GT(scratches, 50 * 3 - 1);
    EXPECT_GT(farm, 0);
    EXPECT_GT(suspended, 0);
}

TEST(GeneratedLeague, PlayersAreUniqueNamedAndPlausible) {
    const DecodedLeague league = Generate({.Seed = 11, .Teams = 50});
    const std::set<std::string> birthplaces{"CAN", "USA", "SWE", "FIN", "RUS", "CZE", "SVK", "GER"};
    std::set<std::string> names;
    int accented = 0, goalies = 0;
    for (std::size_t t = 0; t < league.Rosters.size(); ++t) {
        const Team& team = league.Teams[t];
        const int teamGames = team.Wins[0] + team.Losses[0] + team.Ties[0];
        for (const Player& p : league.Rosters[t]) {
            if (p.IsEmptyPlace()) continue;
            const std::string name = Condense(p.Name.Str());
            EXPECT_NE(name.find(' '), std::string::npos) << name;  // first and last name
            EXPECT_NE(name.front(), ' ');
            EXPECT_TRUE(std::none_of(name.begin(), name.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20;
            })) << name;
            EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
            accented += std::any_of(name.begin(), name.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
            EXPECT_LE(p.Position, Goalie);
            EXPECT_GE(p.Height, 68);
            EXPECT_LE(p.Height, 78);
            EXPECT_GE(p.Age, 18);
            EXPECT_LE(p.Age, 38);
            EXPECT_GT(p.Salary, 0);
            EXPECT_EQ(p.WaiverMark, 0);
            EXPECT_TRUE(birthplaces.contains(p.Birthplace.Str())) << p.Birthplace.Str();
            for (int s = Intensity; s <= Leadership; ++s) {
                EXPECT_GE(p.Skills[static_cast<std::size_t>(s)], 1);
                EXPECT_LE(p.Skills[static_cast<std::size_t>(s)], 99);
            }
            EXPECT_LE(p.GamesPlayed, teamGames);
            if (p.Position == Goalie) {
                ++goalies;
                EXPECT_LT(p.Skills[Scoring], 20);
                EXPECT_LE(p.SHGoals + p.GWGoals + p.GTGoals, p.GamesPlayed);  // W + L + T
            } else {
                EXPECT_GE(p.Skills[Scoring], 20);
                EXPECT_LE(p.Goals, p.Shots);
                EXPECT_LE(p.PPGoals, p.Goals);
            }
        }
    }
    EXPECT_GT(accented, 20);
    EXPECT_GT(goalies, 50 * 3 - 1);
}

// Rows 0 to 5 use five columns, 6 to 9 four, 10 to 12 three.
int UsedColumns(int row) {
    return row <= 5 ? 5 : row <= 9 ? 4 : 3;
}

TEST(GeneratedLeague, StoredLineUpsUseOnlyDressedPlayersInTheirPlaces) {
    const DecodedLeague league = Generate({.Seed = 21, .Teams = 30, .AllTeamsReady = false});
    int withLineUp = 0, without = 0;
    for (std::size_t t = 0; t < league.Teams.size(); ++t) {
        const Team& team = league.Teams[t];
        const RosterSlot& roster = league.Rosters[t];
        if (team.LinesSet == kFalse) {
            ++without;
            EXPECT_TRUE(std::all_of(team.LineSlots.begin(), team.LineSlots.end(),
                                    [](auto e) { return e == kNoPlayer; }));
            continue;
        }
        ++withLineUp;
        EXPECT_EQ(team.LinesSet, kTrue);
        for (int row = 0; row < kLineRows; ++row) {
            std::set<int> inRow;
            for (int column = 0; column < kLineColumns; ++column) {
                const std::uint8_t entry = team.LineSlots[LineIndex(row, column)];
                if (column >= UsedColumns(row)) {
                    EXPECT_EQ(entry, kNoPlayer)
                        << "team " << t << " spare " << row << "," << column;
                    continue;
                }
                ASSERT_LT(entry, kRosterPlaces)
                    << "team " << t << " entry " << row << "," << column;
                const Player& p = roster[entry];
                EXPECT_FALSE(p.IsEmptyPlace());
                EXPECT_EQ(Place(p), 2) << "team " << t << " entry " << row << "," << column;
                EXPECT_EQ(p.Position == Goalie, row == 12 && column == 0);
                EXPECT_TRUE(inRow.insert(entry).second) << "team " << t << " row " << row;
            }
        }
    }
    EXPECT_GT(withLineUp, 0);
    EXPECT_GT(without, 0);
}

TEST(GeneratedLeague, NotReadyOptionLeavesSomeTeamsShortOfTwentyHealthyDressed) {
    const DecodedLeague league = Generate({.Seed = 4, .Teams = 20, .AllTeamsReady = false});
    int notReady = 0, nineteen = 0, twentyOne = 0, injuredDressed = 0;
    for (std::size_t t = 0; t < league.Rosters.size(); ++t) {
        const Dressing d = CountDressed(league.Rosters[t]);
        if (t % 3 != 1) {
            EXPECT_TRUE(IsCompleteGameRoster(league.Rosters[t])) << "team " << t;
            continue;
        }
        EXPECT_FALSE(IsCompleteGameRoster(league.Rosters[t])) << "team " << t;
        EXPECT_NE(d.DressedHealthy, 20) << "team " << t;
        ++notReady;
        nineteen += d.Dressed == 19;
        twentyOne += d.Dressed == 21 && d.DressedHealthy == 21;
        injuredDressed += d.Dressed == 20 && d.DressedHealthy == 19;
    }
    EXPECT_EQ(notReady, 7);
    EXPECT_GT(nineteen, 0);
    EXPECT_GT(twentyOne, 0);
    EXPECT_GT(injuredDressed, 0);

    const DecodedLeague single = Generate({.Teams = 1, .AllTeamsReady = false});
    EXPECT_FALSE(IsCompleteGameRoster(single.Rosters[0]));
}

TEST(GeneratedLeague, SeasonStatisticsFollowTheGamesPlayed) {
    const DecodedLeague before = Generate({.Seed = 9, .Teams = 8, .GamesPlayed = 0});
    EXPECT_EQ(before.League.SeasonStarted, 0);
    for (std::size_t t = 0; t < before.Teams.size(); ++t) {
        const Team& team = before.Teams[t];
        EXPECT_EQ(team.Wins[0] + team.Losses[0] + team.Ties[0], 0);
        EXPECT_EQ(team.GoalsFor, 0);
        EXPECT_EQ(team.ShotsFor, 0.0f);
        EXPECT_EQ(team.HomeGamesPlayed, 0);
        for (const Player& p : before.Rosters[t]) {
            EXPECT_EQ(p.GamesPlayed, 0);
            EXPECT_EQ(p.Goals, 0);
            EXPECT_EQ(p.Shots, 0);
        }
    }

    const DecodedLeague during = Generate({.Seed = 9, .Teams = 8, .GamesPlayed = 40});
    EXPECT_NE(during.League.SeasonStarted, 0);
    for (const Team& team : during.Teams) {
        EXPECT_EQ(team.Wins[0] + team.Losses[0] + team.Ties[0], 40);
        EXPECT_GT(team.GoalsFor, 0);
        EXPECT_GT(team.ShotsFor, 0.0f);
        EXPECT_GT(team.PenaltyMinutes, 0.0f);
        EXPECT_GE(team.HomeGamesPlayed, 20);
        EXPECT_LE(team.HomeGamesPlayed, 21);
        EXPECT_GT(team.RevenuePerGame, 0);
    }
}

// Every record decoded and encoded again gives the file back byte for byte; the bytes that no
// field interprets are non-zero in generated files, so a lost byte shows.
TEST(RecordsRoundTrip, EveryGeneratedRecordEncodesBackToItsBytes) {
    const GeneratedLeague files = GenerateLeague({.Seed = 31, .Teams = 50, .AllTeamsReady = false});

    const auto league = EncodeRecord(DecodeRecord<League>(files.LeagueFile));
    EXPECT_EQ(Bytes(league.begin(), league.end()), files.LeagueFile);

    Bytes teams, players;
    for (std::size_t t = 0; t < 50; ++t) {
        const auto team = EncodeRecord(RecordAt<Team>(files.TeamFile, t));
        teams.insert(teams.end(), team.begin(), team.end());
    }
    for (std::size_t i = 0; i < 50 * kRosterPlaces; ++i) {
        const auto player = EncodeRecord(RecordAt<Player>(files.RosterFile, i));
        players.insert(players.end(), player.begin(), player.end());
    }
    EXPECT_EQ(teams, files.TeamFile);
    EXPECT_EQ(players, files.RosterFile);

    for (const std::size_t at : {38u, 222u, 238u, 276u, 397u, 439u, 458u}) {
        EXPECT_NE(files.LeagueFile[at], 0) << "league byte " << at;
    }
    for (const std::size_t at : {35u, 58u, 130u, 145u, 239u, 246u, 251u}) {
        EXPECT_NE(files.TeamFile[at], 0) << "team byte " << at;
    }
    const Player first = RecordAt<Player>(files.RosterFile, 0);
    ASSERT_FALSE(first.IsEmptyPlace());
    for (const std::size_t at : {65u, 66u, 69u, 73u, 79u, 85u}) {
        EXPECT_NE(files.RosterFile[at], 0) << "player byte " << at;
    }
}

TEST(WriteLeague, WritesTheFourFilesAndLeavesNothingWhenTheFolderIsMissing) {
    test::TempFolder folder;
    const GeneratedLeague files = GenerateLeague({.Teams = 3});
    const auto base = folder / "demo";
    gen::WriteLeague(base, files);
    EXPECT_EQ(ReadWholeFile(WithExtension(base, ".lge")), files.LeagueFile);
    EXPECT_EQ(ReadWholeFile(WithExtension(base, ".tms")), files.TeamFile);
    EXPECT_EQ(ReadWholeFile(WithExtension(base, ".ros")), files.RosterFile);
    EXPECT_TRUE(ReadWholeFile(WithExtension(base, ".wvr")).empty());

    // Writing again replaces the league whole.
    const GeneratedLeague other = GenerateLeague({.Seed = 2, .Teams = 2});
    gen::WriteLeague(base, other);
    EXPECT_EQ(ReadWholeFile(WithExtension(base, ".tms")), other.TeamFile);

    EXPECT_THROW(gen::WriteLeague(folder / "missing" / "demo", files), FileError);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace korvel

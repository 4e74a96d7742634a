// Reading a whole 50-team league from its bytes and rating every player, against a plain copy of
// the same bytes.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <span>
#include <vector>

#include "generator/LeagueGenerator.h"
#include "league/Records.h"
#include "ratings/Ratings.h"

namespace korvel {
namespace {

constexpr std::size_t kTeams = kMaxTeams;
constexpr std::size_t kPlayers = kTeams * kRosterPlaces;
constexpr std::size_t kTeamSize = RecordLayout<Team>::Size;
constexpr std::size_t kPlayerSize = RecordLayout<Player>::Size;

const gen::GeneratedLeague& FiftyTeams() {
    static const gen::GeneratedLeague files = gen::GenerateLeague({.Seed = 1, .Teams = kTeams});
    return files;
}

std::size_t TotalBytes(const gen::GeneratedLeague& files) {
    return files.LeagueFile.size() + files.TeamFile.size() + files.RosterFile.size();
}

std::vector<Player> DecodePlayers(const Bytes& rosterFile) {
    std::vector<Player> players(kPlayers);
    for (std::size_t i = 0; i < kPlayers; ++i) {
        players[i] =
            DecodeRecord<Player>(std::span(rosterFile).subspan(i * kPlayerSize, kPlayerSize));
    }
    return players;
}

// The league record, the 50 team records and the 2,500 player records.
void DecodeLeagueFiles(benchmark::State& state) {
    const gen::GeneratedLeague& files = FiftyTeams();
    League league;
    std::vector<Team> teams(kTeams);
    std::vector<Player> players(kPlayers);
    for (auto _ : state) {
        league = DecodeRecord<League>(files.LeagueFile);
        for (std::size_t t = 0; t < kTeams; ++t) {
            teams[t] =
                DecodeRecord<Team>(std::span(files.TeamFile).subspan(t * kTeamSize, kTeamSize));
        }
        for (std::size_t i = 0; i < kPlayers; ++i) {
            players[i] = DecodeRecord<Player>(
                std::span(files.RosterFile).subspan(i * kPlayerSize, kPlayerSize));
        }
        benchmark::DoNotOptimize(league);
        benchmark::DoNotOptimize(teams.data());
        benchmark::DoNotOptimize(players.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(1 + kTeams + kPlayers));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(TotalBytes(files)));
}
BENCHMARK(DecodeLeagueFiles);

// Overall, offence and defence ratings of all 2,500 player records.
void RateAllPlayers(benchmark::State& state) {
    const std::vector<Player> players = DecodePlayers(FiftyTeams().RosterFile);
    for (auto _ : state) {
        for (const Player& player : players) {
            benchmark::DoNotOptimize(OverallOf(player));
            benchmark::DoNotOptimize(OffenseRatingOf(player));
            benchmark::DoNotOptimize(DefenseRatingOf(player));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPlayers));
}
BENCHMARK(RateAllPlayers);

// The baseline: copying the three files' bytes.
void CopyLeagueBytes(benchmark::State& state) {
    const gen::GeneratedLeague& files = FiftyTeams();
    Bytes league(files.LeagueFile.size()), teams(files.TeamFile.size()),
        roster(files.RosterFile.size());
    for (auto _ : state) {
        std::copy(files.LeagueFile.begin(), files.LeagueFile.end(), league.begin());
        std::copy(files.TeamFile.begin(), files.TeamFile.end(), teams.begin());
        std::copy(files.RosterFile.begin(), files.RosterFile.end(), roster.begin());
        benchmark::DoNotOptimize(league.data());
        benchmark::DoNotOptimize(teams.data());
        benchmark::DoNotOptimize(roster.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(TotalBytes(files)));
}
BENCHMARK(CopyLeagueBytes);

}  // namespace
}  // namespace korvel

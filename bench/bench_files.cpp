// League files on disk: loading a 50-team league as the main window does, and moving one team's
// roster between the working copies and a roster slot.

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "league/RosterSlots.h"
#include "windows/main/Main.h"

namespace korvel::bench {
namespace {

// Main::LoadLg: read and check the league's files, refresh the working copies and korvel.def,
// fill the main window's lists. Argument 1: the start folder already holds this league's working
// copies (every start-up after the first); 0: it is empty, so every file is written.
void LoadLeagueFromDisk(benchmark::State& state) {
    const bool copiesCurrent = state.range(0) == 1;
    const LeagueOnDisk league;
    Variables vars;
    SilentUi ui;
    TeamSession session(vars);
    Main main(session, ui, league.StartFolder());
    main.Form_Load();
    for (auto _ : state) {
        if (!copiesCurrent) {
            state.PauseTiming();
            league.ClearStartFolder();
            state.ResumeTiming();
        }
        main.LoadLg(league.Base());
        benchmark::DoNotOptimize(vars.Teams.data());
    }
}
BENCHMARK(LoadLeagueFromDisk)
    ->ArgName("copiesCurrent")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

// LoadTeam of one team into slot 0, as every window that shows a roster starts.
void LoadOneTeam(benchmark::State& state) {
    const LeagueOnDisk league;
    Variables vars;
    LoadLeague(vars, league);
    int team = 0;
    for (auto _ : state) {
        LoadTeam(vars, team, 0);
        benchmark::DoNotOptimize(vars.Players[0].data());
        team = (team + 1) % kMaxTeams;
    }
}
BENCHMARK(LoadOneTeam)->Unit(benchmark::kMicrosecond);

// LoadTeam and SaveTeam of one team, as the roster and lines windows keep their changes.
void LoadAndSaveOneTeam(benchmark::State& state) {
    const LeagueOnDisk league;
    Variables vars;
    LoadLeague(vars, league);
    int team = 0;
    for (auto _ : state) {
        LoadTeam(vars, team, 0);
        SaveTeam(vars, team, 0);
        team = (team + 1) % kMaxTeams;
    }
}
BENCHMARK(LoadAndSaveOneTeam)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvel::bench

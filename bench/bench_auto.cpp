// The automatic line-up for every team of a 50-team league, from rosters already in memory.

#include <benchmark/benchmark.h>

#include <vector>

#include "BenchSupport.h"
#include "league/RosterSlots.h"
#include "windows/lines/Lines.h"

namespace korvel::bench {
namespace {

void AutoLinesEveryTeam(benchmark::State& state) {
    const LeagueOnDisk league;
    Variables vars;
    LoadLeague(vars, league);
    std::vector<RosterSlot> rosters;
    for (int team = 0; team <= vars.League.LastTeam; ++team) {
        LoadTeam(vars, team, 0);
        rosters.push_back(vars.Players[0]);
    }
    SilentUi ui;
    for (auto _ : state) {
        for (int team = 0; team <= vars.League.LastTeam; ++team) {
            vars.CurrentTeam = static_cast<std::uint8_t>(team);
            vars.Players[0] = rosters[static_cast<std::size_t>(team)];
            Lines lines(vars, ui);
            lines.AutoLines(0);
            benchmark::DoNotOptimize(lines.LineBuffer.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * (vars.League.LastTeam + 1));
}
BENCHMARK(AutoLinesEveryTeam)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvel::bench

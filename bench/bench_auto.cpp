// The automatic game roster and line-up for every team of a 50-team league, from rosters already
// in memory.

#include <benchmark/benchmark.h>

#include <vector>

#include "BenchSupport.h"
#include "league/RosterSlots.h"
#include "windows/lines/Lines.h"
#include "windows/roster/Roster.h"

namespace korvel::bench {
namespace {

// A 50-team league loaded from disk, with every team's roster kept in memory.
struct LeagueInMemory {
    LeagueInMemory() {
        LoadLeague(vars, files);
        for (int team = 0; team <= vars.League.LastTeam; ++team) {
            LoadTeam(vars, team, 0);
            rosters.push_back(vars.Players[0]);
        }
    }
    int TeamCount() const { return vars.League.LastTeam + 1; }
    // Makes `team` the current team with its roster in slot 0.
    void Select(int team) {
        vars.CurrentTeam = static_cast<std::uint8_t>(team);
        vars.Players[0] = rosters[static_cast<std::size_t>(team)];
    }

    LeagueOnDisk files;
    Variables vars;
    std::vector<RosterSlot> rosters;
};

void AutoRosterEveryTeam(benchmark::State& state) {
    LeagueInMemory league;
    SilentUi ui;
    for (auto _ : state) {
        for (int team = 0; team < league.TeamCount(); ++team) {
            league.Select(team);
            TeamSession session(league.vars);
            Roster roster(session, ui);
            roster.Form_Load();
            roster.AutoRoster(0);
            benchmark::DoNotOptimize(roster.PlayerFlags.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * league.TeamCount());
}
BENCHMARK(AutoRosterEveryTeam)->Unit(benchmark::kMicrosecond);

void AutoLinesEveryTeam(benchmark::State& state) {
    LeagueInMemory league;
    SilentUi ui;
    for (auto _ : state) {
        for (int team = 0; team < league.TeamCount(); ++team) {
            league.Select(team);
            TeamSession session(league.vars);
            Lines lines(session, ui);
            lines.AutoLines(0);
            benchmark::DoNotOptimize(lines.LineBuffer.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * league.TeamCount());
}
BENCHMARK(AutoLinesEveryTeam)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvel::bench

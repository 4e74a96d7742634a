// The league office's check of lines files: the time per file should not grow with their number.

#include <benchmark/benchmark.h>

#include <vector>

#include "BenchSupport.h"
#include "league/LeagueFiles.h"
#include "league/LinesCheck.h"
#include "league/LinesFile.h"
#include "league/RosterSlots.h"

namespace korvel::bench {
namespace {

// CheckLinesFile over N lines files, one per team in turn. Complexity reports the growth in N.
void CheckManyLinesFiles(benchmark::State& state) {
    const LeagueOnDisk league;
    Variables vars;
    LoadLeague(vars, league);
    const int count = static_cast<int>(state.range(0));
    std::vector<std::filesystem::path> files;
    for (int n = 0; n < count; ++n) {
        const int team = n % (vars.League.LastTeam + 1);
        LoadTeam(vars, team, 0);
        const Team& record = vars.Teams[team];
        files.push_back(league.StartFolder() / ("f" + std::to_string(n) + ".lns"));
        WriteLinesFile(files.back(), MakeLinesRecord(vars, record.Password, record.LineSlots, 0));
    }
    const std::vector<Team> teams(vars.Teams.begin(),
                                  vars.Teams.begin() + vars.League.LastTeam + 1);
    const auto roster = WithExtension(vars.LeaguePath, ".ros");
    for (auto _ : state) {
        TeamPlayers players(roster);  // as one run of check-lines reads them
        for (const auto& file : files) {
            benchmark::DoNotOptimize(CheckLinesFile(vars.League, teams, players, file).Valid());
        }
    }
    state.SetComplexityN(count);
}
BENCHMARK(CheckManyLinesFiles)
    ->RangeMultiplier(10)
    ->Range(10, 1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvel::bench

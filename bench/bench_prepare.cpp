// A prepare of one team in a fresh start folder (every file it writes is new, so nothing is there
// to roll back), against its yardstick: a copy of the league's three files into a fresh folder
// followed by one fsync of the copy. Linux only, as scripts/bench.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include "BenchSupport.h"
#include "app/cli/Cli.h"

namespace korvel::bench {
namespace {
namespace fs = std::filesystem;

fs::path FreshFolder(const LeagueOnDisk& league, int n) {
    const fs::path folder = league.StartFolder() / ("run" + std::to_string(n));
    fs::create_directories(folder);
    return folder;
}

void PrepareFreshFolder(benchmark::State& state) {
    const LeagueOnDisk league;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string folder = FreshFolder(league, n++).string();
        const std::string base = league.Base().string();
        const char* argv[] = {"korvel-cli", "-C",      folder.c_str(), "--league",
                              base.c_str(), "--yes",   "--team",       "7",
                              "prepare",    "--league-password"};
        std::ostringstream out, err;
        state.ResumeTiming();
        if (cli::RunCli(static_cast<int>(std::size(argv)), argv, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
}
BENCHMARK(PrepareFreshFolder)->Unit(benchmark::kMicrosecond)->UseRealTime();

void CopyAndOneFsync(benchmark::State& state) {
    const LeagueOnDisk league;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path folder = FreshFolder(league, n++);
        state.ResumeTiming();
        fs::path last;
        for (const char* extension : {".lge", ".tms", ".ros"}) {
            fs::path from = league.Base();
            from += extension;
            last = folder / from.filename();
            fs::copy_file(from, last);
        }
        const int file = ::open(last.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0 || ::fsync(file) != 0) state.SkipWithError("fsync failed");
        if (file >= 0) ::close(file);
    }
}
BENCHMARK(CopyAndOneFsync)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace korvel::bench

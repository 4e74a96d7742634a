#include "generator/LeagueGenerator.h"

namespace korvel::gen {
GeneratedLeague GenerateLeague(const GeneratorOptions&) { return {}; }
void WriteLeague(const std::filesystem::path& base, const GeneratedLeague& league) {
    WriteWholeFile(base.string() + ".lge", league.LeagueFile);
    WriteWholeFile(base.string() + ".tms", league.TeamFile);
    WriteWholeFile(base.string() + ".ros", league.RosterFile);
    WriteWholeFile(base.string() + ".wvr", {});
}
}  // namespace korvel::gen

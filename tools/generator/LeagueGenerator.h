#pragma once

#include <cstdint>
#include <filesystem>

#include "platform/Files.h"

namespace korvel::gen {

struct GeneratorOptions {
    std::uint32_t Seed = 1;
    int Teams = 20;              // 1 to 50
    bool AllTeamsReady = true;   // every team has exactly 20 healthy dressed players
};

// The bytes of a league's files. The same options always give the same bytes.
struct GeneratedLeague {
    Bytes LeagueFile;  // .lge, one record
    Bytes TeamFile;    // .tms, one record per team
    Bytes RosterFile;  // .ros, 50 records per team
};

GeneratedLeague GenerateLeague(const GeneratorOptions& options);

// Writes base.lge, base.tms, base.ros and an empty base.wvr.
void WriteLeague(const std::filesystem::path& base, const GeneratedLeague& league);

}  // namespace korvel::gen

#include "BenchSupport.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "generator/LeagueGenerator.h"
#include "league/LeagueFiles.h"
#include "league/Records.h"

namespace korvel::bench {
namespace fs = std::filesystem;

LeagueOnDisk::LeagueOnDisk() {
    std::string pattern = (fs::temp_directory_path() / "korvel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder " + pattern);
    }
    folder_ = pattern;
    base_ = folder_ / "L";
    start_ = folder_ / "start";
    fs::create_directory(start_);
    gen::WriteLeague(base_, gen::GenerateLeague({.Seed = 1, .Teams = kMaxTeams}));
}

LeagueOnDisk::~LeagueOnDisk() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void LeagueOnDisk::ClearStartFolder() const {
    for (const char* name : {"swp.t", "swp.r", "swp.l", "korvel.def"}) fs::remove(start_ / name);
}

Answer SilentUi::MsgBox(const std::string&, Buttons buttons, Icon, const std::string&) {
    return buttons == Buttons::YesNo ? Answer::No : Answer::OK;
}

std::optional<std::string> SilentUi::InputBox(const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<fs::path> SilentUi::OpenFile(const FileDialog&) {
    return std::nullopt;
}

void LoadLeague(Variables& vars, const LeagueOnDisk& league) {
    InitialiseVariables(vars, league.StartFolder());
    InstallLeague(vars, ReadLeagueFiles(league.Base()));
}

}  // namespace korvel::bench

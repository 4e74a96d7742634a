#include "support/TempFolder.h"

#include <atomic>
#include <string>

#include "platform/SystemFiles.h"

namespace korvel::test {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() / ("korvel-test-" + std::to_string(system::ProcessId()) +
                                         "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

fs::path WriteGeneratedLeague(const fs::path& folder, const std::string& name,
                              const gen::GeneratorOptions& options) {
    const fs::path base = folder / name;
    gen::WriteLeague(base, gen::GenerateLeague(options));
    return base;
}

}  // namespace korvel::test

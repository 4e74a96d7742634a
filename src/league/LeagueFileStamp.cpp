#include "league/LeagueFileStamp.h"

#include "league/LeagueFiles.h"

namespace korvel {

LeagueFileStamp StampLeagueFiles(const std::filesystem::path& base) {
    static constexpr std::array<const char*, 3> kExtensions = {".lge", ".tms", ".ros"};
    LeagueFileStamp stamp;
    for (std::size_t f = 0; f < kExtensions.size(); ++f) {
        const std::filesystem::path file = WithExtension(base, kExtensions[f]);
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) continue;
        const auto size = std::filesystem::file_size(file, error);
        if (error) continue;
        const auto written = std::filesystem::last_write_time(file, error);
        if (error) continue;
        stamp.Files[f] = {true, size, written};
    }
    return stamp;
}

}  // namespace korvel

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

namespace korvel {

// What the league's own files (.lge, .tms, .ros) looked like at one moment: whether each is there,
// its size and its last write time. Two stamps differ when the league simulation has written the
// league since the first was taken.
struct LeagueFileStamp {
    struct File {
        bool Exists = false;
        std::uintmax_t Size = 0;
        std::filesystem::file_time_type Written{};
        bool operator==(const File&) const = default;
    };
    std::array<File, 3> Files{};
    bool operator==(const LeagueFileStamp&) const = default;
};

// The stamp of the league with base path `base`. A file that cannot be examined counts as absent.
LeagueFileStamp StampLeagueFiles(const std::filesystem::path& base);

}  // namespace korvel

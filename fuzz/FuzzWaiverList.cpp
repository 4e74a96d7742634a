// Saving the waiver list: each waived player's entry lands in its place (the first entry of his
// name, else after the last whole entry) and nothing else changes, whatever the list held.
//
// Input: one byte, the number of waived players (0 to 3), then for each a byte that picks his
// name among four and a byte of his record; the rest is the list as found. The expected list is
// worked out entry by entry, as the waiver list is specified, and compared byte for byte.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "league/WaiverList.h"
#include "platform/SharedFileChange.h"

namespace {

namespace fs = std::filesystem;
using namespace korvel;

constexpr std::size_t kEntry = 88;

fs::path Folder() {
    const fs::path root = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = root / ("korvel-fuzz-waivers-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

// The list after putting `player` on it, one entry at a time, in memory.
void PutOn(Bytes& list, const Player& player) {
    WaiverEntry entry;
    entry.Player = player;
    entry.Player.WaiverMark = 0;
    const auto bytes = EncodeRecord(entry);
    std::size_t at = 0;
    for (; at + kEntry <= list.size(); at += kEntry) {
        if (DecodeRecord<WaiverEntry>(std::span(list).subspan(at, kEntry)).Player.Name ==
            player.Name) {
            break;
        }
    }
    if (list.size() < at + kEntry) list.resize(at + kEntry, 0);
    std::memcpy(list.data() + at, bytes.data(), kEntry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path folder = Folder();
    static const char* const kNames[] = {"Ann", "Bob", "Cy", "Dee"};
    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    std::vector<Player> waived(next() % 4);
    for (Player& player : waived) {
        player.Name = FixedText<22>::FromString(kNames[next() % 4]);
        player.Age = next();
        player.WaiverMark = 1;
    }
    const Bytes before(data + std::min(at, size), data + size);

    const fs::path list = folder / "FUZZ.wvr";
    std::ofstream(list, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(before.data()),
               static_cast<std::streamsize>(before.size()));
    SharedFileChange(list, [&](const fs::path& file) {
        return StageWaiverList(file, waived);
    }).Commit();

    Bytes expected = before;
    for (const Player& player : waived) PutOn(expected, player);
    if (ReadWholeFile(list) != expected) std::abort();
    return 0;
}

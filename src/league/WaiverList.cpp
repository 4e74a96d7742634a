#include "league/WaiverList.h"

#include <algorithm>
#include <array>

#include "platform/ReadOnlyFile.h"

namespace korvel {
namespace {

constexpr std::size_t kEntryLength = RecordLayout<WaiverEntry>::Size;
constexpr std::size_t kEntriesPerBlock = 512;

using EntryBytes = std::array<std::uint8_t, kEntryLength>;

struct Placement {
    FixedText<22> Name;
    EntryBytes Entry;
    bool Placed = false;
};

// One placement per name, in the order the names first come; a later player of the same name
// replaces the entry of the earlier one, as writing them one after the other would.
std::vector<Placement> PlacementsOf(const std::vector<Player>& waived) {
    std::vector<Placement> placements;
    for (const Player& player : waived) {
        WaiverEntry entry;
        entry.WaiverState = 0;
        entry.Player = player;
        entry.Player.WaiverMark = 0;
        auto same = std::find_if(placements.begin(), placements.end(),
                                 [&](const Placement& p) { return p.Name == player.Name; });
        if (same == placements.end()) same = placements.insert(placements.end(), {player.Name, {}});
        same->Entry = EncodeRecord(entry);
    }
    return placements;
}

void WriteKeepingHoles(FileSink& sink, const std::uint8_t* bytes, std::size_t count) {
    const bool zeros = std::all_of(bytes, bytes + count, [](std::uint8_t b) { return b == 0; });
    if (zeros) {
        sink.SkipZeros(count);
    } else {
        sink.Write(bytes, count);
    }
}

void CopyWithPlacements(const std::filesystem::path& file, std::vector<Placement>& placements,
                        FileSink& sink) {
    const ReadOnlyFile list(file);
    const std::size_t whole = list.Size() / kEntryLength;
    std::vector<std::uint8_t> block(kEntriesPerBlock * kEntryLength);
    for (std::size_t first = 0; first < whole; first += kEntriesPerBlock) {
        const std::size_t count = std::min(kEntriesPerBlock, whole - first) * kEntryLength;
        if (list.ReadAt(first * kEntryLength, count, block.data()) != count) {
            throw FileError(file, "became shorter while it was read");
        }
        for (std::size_t offset = 0; offset < count; offset += kEntryLength) {
            const auto name =
                DecodeRecord<WaiverEntry>(std::span(block).subspan(offset, kEntryLength))
                    .Player.Name;
            for (Placement& placement : placements) {
                if (placement.Placed || !(placement.Name == name)) continue;
                std::copy(placement.Entry.begin(), placement.Entry.end(), block.begin() + offset);
                placement.Placed = true;
            }
        }
        WriteKeepingHoles(sink, block.data(), count);
    }
    const bool appending = std::any_of(placements.begin(), placements.end(),
                                       [](const Placement& p) { return !p.Placed; });
    // A new entry goes over the bytes of a cut-off last record; without one they stay.
    const std::size_t tail = list.Size() % kEntryLength;
    if (!appending && tail > 0) {
        list.ReadAt(whole * kEntryLength, tail, block.data());
        sink.Write(block.data(), tail);
    }
}

}  // namespace

StagedFile StageWaiverList(const std::filesystem::path& file, const std::vector<Player>& waived) {
    std::vector<Placement> placements = PlacementsOf(waived);
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    StagedFile staged(file, [&](FileSink& sink) {
        if (exists) CopyWithPlacements(file, placements, sink);
        for (const Placement& placement : placements) {
            if (!placement.Placed) sink.Write(placement.Entry.data(), placement.Entry.size());
        }
    });
    // The other managers of the league share the list: it stays theirs as much as ours.
    staged.KeepOwnerOfTarget();
    return staged;
}

}  // namespace korvel

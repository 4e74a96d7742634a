#include "league/WaiverList.h"

namespace korvel {

ListLayout WaiverListLayout() {
    return {RecordLayout<WaiverEntry>::Size, 2, 22};
}

ListChange WaiverListChange(const std::filesystem::path& file, const std::vector<Player>& waived) {
    std::vector<Bytes> entries;
    for (const Player& player : waived) {
        WaiverEntry entry;
        entry.WaiverState = 0;
        entry.Player = player;
        entry.Player.WaiverMark = 0;
        const auto bytes = EncodeRecord(entry);
        entries.emplace_back(bytes.begin(), bytes.end());
    }
    return ChangeOfList(file, WaiverListLayout(), entries);
}

StagedFile StageWaiverList(const std::filesystem::path& file, const std::vector<Player>& waived) {
    return StageListChanges(file, {WaiverListChange(file, waived)});
}

}  // namespace korvel

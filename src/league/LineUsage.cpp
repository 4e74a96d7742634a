#include "league/LineUsage.h"

#include "league/RosterStatus.h"

namespace korvel {

std::array<int, kRosterPlaces> UseCounts(const LineUpEntries& lineUp,
                                         const std::vector<int>& rows) {
    std::array<int, kRosterPlaces> counts{};
    for (const int row : rows) {
        if (row < 0 || row >= kLineRows) continue;
        for (int column = 0; column < UsedLineColumns(row); ++column) {
            const int entry = lineUp[LineIndex(row, column)];
            if (entry < kRosterPlaces) ++counts[static_cast<std::size_t>(entry)];
        }
    }
    return counts;
}

LineUse UseOf(int count) {
    return count == 0 ? LineUse::Unused : count == 1 ? LineUse::Once : LineUse::Several;
}

std::vector<int> UnusedDressed(const LineUpEntries& lineUp, const RosterSlot& roster) {
    std::vector<int> allRows(kLineRows);
    for (int row = 0; row < kLineRows; ++row) allRows[static_cast<std::size_t>(row)] = row;
    const auto counts = UseCounts(lineUp, allRows);
    std::vector<int> unused;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const Player& player = roster[static_cast<std::size_t>(i)];
        if (!player.IsEmptyPlace() && PlaceOf(player.Status) == Dressed &&
            counts[static_cast<std::size_t>(i)] == 0) {
            unused.push_back(i);
        }
    }
    return unused;
}

}  // namespace korvel

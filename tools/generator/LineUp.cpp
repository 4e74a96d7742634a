#include "generator/LineUp.h"

#include <algorithm>
#include <vector>

#include "league/RosterStatus.h"

namespace korvel::gen {
namespace {

// What an entry wants: one of the position codes, or a wing or any skater.
enum Want { WantC, WantLW, WantRW, WantD, WantG, WantWing, WantSkater, WantCount };

// The wanted player of each used column, row by row; the rows of one group share a line.
struct RowPlan {
    int FirstRow, LastRow;
    std::vector<Want> Columns;
};

const std::vector<RowPlan>& Plans() {
    static const std::vector<RowPlan> plans{
        {0, 3, {WantC, WantLW, WantRW, WantD, WantD}},  // even strength
        {4, 5, {WantC, WantLW, WantRW, WantD, WantD}},  // power play 5 on 4
        {6, 7, {WantC, WantWing, WantD, WantD}},        // power play 4 on 3
        {8, 9, {WantC, WantWing, WantD, WantD}},        // penalty kill 4 on 5
        {10, 11, {WantC, WantD, WantD}},                // penalty kill 3 on 5
        {12, 12, {WantG, WantSkater, WantSkater}},      // goalie and extra skaters
    };
    return plans;
}

bool InRow(const LineUp& lineUp, int row, std::uint8_t index) {
    for (int column = 0; column < kLineColumns; ++column) {
        if (lineUp[LineIndex(row, column)] == index) return true;
    }
    return false;
}

}  // namespace

LineUp EmptyLineUp() {
    LineUp lineUp;
    lineUp.fill(kNoPlayer);
    return lineUp;
}

LineUp MakeLineUp(const RosterSlot& places) {
    std::array<std::vector<std::uint8_t>, WantCount> pools;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Player& p = places[i];
        if (p.IsEmptyPlace() || PlaceOf(p.Status) != Dressed || p.Position > Goalie) continue;
        const auto index = static_cast<std::uint8_t>(i);
        pools[p.Position].push_back(index);
        if (p.Position == LeftWing || p.Position == RightWing) pools[WantWing].push_back(index);
        if (p.Position != Goalie) pools[WantSkater].push_back(index);
    }

    LineUp lineUp = EmptyLineUp();
    for (const RowPlan& plan : Plans()) {
        std::array<std::size_t, WantCount> turn{};  // next pool member, per group
        for (int row = plan.FirstRow; row <= plan.LastRow; ++row) {
            for (std::size_t column = 0; column < plan.Columns.size(); ++column) {
                // A skater entry falls back on any skater when its own pool is used up in the row.
                const Want want = plan.Columns[column];
                for (const Want from : {want, want == WantG ? WantG : WantSkater}) {
                    const auto& pool = pools[from];
                    std::uint8_t chosen = kNoPlayer;
                    for (std::size_t tries = 0; tries < pool.size() && chosen == kNoPlayer;
                         ++tries) {
                        const std::uint8_t candidate = pool[turn[from]++ % pool.size()];
                        if (!InRow(lineUp, row, candidate)) chosen = candidate;
                    }
                    if (chosen != kNoPlayer) {
                        lineUp[LineIndex(row, static_cast<int>(column))] = chosen;
                        break;
                    }
                }
            }
        }
    }
    return lineUp;
}

}  // namespace korvel::gen

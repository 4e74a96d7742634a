#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "league/Records.h"
#include "league/Variables.h"

namespace korvel {

using LineUpEntries = std::array<std::uint8_t, kLineRows * kLineColumns>;

enum class LineUse { Unused, Once, Several };

// How often each roster place stands in the used entries of the line-up rows `rows` (spare
// entries and bytes that name no roster place are not counted).
std::array<int, kRosterPlaces> UseCounts(const LineUpEntries& lineUp, const std::vector<int>& rows);

LineUse UseOf(int count);

// The dressed players (by `Status`) of `roster` that stand in no used entry of any row, by roster
// index.
std::vector<int> UnusedDressed(const LineUpEntries& lineUp, const RosterSlot& roster);

}  // namespace korvel

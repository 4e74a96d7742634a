#include "session/LinePlaces.h"

#include <array>

#include "league/Records.h"

namespace korvel {
namespace {

constexpr int kGoalieRow = kLineRows - 1;

// clang-format off
constexpr std::array<const char*, kLineRows - 1> kRowCaptions{
    "Line 1", "Line 2", "Line 3", "Line 4",
    "PP Line 1 (5 on 4)", "PP Line 2 (5 on 4)", "PP Line 1 (4 on 3)", "PP Line 2 (4 on 3)",
    "PK Line 1 (4 on 5)", "PK Line 2 (4 on 5)", "PK Line 1 (3 on 5)", "PK Line 2 (3 on 5)"};
// clang-format on

using Letters = std::array<const char*, kLineColumns>;
constexpr Letters kFullLine{"C", "LW", "RW", "D", "D"};
constexpr Letters kFourSkaters{"C", "W", "D", "D", ""};
constexpr Letters kThreeSkaters{"C", "D", "D", "", ""};

const Letters& LettersOf(int row) {
    if (row <= 5) return kFullLine;
    if (row <= 9) return kFourSkaters;
    return kThreeSkaters;
}

bool InLineUp(int row, int column) {
    return row >= 0 && row < kLineRows && column >= 0 && column < kLineColumns;
}

}  // namespace

std::string RowCaption(int row) {
    if (row == kGoalieRow) return "Goalie / Extra Skaters";
    if (row < 0 || row > kGoalieRow) return {};
    return kRowCaptions[static_cast<std::size_t>(row)];
}

std::string ColumnLetter(int row, int column) {
    if (!InLineUp(row, column) || row == kGoalieRow) return {};
    return LettersOf(row)[static_cast<std::size_t>(column)];
}

std::string PlaceName(int row, int column) {
    if (!InLineUp(row, column)) return {};
    if (row == kGoalieRow) {
        if (column == 0) return "Goalie";
        return column <= 2 ? "Extra Skater " + std::to_string(column) : "Goalie row spare";
    }
    const std::string letter = ColumnLetter(row, column);
    return RowCaption(row) + " " + (letter.empty() ? "spare" : letter);
}

}  // namespace korvel

#include "session/LinePlaces.h"

#include <array>

#include "league/Records.h"
#include "platform/Phrase.h"

namespace korvel {
namespace {

constexpr int kGoalieRow = kLineRows - 1;

// clang-format off
constexpr std::array<const char*, kLineRows - 1> kRowCaptions{
    KORVEL_TEXT("TeamSession", "Line 1"), KORVEL_TEXT("TeamSession", "Line 2"), KORVEL_TEXT("TeamSession", "Line 3"), KORVEL_TEXT("TeamSession", "Line 4"),
    KORVEL_TEXT("TeamSession", "PP Line 1 (5 on 4)"), KORVEL_TEXT("TeamSession", "PP Line 2 (5 on 4)"), KORVEL_TEXT("TeamSession", "PP Line 1 (4 on 3)"), KORVEL_TEXT("TeamSession", "PP Line 2 (4 on 3)"),
    KORVEL_TEXT("TeamSession", "PK Line 1 (4 on 5)"), KORVEL_TEXT("TeamSession", "PK Line 2 (4 on 5)"), KORVEL_TEXT("TeamSession", "PK Line 1 (3 on 5)"), KORVEL_TEXT("TeamSession", "PK Line 2 (3 on 5)")};
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
    if (row == kGoalieRow) return KORVEL_TEXT("TeamSession", "Goalie / Extra Skaters");
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
        if (column == 0) return KORVEL_TEXT("TeamSession", "Goalie");
        return column <= 2 ? KORVEL_PHRASE("TeamSession", "Extra Skater %1")
                                 .With({std::to_string(column)})
                                 .English()
                           : KORVEL_TEXT("TeamSession", "Goalie row spare");
    }
    const std::string letter = ColumnLetter(row, column);
    if (letter.empty())
        return KORVEL_PHRASE("TeamSession", "%1 spare").With({RowCaption(row)}).English();
    return KORVEL_PHRASE("TeamSession", "%1 %2").With({RowCaption(row), letter}).English();
}

}  // namespace korvel

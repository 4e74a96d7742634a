#pragma once

// The names of the line-up's rows and places, as the lines window shows them.

#include <string>

namespace korvel {

// The caption of line-up row `row`: "Line 1" to "Line 4", "PP Line 1 (5 on 4)" and so on; row 12
// is "Goalie / Extra Skaters". Empty outside rows 0 to 12.
std::string RowCaption(int row);
// The letter over column `column` of row `row` ("C", "LW", "RW", "W", "D"); empty for a spare
// column, which the window does not show.
std::string ColumnLetter(int row, int column);
// A place of the line-up for people: "Line 2 LW", "PK Line 1 (3 on 5) D", "Goalie",
// "Extra Skater 1".
std::string PlaceName(int row, int column);

}  // namespace korvel

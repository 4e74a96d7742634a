#pragma once

// The finance projection of the team information window: the team's money to the end of the
// season, from its record, the season's length and the salaries on its roster.

#include <cstdint>
#include <string_view>

#include "league/Records.h"
#include "platform/NumberFormat.h"

namespace korvel {

// What the window's refresh has worked out before the finances are projected.
struct SeasonFigures {
    int SeasonGames = 0;      // games per team in the season
    int TeamGamesPlayed = 0;  // 0 until the season has started
    bool SeasonStarted = false;
    std::int64_t ProSalaries = 0;
    std::int64_t FarmSalaries = 0;
};

// The amounts are whole dollars, rounded down as shown.
struct FinanceProjection {
    std::int64_t CurrentFinances = 0;
    std::int64_t RevenuePerGame = 0;
    std::int64_t EstimatedRevenue = 0;
    std::int64_t ExpensesPerGame = 0;
    std::int64_t ProjectedExpenses = 0;
    float HomeGamesRemaining = 0;  // may end in .5
    int GamesRemaining = 0;        // negative when more games were played than the season has
};

// A farm player costs a tenth of his salary, rounded down (-5 costs -1).
std::int64_t FarmCost(std::int32_t salary);

FinanceProjection ProjectFinances(const Team& team, const SeasonFigures& season);

// An amount read back from its displayed text in the number style it was written in ("-$2,500"
// gives -2500, and so does "-2 500 $" in French): the dollar sign, the separators and the blanks
// around them are dropped, the style's minus sign read, and the leading number taken; a text
// without one gives 0.
std::int64_t ReadDisplayedAmount(std::string_view text,
                                 const NumberStyle& style = CurrentNumberStyle());

}  // namespace korvel

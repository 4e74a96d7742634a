#include "windows/team/TeamFinances.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace korvel {
namespace {

// Season expenses are spread over a fixed 84 games, whatever the season's length.
constexpr double kExpenseGames = 84.0;

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

std::int64_t RoundDown(double value) {
    return static_cast<std::int64_t>(std::floor(value));
}

}  // namespace

std::int64_t FarmCost(std::int32_t salary) {
    return FloorDiv(salary, 10);
}

FinanceProjection ProjectFinances(const Team& team, const SeasonFigures& season) {
    FinanceProjection projection;
    projection.CurrentFinances = team.Finances;
    projection.RevenuePerGame = team.RevenuePerGame;

    const std::int64_t seasonExpenses =
        season.ProSalaries + season.FarmSalaries + FloorDiv(team.Coach.Salary, 2);
    const double expensesPerGame = static_cast<double>(seasonExpenses) / kExpenseGames;
    projection.ExpensesPerGame = RoundDown(expensesPerGame);

    projection.GamesRemaining = season.SeasonGames - season.TeamGamesPlayed;
    projection.HomeGamesRemaining =
        static_cast<float>(season.SeasonGames) / 2.0f - static_cast<float>(team.HomeGamesPlayed);
    if (season.SeasonStarted) {
        projection.EstimatedRevenue = RoundDown(static_cast<double>(projection.HomeGamesRemaining) *
                                                static_cast<double>(team.RevenuePerGame));
        projection.ProjectedExpenses = RoundDown(projection.GamesRemaining * expensesPerGame);
    }
    return projection;
}

std::int64_t ReadDisplayedAmount(std::string_view text, const NumberStyle& style) {
    std::string number(text);
    const auto replaceAll = [&number](const std::string& part, const std::string& by) {
        if (part.empty() || part == by) return;
        for (auto at = number.find(part); at != std::string::npos; at = number.find(part, at)) {
            number.replace(at, part.size(), by);
            at += by.size();
        }
    };
    replaceAll(style.GroupSeparator, "");
    replaceAll(style.Minus, "-");
    // The money sign and the blanks that set it apart (no-break spaces in many languages).
    for (const char* apart : {"$", "\u00a0", "\u202f"}) replaceAll(apart, "");
    const auto start = number.find_first_not_of(' ');
    if (start == std::string::npos) return 0;
    std::int64_t value = 0;
    std::from_chars(number.data() + start, number.data() + number.size(), value);
    return value;
}

}  // namespace korvel

#pragma once

#include <cstdint>
#include <string>

namespace korvel {

// How numbers are written for the reader. The default is the English one of the formats below
// ("0.0", "0,000", "$0,000"); the desktop program sets the style of the user's locale once at
// start, and the command line keeps the default.
struct NumberStyle {
    std::string DecimalPoint = ".";
    std::string GroupSeparator = ",";
    std::string Minus = "-";
    // Money: `#` stands for the grouped amount without its sign ("$#", "# $").
    std::string Money = "$#";
    std::string NegativeMoney = "-$#";

    bool operator==(const NumberStyle&) const = default;
};

// The style the formats below use unless given one. Set it once, before any window opens.
const NumberStyle& CurrentNumberStyle();
void SetNumberStyle(NumberStyle style);

// A float read from a file may hold NaN or infinity: the formats below show such a value as
// empty text.

// "0.0", "0.00", "0.000": at least one digit before the point and exactly `decimals` after it,
// halves rounded away from zero. The value is rounded from its shortest decimal form, so 0.05f
// gives "0.1" as a person reading 0.05 expects.
std::string FormatFixed(double value, int decimals,
                        const NumberStyle& style = CurrentNumberStyle());
std::string FormatFixed(float value, int decimals,
                        const NumberStyle& style = CurrentNumberStyle());

// "0,000": thousands separators, at least four digits (500 shows as 0,500).
std::string FormatThousands(std::int64_t value, const NumberStyle& style = CurrentNumberStyle());

// "$0,000": the same after a dollar sign; a negative amount shows as -$0,500.
std::string FormatDollars(std::int64_t value, const NumberStyle& style = CurrentNumberStyle());

// An amount already written ("1,2M") put in the style's money pattern: "$1.2M", "-1,2M $".
std::string PlaceMoney(const std::string& amount, bool negative,
                       const NumberStyle& style = CurrentNumberStyle());

// The shortest form that reads back as the same single-precision number: 41, 40.5, -1, 162.5.
std::string FormatGeneral(float value, const NumberStyle& style = CurrentNumberStyle());

// Rounds to a whole number, halves away from zero. Not-a-number gives 0; a value beyond about
// ±9.2e18 gives that limit.
std::int64_t RoundHalfAway(double value);

}  // namespace korvel

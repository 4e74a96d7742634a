#pragma once

#include <cstdint>
#include <string>

namespace korvel {

// A float read from a file may hold NaN or infinity: the formats below show such a value as
// empty text.

// "0.0", "0.00", "0.000": at least one digit before the point and exactly `decimals` after it,
// halves rounded away from zero. The value is rounded from its shortest decimal form, so 0.05f
// gives "0.1" as a person reading 0.05 expects.
std::string FormatFixed(double value, int decimals);
std::string FormatFixed(float value, int decimals);

// "0,000": thousands separators, at least four digits (500 shows as 0,500).
std::string FormatThousands(std::int64_t value);

// "$0,000": the same after a dollar sign; a negative amount shows as -$0,500.
std::string FormatDollars(std::int64_t value);

// The shortest form that reads back as the same single-precision number: 41, 40.5, -1, 162.5.
std::string FormatGeneral(float value);

// Rounds to a whole number, halves away from zero. Not-a-number gives 0; a value beyond about
// ±9.2e18 gives that limit.
std::int64_t RoundHalfAway(double value);

}  // namespace korvel

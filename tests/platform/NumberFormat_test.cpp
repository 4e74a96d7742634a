#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>

namespace korvel {
namespace {

TEST(FormatFixed, RoundsHalvesAwayFromZeroAsTheyReadInDecimal) {
    EXPECT_EQ(FormatFixed(0.05, 1), "0.1");
    EXPECT_EQ(FormatFixed(0.15, 1), "0.2");
    EXPECT_EQ(FormatFixed(-0.25, 1), "-0.3");
    EXPECT_EQ(FormatFixed(-0.05, 1), "-0.1");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");
    EXPECT_EQ(FormatFixed(1.0005, 3), "1.001");
    EXPECT_EQ(FormatFixed(0.04, 1), "0.0");
    EXPECT_EQ(FormatFixed(0.1249, 2), "0.12");
    EXPECT_EQ(FormatFixed(0.05f, 1), "0.1");
    EXPECT_EQ(FormatFixed(2.675f, 2), "2.68");
    EXPECT_EQ(FormatFixed(-0.25f, 1), "-0.3");
}

TEST(FormatFixed, AlwaysShowsOneLeadingDigitAndExactlyTheDecimals) {
    EXPECT_EQ(FormatFixed(0.0, 1), "0.0");
    EXPECT_EQ(FormatFixed(0.0, 3), "0.000");
    EXPECT_EQ(FormatFixed(0.5, 2), "0.50");
    EXPECT_EQ(FormatFixed(-0.5, 1), "-0.5");
    EXPECT_EQ(FormatFixed(3.0, 3), "3.000");
    EXPECT_EQ(FormatFixed(12.0f, 1), "12.0");
    EXPECT_EQ(FormatFixed(0.333333, 3), "0.333");
}

TEST(FormatFixed, CarriesIntoNewDigitsAndHandlesLargeValues) {
    EXPECT_EQ(FormatFixed(9.95, 1), "10.0");
    EXPECT_EQ(FormatFixed(-99.995, 2), "-100.00");
    EXPECT_EQ(FormatFixed(0.9996, 3), "1.000");
    EXPECT_EQ(FormatFixed(1234567.891, 2), "1234567.89");
    EXPECT_EQ(FormatFixed(123456789012.345, 2), "123456789012.35");
    EXPECT_EQ(FormatFixed(2147483647.0, 1), "2147483647.0");
    EXPECT_EQ(FormatFixed(1e20, 1), "100000000000000000000.0");
    // Huge values keep every digit before the point and read back as the same number.
    const std::string huge = FormatFixed(1e300, 1);
    EXPECT_EQ(huge.size(), 301 + 2u);
    EXPECT_EQ(huge.substr(huge.size() - 2), ".0");
    EXPECT_EQ(std::stod(huge), 1e300);
    EXPECT_EQ(FormatFixed(-DBL_MAX, 1).size(), 1 + 309 + 2u);
    EXPECT_EQ(FormatFixed(16777216.0f, 1), "16777216.0");
    EXPECT_EQ(FormatFixed(DBL_TRUE_MIN, 3), "0.000");
    EXPECT_EQ(FormatFixed(-DBL_TRUE_MIN, 3), "0.000");
    EXPECT_EQ(FormatFixed(-123456.5f, 1), "-123456.5");
}

TEST(FormatThousands, GroupsAndPadsToFourDigits) {
    EXPECT_EQ(FormatThousands(500), "0,500");
    EXPECT_EQ(FormatThousands(0), "0,000");
    EXPECT_EQ(FormatThousands(7), "0,007");
    EXPECT_EQ(FormatThousands(999), "0,999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(12345), "12,345");
    EXPECT_EQ(FormatThousands(123456), "123,456");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(-500), "-0,500");
    EXPECT_EQ(FormatThousands(-1234567), "-1,234,567");
    EXPECT_EQ(FormatThousands(std::numeric_limits<std::int64_t>::min()),
              "-9,223,372,036,854,775,808");
}

TEST(FormatDollars, PutsTheMinusBeforeTheDollarSign) {
    EXPECT_EQ(FormatDollars(500), "$0,500");
    EXPECT_EQ(FormatDollars(0), "$0,000");
    EXPECT_EQ(FormatDollars(1234567), "$1,234,567");
    EXPECT_EQ(FormatDollars(-500), "-$0,500");
    EXPECT_EQ(FormatDollars(-2147483648LL), "-$2,147,483,648");
}

TEST(FormatGeneral, ShowsTheShortestFormOfASingle) {
    EXPECT_EQ(FormatGeneral(41.0f), "41");
    EXPECT_EQ(FormatGeneral(40.5f), "40.5");
    EXPECT_EQ(FormatGeneral(-1.0f), "-1");
    EXPECT_EQ(FormatGeneral(162.5f), "162.5");
    EXPECT_EQ(FormatGeneral(0.1f), "0.1");
    EXPECT_EQ(FormatGeneral(0.0f), "0");
    EXPECT_EQ(FormatGeneral(2500.0f), "2500");
}

TEST(RoundHalfAway, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(2.4999), 2);
    EXPECT_EQ(RoundHalfAway(0.5), 1);
    EXPECT_EQ(RoundHalfAway(-0.4), 0);
}

TEST(NumberFormats, ShowNonFiniteValuesEmptyAndRoundThemWithoutOverflow) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    for (const float value : {nan, inf, -inf}) {
        EXPECT_EQ(FormatFixed(value, 1), "");
        EXPECT_EQ(FormatFixed(static_cast<double>(value), 3), "");
        EXPECT_EQ(FormatGeneral(value), "");
    }
    EXPECT_EQ(RoundHalfAway(nan), 0);
    EXPECT_GT(RoundHalfAway(inf), 9'000'000'000'000'000'000);
    EXPECT_LT(RoundHalfAway(-1e300), -9'000'000'000'000'000'000);
}

// The same values in the styles of a few desktops: each row is one style and what it writes.
struct StyledCase {
    const char* Desktop;
    NumberStyle Style;
    const char* Fixed;     // 73.25 to one place
    const char* Negative;  // -0.05 to one place
    const char* Thousands;  // 500
    const char* Salary;     // 1234567
    const char* Money;      // 8225875
    const char* Debt;       // -19388303
    const char* Height;     // 162.5
};

const NumberStyle kFrench{",", "\u202f", "-", "#\u00a0$", "-#\u00a0$"};
const NumberStyle kGerman{",", ".", "-", "#\u00a0$", "-#\u00a0$"};
const NumberStyle kSwedish{",", "\u00a0", "\u2212", "#\u00a0$", "\u2212#\u00a0$"};

class StyledNumbers : public ::testing::TestWithParam<StyledCase> {};

TEST_P(StyledNumbers, WriteTheDesktopsDecimalPointGroupsMinusAndMoney) {
    const StyledCase& c = GetParam();
    EXPECT_EQ(FormatFixed(73.25, 1, c.Style), c.Fixed);
    EXPECT_EQ(FormatFixed(-0.05f, 1, c.Style), c.Negative);
    EXPECT_EQ(FormatThousands(500, c.Style), c.Thousands);
    EXPECT_EQ(FormatThousands(1234567, c.Style), c.Salary);
    EXPECT_EQ(FormatDollars(8225875, c.Style), c.Money);
    EXPECT_EQ(FormatDollars(-19388303, c.Style), c.Debt);
    EXPECT_EQ(FormatGeneral(162.5f, c.Style), c.Height);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, StyledNumbers,
    ::testing::Values(
        StyledCase{"English", NumberStyle{}, "73.3", "-0.1", "0,500", "1,234,567", "$8,225,875",
                   "-$19,388,303", "162.5"},
        StyledCase{"French", kFrench, "73,3", "-0,1", "0\u202f500", "1\u202f234\u202f567",
                   "8\u202f225\u202f875\u00a0$", "-19\u202f388\u202f303\u00a0$", "162,5"},
        StyledCase{"German", kGerman, "73,3", "-0,1", "0.500", "1.234.567", "8.225.875\u00a0$",
                   "-19.388.303\u00a0$", "162,5"},
        StyledCase{"Swedish", kSwedish, "73,3", "\u22120,1", "0\u00a0500", "1\u00a0234\u00a0567",
                   "8\u00a0225\u00a0875\u00a0$", "\u221219\u00a0388\u00a0303\u00a0$", "162,5"}),
    [](const ::testing::TestParamInfo<StyledCase>& info) { return info.param.Desktop; });

// The style in use is the English one until the desktop program sets another, and the formats
// without a style argument follow the one set.
TEST(NumberStyleInUse, IsEnglishUntilSetAndFollowedOnceSet) {
    ASSERT_EQ(CurrentNumberStyle(), NumberStyle{});
    EXPECT_EQ(FormatDollars(-500), "-$0,500");
    SetNumberStyle(kGerman);
    EXPECT_EQ(FormatDollars(-500), "-0.500\u00a0$");
    EXPECT_EQ(FormatFixed(2.675, 2), "2,68");
    SetNumberStyle({});
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");
}

TEST(PlaceMoney, PutsAnAmountWrittenElsewhereInTheMoneyPattern) {
    EXPECT_EQ(PlaceMoney("1.2M", false), "$1.2M");
    EXPECT_EQ(PlaceMoney("350k", true), "-$350k");
    EXPECT_EQ(PlaceMoney("1,2M", true, kFrench), "-1,2M\u00a0$");
}

}  // namespace
}  // namespace korvel

#include "platform/qt/LocaleNumbers.h"

#include <gtest/gtest.h>

namespace korvel::qt {
namespace {

// What a window shows for the same figures on desktops of a few languages: an English one keeps
// the formats it has always had, the others their own decimal point, groups, minus and money.
struct LocaleCase {
    const char* Locale;
    const char* Rating;  // 73.2 to one place
    const char* Money;   // 8225875
    const char* Debt;    // -19388303
    const char* Salary;  // 500, padded to four digits
};

class LocaleNumbers : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNumbers, ShowTheFiguresAsTheDesktopWritesThem) {
    const LocaleCase& c = GetParam();
    const NumberStyle style = NumberStyleOf(QLocale(QString::fromLatin1(c.Locale)));
    EXPECT_EQ(FormatFixed(73.2, 1, style), c.Rating);
    EXPECT_EQ(FormatDollars(8225875, style), c.Money);
    EXPECT_EQ(FormatDollars(-19388303, style), c.Debt);
    EXPECT_EQ(FormatThousands(500, style), c.Salary);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, LocaleNumbers,
    ::testing::Values(
        LocaleCase{"C", "73.2", "$8,225,875", "-$19,388,303", "0,500"},
        LocaleCase{"en_US", "73.2", "$8,225,875", "-$19,388,303", "0,500"},
        LocaleCase{"en_GB", "73.2", "$8,225,875", "-$19,388,303", "0,500"},
        // English everywhere keeps the English formats, whatever the country writes.
        LocaleCase{"en_ZA", "73.2", "$8,225,875", "-$19,388,303", "0,500"},
        LocaleCase{"fr_FR", "73,2", "8\u202f225\u202f875\u00a0$", "-19\u202f388\u202f303\u00a0$",
                   "0\u202f500"},
        LocaleCase{"fr_CA", "73,2", "8\u00a0225\u00a0875\u00a0$", "-19\u00a0388\u00a0303\u00a0$",
                   "0\u00a0500"},
        LocaleCase{"de_DE", "73,2", "8.225.875\u00a0$", "-19.388.303\u00a0$", "0.500"},
        LocaleCase{"sv_SE", "73,2", "8\u00a0225\u00a0875\u00a0$", "\u221219\u00a0388\u00a0303\u00a0$",
                   "0\u00a0500"},
        LocaleCase{"fi_FI", "73,2", "8\u00a0225\u00a0875\u00a0$", "\u221219\u00a0388\u00a0303\u00a0$",
                   "0\u00a0500"},
        LocaleCase{"cs_CZ", "73,2", "8\u00a0225\u00a0875\u00a0$", "-19\u00a0388\u00a0303\u00a0$",
                   "0\u00a0500"}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return info.param.Locale; });

}  // namespace
}  // namespace korvel::qt

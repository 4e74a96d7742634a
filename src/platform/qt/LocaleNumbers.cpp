#include "platform/qt/LocaleNumbers.h"

#include <QString>

namespace korvel::qt {
namespace {

// The locale's money pattern around a sample amount, with `#` where the amount stands.
std::string MoneyPattern(const QLocale& locale) {
    constexpr qlonglong kSample = 1234567;
    const QString money = locale.toCurrencyString(kSample, QStringLiteral("$"));
    const QString amount = locale.toString(kSample);
    const qsizetype place = money.indexOf(amount);
    if (place < 0) return "$#";
    QString pattern = money;
    pattern.replace(place, amount.size(), QStringLiteral("#"));
    return pattern.toStdString();
}

}  // namespace

NumberStyle NumberStyleOf(const QLocale& locale) {
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return {};
    NumberStyle style;
    style.DecimalPoint = locale.decimalPoint().toStdString();
    style.GroupSeparator = locale.groupSeparator().toStdString();
    style.Minus = locale.negativeSign().toStdString();
    style.Money = MoneyPattern(locale);
    // A debt carries the locale's minus sign before the amount as written, not the parentheses
    // of an accountant that some locales give (French: "-19 388 303 $").
    style.NegativeMoney = style.Minus + style.Money;
    return style;
}

void UseLocaleNumbers(const QLocale& locale) { SetNumberStyle(NumberStyleOf(locale)); }

}  // namespace korvel::qt

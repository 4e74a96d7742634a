#pragma once

#include <QLocale>

#include "platform/NumberFormat.h"

namespace korvel::qt {

// The way the locale writes numbers and money, for the core's formats. Any English locale (and
// the C locale) keeps the English formats exactly as they have always been ("0.0", "0,000",
// "$0,000"); others take their decimal point, group separator, minus sign and the place of the
// currency sign, which stays the league's dollar: French gives "8 225 875 $" and "73,2".
NumberStyle NumberStyleOf(const QLocale& locale);

// Sets the core's number style from the user's locale: called once by the desktop program.
void UseLocaleNumbers(const QLocale& locale = QLocale());

}  // namespace korvel::qt

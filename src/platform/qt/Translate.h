#pragma once

#include <QLocale>
#include <QString>

#include <string>

#include "platform/Phrase.h"

namespace korvel::qt {

// Texts of the core in the user's language. The core writes English and marks its texts
// (platform/Phrase.h); the Qt layer translates them here where it shows them:
//  - a sentence the core built from a Phrase is translated whole, then its places are filled;
//  - a fixed text is looked up under the contexts the core marks its texts with;
//  - anything else (names and numbers from the league's files) shows as it is.
// Without an installed translation every text shows as it is, English.
QString Translated(const std::string& text);
QString Translated(const Phrase& phrase);

// Installs Korvel's translation for the first of the locale's languages (LANGUAGE, then LANG on
// Linux) that has one, and Qt's own translation for that language, in place of any installed
// before; a preference for English ahead of it keeps the windows English. Korvel's come from
// `folder` when given, else from share/korvel/translations beside the programs. Returns whether
// a translation of Korvel was installed.
bool InstallTranslations(const QLocale& locale, const QString& folder = {});

}  // namespace korvel::qt

#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace korvel::qt {

// The manual's page: where the package installs it (…/share/korvel/manual/index.html), or the
// copy the build puts beside the programs.
std::optional<QString> ManualPage();

// Shows the manual at `section` (an anchor of its page; empty for the top) in a help window over
// `window`: one help window per window, usable while that window is modal. Says so when the
// manual is missing.
void ShowHelp(QWidget& window, const QString& section);

}  // namespace korvel::qt

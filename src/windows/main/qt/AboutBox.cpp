#include "windows/main/qt/AboutBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include "app/Version.h"

namespace korvel {

void ShowAboutBox(QWidget* parent) {
    const QString text =
        QCoreApplication::translate(
            "AboutBox",
            "<h3>Korvel %1</h3>"
            "<p>Prepares the game roster and the lines of an ice-hockey team for the "
            "league's next game.</p>"
            "<p>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). "
            "Korvel comes with no warranty.</p>"
            "<p>Built with:</p><ul>"
            "<li>Qt %2 (LGPL-3.0)</li>"
            "<li>CLI11 (BSD-3-Clause), in korvel-cli and korvel-make-league</li>"
            "<li>nlohmann/json (MIT), in korvel-cli</li></ul>")
            .arg(kVersion, qVersion());
    QMessageBox::about(parent, QCoreApplication::translate("AboutBox", "About Korvel"), text);
}

}  // namespace korvel

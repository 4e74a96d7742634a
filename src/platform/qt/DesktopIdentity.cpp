#include "platform/qt/DesktopIdentity.h"

#include <QApplication>
#include <QDirIterator>

#include "app/Version.h"
#include "platform/Ui.h"

namespace korvel::qt {

QIcon ApplicationIcon() {
    QIcon icon;
    QDirIterator sizes(":/icons", {"*.png"});
    while (sizes.hasNext()) icon.addFile(sizes.next());
    return icon;
}

void SetUpApplicationNames() {
    QCoreApplication::setOrganizationName(kOrganisationName);
    QCoreApplication::setApplicationName(kApplicationTitle);
    QCoreApplication::setApplicationVersion(kVersion);
}

void SetUpDesktopIdentity() {
    SetUpApplicationNames();
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    QApplication::setWindowIcon(ApplicationIcon());
}

}  // namespace korvel::qt

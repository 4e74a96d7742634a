#include "platform/qt/DesktopIdentity.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "app/Version.h"
#include "platform/Ui.h"
#include "platform/qt/WindowIconPixels.h"

namespace korvel::qt {

// Built from pixels compiled in: decoding PNGs at start would cost more than painting the window.
QIcon ApplicationIcon() {
    QIcon icon;
    for (const IconPixels& size : WindowIconPixels()) {
        const QImage image(reinterpret_cast<const uchar*>(size.Pixels), size.Side, size.Side,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
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

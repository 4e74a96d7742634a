#include "platform/qt/ArrowIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace korvel::qt {

namespace {

QPixmap Arrow(int side, qreal ratio, bool right, const QColor& colour) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn pointing right on a unit square, mirrored for left.
    painter.scale(side, side);
    if (!right) {
        painter.translate(1, 0);
        painter.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(0.12, 0.42);
    arrow.lineTo(0.52, 0.42);
    arrow.lineTo(0.52, 0.2);
    arrow.lineTo(0.9, 0.5);
    arrow.lineTo(0.52, 0.8);
    arrow.lineTo(0.52, 0.58);
    arrow.lineTo(0.12, 0.58);
    arrow.closeSubpath();
    painter.fillPath(arrow, colour);
    return pixmap;
}

}  // namespace

QIcon ArrowIcon(const QWidget& button, bool right) {
    const int side = button.style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, &button);
    const qreal ratio = button.devicePixelRatioF();
    const QPalette& palette = button.palette();
    QIcon icon;
    icon.addPixmap(Arrow(side, ratio, right, palette.color(QPalette::ButtonText)), QIcon::Normal);
    icon.addPixmap(
        Arrow(side, ratio, right, palette.color(QPalette::Disabled, QPalette::ButtonText)),
        QIcon::Disabled);
    return icon;
}

}  // namespace korvel::qt

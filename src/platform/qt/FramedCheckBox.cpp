#include "platform/qt/FramedCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "platform/qt/Palettes.h"

namespace korvel::qt {

void FramedCheckBox::paintEvent(QPaintEvent* event) {
    QCheckBox::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(FrameColour(palette()), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

}  // namespace korvel::qt

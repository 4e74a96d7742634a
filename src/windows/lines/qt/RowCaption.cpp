#include "windows/lines/qt/RowCaption.h"

#include <QPainter>

#include "platform/qt/Style.h"

namespace korvel {

RowCaption::RowCaption(QWidget* parent) : QLabel(parent) {
    setProperty("rowCaption", true);
    setForegroundRole(QPalette::Text);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    if (!qt::Decorations()) return;
    setContentsMargins(8, 2, 8, 2);
    // Framed labels set their text in by half an x.
    setIndent(fontMetrics().horizontalAdvance('x') / 2);
}

void RowCaption::paintEvent(QPaintEvent* event) {
    if (qt::Decorations()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRoundedRect(QRectF(rect()), 4, 4);
    }
    QLabel::paintEvent(event);
}

}  // namespace korvel

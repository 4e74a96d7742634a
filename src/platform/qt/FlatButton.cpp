#include "platform/qt/FlatButton.h"

#include <QPainter>

#include "platform/qt/Style.h"

namespace korvel::qt {

namespace {

constexpr int kFrame = 1;  // the frame's width without the focus
constexpr qreal kRadius = 6;

}  // namespace

FlatButton::FlatButton(QWidget* parent, QMargins padding) : QPushButton(parent), padding_(padding) {
    setAttribute(Qt::WA_Hover);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize FlatButton::sizeHint() const {
    if (!Decorations()) return QPushButton::sizeHint();
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return {text.width() + padding_.left() + padding_.right() + 2 * kFrame,
            text.height() + padding_.top() + padding_.bottom() + 2 * kFrame};
}

void FlatButton::paintEvent(QPaintEvent* event) {
    if (!Decorations()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const bool focused = hasFocus();
    const int frame = focused ? 2 : kFrame;
    QColor border = colours.color(QPalette::Mid);
    if (!isEnabled()) {
        border = colours.color(QPalette::Midlight);
    } else if (focused) {
        border = focusColour_.isValid() ? focusColour_ : colours.color(QPalette::Highlight);
    } else if (underMouse()) {
        border = colours.color(QPalette::Highlight);
    }
    const qreal inset = frame / 2.0;
    painter.setPen(QPen(border, frame));
    painter.setBrush(colours.color(isDown() ? QPalette::Midlight : QPalette::Button));
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kRadius,
                            kRadius);
    painter.setPen(colours.color(isEnabled() ? QPalette::ButtonText : QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace korvel::qt

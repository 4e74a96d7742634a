#include "platform/qt/FlatButton.h"

#include <QPainter>

#include <algorithm>

#include "platform/qt/Palettes.h"
#include "platform/qt/Style.h"

namespace korvel::qt {

namespace {

constexpr int kFrame = 1;  // the frame's width without the focus
constexpr qreal kRadius = 6;
constexpr int kIconGap = 6;  // between the icon and the text

// The width the button's icon and the gap beside it take; none without an icon.
int IconRoom(const QPushButton& button) {
    return button.icon().isNull() ? 0 : button.iconSize().width() + kIconGap;
}

}  // namespace

FlatButton::FlatButton(QWidget* parent, QMargins padding) : QPushButton(parent), padding_(padding) {
    setAttribute(Qt::WA_Hover);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void FlatButton::SetKind(Kind kind, const QColor& accent) {
    kind_ = kind;
    accent_ = accent;
    update();
}

bool FlatButton::Lit() const {
    return kind_ == Kind::Primary ||
           (isChecked() && (kind_ == Kind::View || kind_ == Kind::Filter));
}

QSize FlatButton::sizeHint() const {
    if (!Decorations()) return QPushButton::sizeHint();
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    const int height = std::max(text.height(), icon().isNull() ? 0 : iconSize().height());
    return {text.width() + IconRoom(*this) + padding_.left() + padding_.right() + 2 * kFrame,
            height + padding_.top() + padding_.bottom() + 2 * kFrame};
}

void FlatButton::paintEvent(QPaintEvent* event) {
    if (!Decorations()) {
        QPushButton::paintEvent(event);
        return;
    }
    const QPalette& colours = palette();
    const bool lit = Lit();
    const QColor accent = accent_.isValid() ? accent_ : colours.color(QPalette::Highlight);
    QColor fill = colours.color(isDown() ? QPalette::Midlight : QPalette::Button);
    QColor ink = colours.color(QPalette::ButtonText);
    QColor border = FrameColour(colours);
    if (lit) {
        fill = accent;
        ink = kind_ == Kind::Filter ? QColor(Qt::white) : colours.color(QPalette::HighlightedText);
        border = accent;
    } else if (!isEnabled()) {
        border = colours.color(QPalette::Midlight);
    } else if (underMouse()) {
        border = colours.color(QPalette::Highlight);
    }
    int frame = kFrame;
    if (hasFocus()) {
        frame = 2;
        // On a filled button, or a filter's colours, the highlight would not show: the text's
        // colour frames them.
        if (lit || kind_ == Kind::Filter) {
            border = colours.color(QPalette::Text);
        } else {
            border = focusColour_.isValid() ? focusColour_ : colours.color(QPalette::Highlight);
        }
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = frame / 2.0;
    painter.setPen(QPen(border, frame));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kRadius,
                            kRadius);
    painter.setPen(ink);
    if (icon().isNull()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        return;
    }
    // Icon and text centred as one; a right-to-left button puts the icon after the text.
    const int textWidth = fontMetrics().size(Qt::TextShowMnemonic, text()).width();
    const int left = (width() - textWidth - IconRoom(*this)) / 2;
    const bool iconFirst = layoutDirection() == Qt::LeftToRight;
    const int iconX = iconFirst ? left : left + textWidth + kIconGap;
    const int textX = iconFirst ? left + IconRoom(*this) : left;
    const QSize size = iconSize();
    const QRect iconRect(iconX, (height() - size.height()) / 2, size.width(), size.height());
    icon().paint(&painter, iconRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.drawText(QRect(textX, 0, textWidth, height()), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text());
}

}  // namespace korvel::qt

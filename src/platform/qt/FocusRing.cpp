#include "platform/qt/FocusRing.h"

#include <QPainter>

namespace korvel::qt {

void FocusRingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    const bool focused = (option.state & QStyle::State_HasFocus) != 0;
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!focused) return;
    // On a selected entry the ring takes the selection's text colour, so that it shows there too.
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    QPen pen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight));
    pen.setWidth(2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    painter->restore();
}

}  // namespace korvel::qt

#pragma once

#include <QStyledItemDelegate>

namespace korvel::qt {

// Draws a list's entries as usual and, while the list has the keyboard focus, a ring in the
// palette's highlight colour around the entry the keys act on: the style's own dotted focus frame
// is hard to see on most desktops. No style sheet is needed, so the list keeps its start-up cost.
class FocusRingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace korvel::qt

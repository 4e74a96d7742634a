#pragma once

#include <QStyledItemDelegate>

namespace korvel::qt {

// Draws a name that the column cannot hold with "…" at its end, without the trailing blanks a
// listed name keeps (those would always end in "…"), and shows the whole name as its tooltip
// where the item has none of its own.
class ElidedNameDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace korvel::qt

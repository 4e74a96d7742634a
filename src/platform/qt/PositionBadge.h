#pragma once

#include <QLabel>
#include <QStyledItemDelegate>

#include <functional>

#include "platform/qt/Positions.h"

class QFont;
class QPainter;

namespace korvel::qt {

// A position's badge: its short name in white, bold (in the painter's font made bold), on a pill
// of its colour. On a selected (dark) row the pill is ringed in white so that it stands out
// whatever its colour. Each badge is drawn once for its font, size, state and pixel ratio and
// kept; later paints copy it.
void PaintPositionBadge(QPainter& painter, const QRect& area, const PositionLook& look,
                        bool onSelection = false);
// The size of a badge in `font`; the widest name fits. Measured once per font.
QSize PositionBadgeSize(const QFont& font);

// A label that shows its caption, a position's short name, as that position's badge. Any other
// caption (an empty one) shows nothing.
class PositionBadgeLabel : public QLabel {
  public:
    explicit PositionBadgeLabel(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Paints the position badge of each list entry at the entry's right end, and keeps the entry's
// text clear of it. `positionOfRow` gives the position code (0 to 4) of a row, or -1 for none.
class PositionBadgeDelegate : public QStyledItemDelegate {
  public:
    PositionBadgeDelegate(std::function<int(int row)> positionOfRow, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    std::function<int(int row)> positionOfRow_;
};

}  // namespace korvel::qt

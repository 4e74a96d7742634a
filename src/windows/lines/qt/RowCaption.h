#pragma once

#include <QLabel>

namespace korvel {

// The caption over a block of slots: bold text on a small rounded plate of the base colour.
// Without the decorations it is a plain label.
class RowCaption : public QLabel {
  public:
    explicit RowCaption(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvel

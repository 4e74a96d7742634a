#pragma once

#include <QMargins>
#include <QPushButton>

namespace korvel::qt {

// A push button in the windows' shared look, painted from the palette: bold text on the button
// colour in a rounded frame of the mid colour, framed in the highlight colour under the mouse and
// twice as thick with the focus. Painting it costs what a plain button costs, where a style sheet
// would restyle every widget of its window. Without the decorations it is a plain button.
class FlatButton : public QPushButton {
  public:
    explicit FlatButton(QWidget* parent, QMargins padding = {10, 4, 10, 4});

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The frame colour with the focus; the highlight colour unless set.
    void SetFocusColour(const QColor& colour) { focusColour_ = colour; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QMargins padding_;
    QColor focusColour_;
};

}  // namespace korvel::qt

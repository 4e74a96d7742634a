#pragma once

#include <QColor>
#include <QMargins>
#include <QPushButton>

namespace korvel::qt {

// A push button in the windows' shared look, painted from the palette: bold text on the button
// colour in a rounded frame of the mid colour, framed in the highlight colour under the mouse and
// twice as thick with the focus. Painting it costs what a plain button costs, where a style sheet
// would restyle every widget of its window. Without the decorations it is a plain button.
class FlatButton : public QPushButton {
  public:
    // How the button is lit: a view choice when checked and a position filter when checked (in
    // its accent colour, with white text) fill with their colour; a primary button always does.
    enum class Kind { Plain, View, Primary, Filter };

    explicit FlatButton(QWidget* parent, QMargins padding = {10, 4, 10, 4});

    void SetKind(Kind kind, const QColor& accent = {});
    Kind ButtonKind() const { return kind_; }
    // Whether the button shows filled in its accent or highlight colour.
    bool Lit() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The frame colour with the focus; the highlight colour unless set.
    void SetFocusColour(const QColor& colour) { focusColour_ = colour; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QMargins padding_;
    QColor focusColour_;
    Kind kind_ = Kind::Plain;
    QColor accent_;
};

}  // namespace korvel::qt

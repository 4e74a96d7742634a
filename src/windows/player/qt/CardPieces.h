#pragma once

#include <QLabel>
#include <QWidget>

namespace korvel {

// The card's painted pieces. Each takes its colours from the palette (or keeps the card's own
// fixed ones), so that the card looks the same in a light or a dark palette without a style
// sheet; without the decorations each is its plain widget.

// A block of the card: a rounded panel in the base colour, framed in the mid colour.
class CardSection : public QWidget {
  public:
    explicit CardSection(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The experience tag in the title line: dark bold text on a light pill, on a yellow one for a
// rookie.
class ExperienceTag : public QLabel {
  public:
    explicit ExperienceTag(QWidget* parent);

    void SetRookie(bool rookie);
    bool Rookie() const { return rookie_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool rookie_ = false;
};

// The height, which switches units on a click: in the link colour over a dotted line, lit under
// the mouse and framed with the focus.
class HeightLabel : public QLabel {
  public:
    explicit HeightLabel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvel

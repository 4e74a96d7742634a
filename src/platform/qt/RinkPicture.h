#pragma once

#include <QRect>
#include <QWidget>

class QPainter;

namespace korvel::qt {

// Paints an ice-hockey rink seen from above into `area` (kept at a rink's proportions and centred):
// boards with rounded corners, light ice, red centre and goal lines, blue lines, face-off circles
// and spots, creases and nets. The markings are faint so that text over them stays legible.
void PaintRink(QPainter& painter, const QRectF& area);

// A background for a window: a pale arena backdrop with a rink painted into part of it.
class RinkBackground : public QWidget {
  public:
    explicit RinkBackground(QWidget* parent = nullptr) : QWidget(parent) {}

    // A banner runs across the top, behind a window's title, down to just below `lowest` (a widget
    // laid out on this one); the rink fills the rest. Without a banner the rink fills everything.
    void SetBanner(const QWidget* lowest);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QWidget* bannerBottom_ = nullptr;
};

}  // namespace korvel::qt

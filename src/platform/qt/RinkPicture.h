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

    // Where the rink goes, in this widget's coordinates; an empty rectangle means everywhere.
    void SetRinkArea(const QRect& area);
    // The height of the banner across the top, behind a window's title; 0 for none.
    void SetBannerHeight(int height);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect rinkArea_;
    int bannerHeight_ = 0;
};

}  // namespace korvel::qt

#pragma once

#include <QImage>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace korvel::qt {

// Paints an ice-hockey rink seen from above into `area` (kept at a rink's proportions and centred):
// boards with rounded corners, ice in the palette's base colour, red centre and goal lines, blue
// lines, face-off circles and spots, creases and nets. The markings are faint so that text over
// them stays legible. `area` is in the image's logical pixels; the image is opaque
// (QImage::Format_RGB32).
void PaintRink(QImage& image, const QRectF& area, const QPalette& palette);

// A background for a window: an arena backdrop in the palette's window colour with a rink painted
// into part of it.
class RinkBackground : public QWidget {
  public:
    explicit RinkBackground(QWidget* parent = nullptr) : QWidget(parent) {}

    // A banner runs across the top, behind a window's title, down to just below `lowest` (a widget
    // laid out on this one); the rink fills the rest. Without a banner the rink fills everything.
    void SetBanner(const QWidget* lowest);
    // The rink lies behind `content` (a widget laid out on this one), centred on it and as large
    // as `region` (a widget holding it) lets a whole rink be, rather than filling what the banner
    // leaves; it always reaches past the content's top and bottom.
    void SetRinkArea(const QWidget* region, const QWidget* content);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintBackdrop(QImage& image, int bannerHeight, const QRect& rink) const;
    QRect RinkRect(int bannerHeight) const;

    const QWidget* bannerBottom_ = nullptr;
    const QWidget* rinkRegion_ = nullptr;
    const QWidget* rinkContent_ = nullptr;
    QImage picture_;
    int pictureBanner_ = -1;
    QRect pictureRink_;
    qint64 picturePalette_ = 0;
};

}  // namespace korvel::qt

#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>

namespace korvel::qt {

// Antialiased boxes, discs and rings written straight into the pixels of an opaque image
// (QImage::Format_RGB32), in device pixels. For these simple shapes the coverage of each pixel
// follows from a distance, which costs a small fraction of what the painter's general path
// filling does; a window's backdrop is painted with them.

// The colour of each device row: one colour, or shading evenly from `top` at device row `from`
// to `bottom` at row `to`.
class Shading {
  public:
    Shading(const QColor& colour) : Shading(colour, colour, 0, 0) {}
    Shading(const QColor& top, const QColor& bottom, double from, double to)
        : top_(top.rgba()), bottom_(bottom.rgba()), from_(from), to_(to) {}

    // Unpremultiplied ARGB.
    QRgb At(int y) const;

  private:
    QRgb top_;
    QRgb bottom_;
    double from_;
    double to_;
};

// Fills `box` (fractional edges are covered in part).
void FillBox(QImage& image, const QRectF& box, const Shading& colour);

// Fills the pixels of `clip` whose distance from `centre` lies between `inner` and `outer`: a disc
// when `inner` is 0, else a ring.
void FillBand(QImage& image, QPointF centre, double inner, double outer, const QRect& clip,
              const Shading& colour);

}  // namespace korvel::qt

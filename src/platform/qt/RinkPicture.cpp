#include "platform/qt/RinkPicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "platform/qt/PixelFill.h"
#include "platform/qt/Style.h"

namespace korvel::qt {

namespace {

// A rink's markings in feet: 200 by 85, corners of radius 28, goal lines 11 from the ends, blue
// lines 25 from the centre, end-zone circles 20 out from the goal lines and 22 off the middle.
constexpr double kLength = 200.0;
constexpr double kWidth = 85.0;
constexpr double kCornerRadius = 28.0;
constexpr double kGoalLine = 11.0;
constexpr double kBlueLine = 25.0;
constexpr double kCircleRadius = 15.0;
constexpr double kEndCircleFromGoalLine = 20.0;
constexpr double kSpotOffMiddle = 22.0;
constexpr double kNeutralSpotFromBlueLine = 5.0;
constexpr double kCreaseRadius = 6.0;

const QColor kRed(206, 52, 58, 105);
const QColor kBlue(52, 96, 200, 95);
const QColor kCrease(120, 170, 235, 55);
const QColor kNet(120, 120, 130, 120);
const QColor kKickPlate(230, 198, 90, 110);

// Maps rink feet (origin at the centre spot) to device pixels.
class RinkScale {
  public:
    RinkScale(const QRectF& area)
        : scale_(std::min(area.width() / kLength, area.height() / kWidth)),
          centre_(area.center()) {}

    double operator()(double feet) const { return feet * scale_; }
    QPointF At(double x, double y) const { return centre_ + QPointF(x * scale_, y * scale_); }
    QRectF Rink() const {
        return QRectF(At(-kLength / 2, -kWidth / 2), At(kLength / 2, kWidth / 2));
    }

  private:
    double scale_;
    QPointF centre_;
};

// How far a line across the rink at `x` (feet) reaches from the middle before it meets the boards:
// to the straight side, or less where it crosses a rounded corner.
double HalfWidthAt(double x) {
    const double intoCorner = std::abs(x) - (kLength / 2 - kCornerRadius);
    if (intoCorner <= 0) return kWidth / 2;
    return kWidth / 2 - kCornerRadius +
           std::sqrt(std::max(0.0, kCornerRadius * kCornerRadius - intoCorner * intoCorner));
}

// A line across the rink (or part of one), `width` pixels wide with square ends.
void FillAcross(QImage& image, QPointF from, QPointF to, double width, const QColor& colour) {
    FillBox(image, QRectF(from.x() - width / 2, from.y(), width, to.y() - from.y()).normalized(),
            colour);
}

// A rounded rectangle's four corners: the centre of each arc, and the pixels beyond the straight
// sides where only that arc is drawn. The sides end on whole pixels, so that arcs and sides meet
// without a seam.
struct Corners {
    Corners(const QRectF& rect, double radius)
        : Left(static_cast<int>(std::lround(rect.left() + radius))),
          Right(static_cast<int>(std::lround(rect.right() - radius))),
          Top(static_cast<int>(std::lround(rect.top() + radius))),
          Bottom(static_cast<int>(std::lround(rect.bottom() - radius))),
          rect_(rect),
          radius_(radius) {}

    template <class Draw>
    void Each(double margin, Draw draw) const {
        const int outLeft = static_cast<int>(std::floor(rect_.left() - margin)) - 1;
        const int outTop = static_cast<int>(std::floor(rect_.top() - margin)) - 1;
        const int outRight = static_cast<int>(std::ceil(rect_.right() + margin)) + 1;
        const int outBottom = static_cast<int>(std::ceil(rect_.bottom() + margin)) + 1;
        draw(QPointF(rect_.left() + radius_, rect_.top() + radius_),
             QRect(QPoint(outLeft, outTop), QPoint(Left - 1, Top - 1)));
        draw(QPointF(rect_.right() - radius_, rect_.top() + radius_),
             QRect(QPoint(Right, outTop), QPoint(outRight, Top - 1)));
        draw(QPointF(rect_.left() + radius_, rect_.bottom() - radius_),
             QRect(QPoint(outLeft, Bottom), QPoint(Left - 1, outBottom)));
        draw(QPointF(rect_.right() - radius_, rect_.bottom() - radius_),
             QRect(QPoint(Right, Bottom), QPoint(outRight, outBottom)));
    }

    int Left, Right, Top, Bottom;

  private:
    QRectF rect_;
    double radius_;
};

void FillRoundedRect(QImage& image, const QRectF& rect, double radius, const Shading& colour) {
    const Corners corners(rect, radius);
    FillBox(image, QRectF(corners.Left, rect.top(), corners.Right - corners.Left, rect.height()),
            colour);
    const double middle = corners.Bottom - corners.Top;
    FillBox(image, QRectF(rect.left(), corners.Top, corners.Left - rect.left(), middle), colour);
    FillBox(image, QRectF(corners.Right, corners.Top, rect.right() - corners.Right, middle),
            colour);
    corners.Each(0, [&](QPointF centre, const QRect& clip) {
        FillBand(image, centre, 0, radius, clip, colour);
    });
}

// A band `width` pixels wide centred on the outline of a rounded rectangle.
void FillRoundedOutline(QImage& image, const QRectF& rect, double radius, double width,
                        const QColor& colour) {
    const Corners corners(rect, radius);
    const double half = width / 2;
    const double across = corners.Right - corners.Left;
    const double down = corners.Bottom - corners.Top;
    FillBox(image, QRectF(corners.Left, rect.top() - half, across, width), colour);
    FillBox(image, QRectF(corners.Left, rect.bottom() - half, across, width), colour);
    FillBox(image, QRectF(rect.left() - half, corners.Top, width, down), colour);
    FillBox(image, QRectF(rect.right() - half, corners.Top, width, down), colour);
    corners.Each(half, [&](QPointF centre, const QRect& clip) {
        FillBand(image, centre, radius - half, radius + half, clip, colour);
    });
}

void FillRing(QImage& image, QPointF centre, double radius, double width, const QColor& colour) {
    FillBand(image, centre, radius - width / 2, radius + width / 2, image.rect(), colour);
}

void FillDisc(QImage& image, QPointF centre, double radius, const QColor& colour) {
    FillBand(image, centre, 0, radius, image.rect(), colour);
}

struct Pens {
    double Thin;  // circles, hash marks, nets
    double Goal;  // goal lines and crease edges
    double Wide;  // centre and blue lines
};

void PaintEnd(QImage& image, const RinkScale& feet, const Pens& pens, double side) {
    const double goalX = side * (kLength / 2 - kGoalLine);
    const double goalHalf = HalfWidthAt(goalX);
    FillAcross(image, feet.At(goalX, -goalHalf), feet.At(goalX, goalHalf), pens.Goal, kRed);

    // The crease: a half circle in front of the goal line, edged in red.
    const QPointF goalMouth = feet.At(goalX, 0);
    const int goalColumn = static_cast<int>(std::lround(goalMouth.x()));
    const QRect inFront = side > 0 ? QRect(QPoint(0, 0), QPoint(goalColumn - 1, image.height()))
                                   : QRect(QPoint(goalColumn, 0), image.rect().bottomRight());
    const double crease = feet(kCreaseRadius);
    FillBand(image, goalMouth, 0, crease, inFront, kCrease);
    FillBand(image, goalMouth, crease - pens.Goal / 2, crease + pens.Goal / 2, inFront, kRed);
    FillAcross(image, feet.At(goalX, -kCreaseRadius), feet.At(goalX, kCreaseRadius), pens.Goal,
               kRed);

    // The net behind the goal line.
    const QRectF net = QRectF(feet.At(goalX, -3), feet.At(goalX + side * 3.5, 3)).normalized();
    const double half = pens.Thin / 2;
    FillBox(image, QRectF(net.left() - half, net.top() - half, net.width() + pens.Thin, pens.Thin),
            kNet);
    FillBox(image,
            QRectF(net.left() - half, net.bottom() - half, net.width() + pens.Thin, pens.Thin),
            kNet);
    for (const double x : {net.left(), net.right()}) {
        FillBox(image, QRectF(x - half, net.top() + half, pens.Thin, net.height() - pens.Thin),
                kNet);
    }

    // End-zone face-off circles with their spots and hash marks.
    const double circleX = goalX - side * kEndCircleFromGoalLine;
    for (const double y : {-kSpotOffMiddle, kSpotOffMiddle}) {
        FillRing(image, feet.At(circleX, y), feet(kCircleRadius), pens.Thin, kRed);
        for (const double dx : {-3.0, 3.0}) {
            for (const double dy : {-kCircleRadius, kCircleRadius}) {
                const double outward = dy > 0 ? 2.0 : -2.0;
                FillAcross(image, feet.At(circleX + dx, y + dy),
                           feet.At(circleX + dx, y + dy + outward), pens.Thin, kRed);
            }
        }
        FillDisc(image, feet.At(circleX, y), feet(1.0), kRed);
    }

    // Neutral-zone spots just outside the blue line.
    const double neutralX = side * (kBlueLine - kNeutralSpotFromBlueLine);
    for (const double y : {-kSpotOffMiddle, kSpotOffMiddle}) {
        FillDisc(image, feet.At(neutralX, y), feet(1.0), kRed);
    }

    const double blueX = side * kBlueLine;
    FillAcross(image, feet.At(blueX, -kWidth / 2), feet.At(blueX, kWidth / 2), pens.Wide, kBlue);
}

// A colour `share` of the way from `from` to `to`.
QColor Mix(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(
        static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

}  // namespace

void PaintRink(QImage& image, const QRectF& area, const QPalette& palette) {
    // Sizes below are in device pixels; a line is never thinner than one logical pixel.
    const double pixel = image.devicePixelRatio();
    const RinkScale feet(QRectF(area.topLeft() * pixel, area.size() * pixel));
    const QRectF rink = feet.Rink();
    const double corner = feet(kCornerRadius);

    const QColor iceTop = palette.color(QPalette::Base);
    const QColor iceBottom = Mix(iceTop, palette.color(QPalette::Highlight), 0.06);
    FillRoundedRect(image, rink, corner, Shading(iceTop, iceBottom, rink.top(), rink.bottom()));

    const Pens pens{std::max(pixel, feet(0.4)), std::max(pixel, feet(0.5)),
                    std::max(2 * pixel, feet(1.0))};
    for (const double side : {-1.0, 1.0}) PaintEnd(image, feet, pens, side);
    FillAcross(image, feet.At(0, -kWidth / 2), feet.At(0, kWidth / 2), pens.Wide, kRed);
    FillRing(image, feet.At(0, 0), feet(kCircleRadius), pens.Thin, kBlue);
    FillDisc(image, feet.At(0, 0), feet(0.8), kBlue);

    // The boards, with a thin kick plate inside them.
    const double boards = std::max(2 * pixel, feet(1.2));
    FillRoundedOutline(image, rink, corner, boards, palette.color(QPalette::Mid));
    FillRoundedOutline(image, rink.adjusted(boards, boards, -boards, -boards), corner - boards,
                       pixel, kKickPlate);
}

void RinkBackground::SetBanner(const QWidget* lowest) {
    bannerBottom_ = lowest;
    update();
}

void RinkBackground::SetRinkArea(const QWidget* region, const QWidget* content) {
    rinkRegion_ = region;
    rinkContent_ = content;
    update();
}

QRect RinkBackground::RinkRect(int bannerHeight) const {
    const int rinkTop = bannerHeight > 0 ? bannerHeight + 8 : 0;
    const QRect below = rect().adjusted(6, rinkTop + 2, -6, -6);
    if (rinkRegion_ == nullptr || rinkContent_ == nullptr) return below;
    const QRect region(rinkRegion_->mapTo(this, QPoint(0, 0)), rinkRegion_->size());
    const QRect content(rinkContent_->mapTo(this, QPoint(0, 0)), rinkContent_->size());
    // As high as the region holds a whole rink, never lower than the content and a margin; the
    // window cuts off what lies beyond its edges.
    const int fits = std::min(region.height(), static_cast<int>(region.width() * kWidth / kLength));
    const int height = std::max(content.height() + 16, fits);
    const int length = static_cast<int>(height * kLength / kWidth);
    QRect rink(0, 0, length, height);
    rink.moveCenter(content.center());
    return rink;
}

void RinkBackground::paintEvent(QPaintEvent*) {
    if (!Decorations()) {
        QPainter(this).fillRect(rect(), palette().window());
        return;
    }
    const int bannerHeight = bannerBottom_ != nullptr ? bannerBottom_->geometry().bottom() + 8 : 0;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    // Painting the rink costs far more than copying it: it is painted again only when the size,
    // the banner or the palette change.
    const QRect rink = RinkRect(bannerHeight);
    if (picture_.size() != pixels || pictureBanner_ != bannerHeight || pictureRink_ != rink ||
        picturePalette_ != palette().cacheKey()) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        PaintBackdrop(picture_, bannerHeight, rink);
        pictureBanner_ = bannerHeight;
        pictureRink_ = rink;
        picturePalette_ = palette().cacheKey();
    }
    QPainter(this).drawImage(0, 0, picture_);
}

void RinkBackground::PaintBackdrop(QImage& image, int bannerHeight, const QRect& rink) const {
    const double pixel = image.devicePixelRatio();
    const double width = image.width();
    const QColor window = palette().color(QPalette::Window);
    FillBox(image, QRectF(image.rect()), Shading(window, window.darker(106), 0, image.height()));

    if (bannerHeight > 0) {
        const double bottom = bannerHeight * pixel;
        const QColor base = palette().color(QPalette::Base);
        FillBox(image, QRectF(0, 0, width, bottom),
                Shading(base, Mix(base, window, 0.5), 0, bottom));
        // A red and a blue stripe under the banner, as along the boards of an arena.
        FillBox(image, QRectF(0, bottom, width, 2 * pixel), QColor(206, 52, 58, 170));
        FillBox(image, QRectF(0, bottom + 2 * pixel, width, 2 * pixel), QColor(52, 96, 200, 150));
    }

    PaintRink(image, QRectF(rink), palette());
}

}  // namespace korvel::qt

#include "platform/qt/RinkPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

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

// Maps rink feet (origin at the centre spot) to pixels.
class RinkScale {
  public:
    RinkScale(const QRectF& area)
        : scale_(std::min(area.width() / kLength, area.height() / kWidth)),
          centre_(area.center()) {}

    double operator()(double feet) const { return feet * scale_; }
    QPointF At(double x, double y) const { return centre_ + QPointF(x * scale_, y * scale_); }
    QRectF Circle(double x, double y, double radius) const {
        return QRectF(At(x - radius, y - radius), At(x + radius, y + radius));
    }
    QRectF Rink() const {
        return QRectF(At(-kLength / 2, -kWidth / 2), At(kLength / 2, kWidth / 2));
    }

  private:
    double scale_;
    QPointF centre_;
};

QPen LinePen(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PaintEnd(QPainter& painter, const RinkScale& feet, double side) {
    const double goalX = side * (kLength / 2 - kGoalLine);
    const double halfWidth = kWidth / 2;

    painter.setPen(LinePen(kRed, std::max(1.0, feet(0.5))));
    painter.drawLine(feet.At(goalX, -halfWidth), feet.At(goalX, halfWidth));

    // The crease: a half circle in front of the goal line.
    QPainterPath crease;
    crease.moveTo(feet.At(goalX, -kCreaseRadius));
    crease.arcTo(feet.Circle(goalX, 0, kCreaseRadius), 90, side > 0 ? 180 : -180);
    crease.closeSubpath();
    painter.setBrush(kCrease);
    painter.drawPath(crease);

    // The net behind the goal line.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(LinePen(QColor(120, 120, 130, 120), std::max(1.0, feet(0.4))));
    const QRectF net(feet.At(goalX, -3), feet.At(goalX + side * 3.5, 3));
    painter.drawRect(net.normalized());

    // End-zone face-off circles with their spots and hash marks.
    const double circleX = goalX - side * kEndCircleFromGoalLine;
    for (const double y : {-kSpotOffMiddle, kSpotOffMiddle}) {
        painter.setPen(LinePen(kRed, std::max(1.0, feet(0.4))));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(feet.Circle(circleX, y, kCircleRadius));
        for (const double dx : {-3.0, 3.0}) {
            for (const double dy : {-kCircleRadius, kCircleRadius}) {
                const double outward = dy > 0 ? 2.0 : -2.0;
                painter.drawLine(feet.At(circleX + dx, y + dy),
                                 feet.At(circleX + dx, y + dy + outward));
            }
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRed);
        painter.drawEllipse(feet.Circle(circleX, y, 1.0));
    }

    // Neutral-zone spots just outside the blue line.
    const double neutralX = side * (kBlueLine - kNeutralSpotFromBlueLine);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    for (const double y : {-kSpotOffMiddle, kSpotOffMiddle}) {
        painter.drawEllipse(feet.Circle(neutralX, y, 1.0));
    }

    painter.setPen(LinePen(kBlue, std::max(2.0, feet(1.0))));
    painter.setBrush(Qt::NoBrush);
    const double blueX = side * kBlueLine;
    painter.drawLine(feet.At(blueX, -halfWidth), feet.At(blueX, halfWidth));
}

// A colour `share` of the way from `from` to `to`.
QColor Mix(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(
        static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

}  // namespace

void PaintRink(QPainter& painter, const QRectF& area, const QPalette& palette) {
    const QColor iceTop = palette.color(QPalette::Base);
    const QColor iceBottom = Mix(iceTop, palette.color(QPalette::Highlight), 0.06);
    const QColor boards = palette.color(QPalette::Mid);
    const RinkScale feet(area);
    const QRectF rink = feet.Rink();
    const double corner = feet(kCornerRadius);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.addRoundedRect(rink, corner, corner);
    QLinearGradient ice(rink.topLeft(), rink.bottomLeft());
    ice.setColorAt(0, iceTop);
    ice.setColorAt(1, iceBottom);
    painter.fillPath(outline, ice);

    painter.setClipPath(outline);
    for (const double side : {-1.0, 1.0}) PaintEnd(painter, feet, side);

    painter.setPen(LinePen(kRed, std::max(2.0, feet(1.0))));
    painter.drawLine(feet.At(0, -kWidth / 2), feet.At(0, kWidth / 2));
    painter.setPen(LinePen(kBlue, std::max(1.0, feet(0.4))));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(feet.Circle(0, 0, kCircleRadius));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawEllipse(feet.Circle(0, 0, 0.8));
    painter.setClipping(false);

    // The boards, with a thin kick plate inside them.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(boards, std::max(2.0, feet(1.2))));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(230, 198, 90, 110), 1.0));
    const double inset = std::max(2.0, feet(1.2));
    painter.drawRoundedRect(rink.adjusted(inset, inset, -inset, -inset), corner - inset,
                            corner - inset);
    painter.restore();
}

void RinkBackground::SetBanner(const QWidget* lowest) {
    bannerBottom_ = lowest;
    update();
}

void RinkBackground::paintEvent(QPaintEvent*) {
    const int bannerHeight = bannerBottom_ != nullptr ? bannerBottom_->geometry().bottom() + 8 : 0;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    // Painting the rink costs far more than copying it: it is painted again only when the size,
    // the banner or the palette change.
    if (picture_.size() != pixels || pictureBanner_ != bannerHeight ||
        picturePalette_ != palette().cacheKey()) {
        picture_ = QPixmap(pixels);
        picture_.setDevicePixelRatio(ratio);
        QPainter painter(&picture_);
        PaintBackdrop(painter, bannerHeight);
        pictureBanner_ = bannerHeight;
        picturePalette_ = palette().cacheKey();
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}

void RinkBackground::PaintBackdrop(QPainter& painter, int bannerHeight) const {
    const QColor window = palette().color(QPalette::Window);
    QLinearGradient backdrop(0, 0, 0, height());
    backdrop.setColorAt(0, window);
    backdrop.setColorAt(1, window.darker(106));
    painter.fillRect(rect(), backdrop);

    if (bannerHeight > 0) {
        const QRect banner(0, 0, width(), bannerHeight);
        QLinearGradient shine(banner.topLeft(), banner.bottomLeft());
        shine.setColorAt(0, palette().color(QPalette::Base));
        shine.setColorAt(1, Mix(palette().color(QPalette::Base), window, 0.5));
        painter.fillRect(banner, shine);
        // A red and a blue stripe under the banner, as along the boards of an arena.
        painter.fillRect(QRect(0, bannerHeight, width(), 2), QColor(206, 52, 58, 170));
        painter.fillRect(QRect(0, bannerHeight + 2, width(), 2), QColor(52, 96, 200, 150));
    }

    const int rinkTop = bannerHeight > 0 ? bannerHeight + 8 : 0;
    PaintRink(painter, QRectF(rect().adjusted(6, rinkTop + 2, -6, -6)), palette());
}

}  // namespace korvel::qt

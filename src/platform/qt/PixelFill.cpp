#include "platform/qt/PixelFill.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvel::qt {

namespace {

// A colour taken apart once per row rather than once per pixel.
struct Ink {
    explicit Ink(QRgb colour)
        : Red(qRed(colour)),
          Green(qGreen(colour)),
          Blue(qBlue(colour)),
          Alpha(qAlpha(colour)),
          Solid(qRgb(Red, Green, Blue)) {}

    // Lays the ink, `coverage` (0 to 1) of it, over an opaque pixel.
    void Over(QRgb& pixel, double coverage) const {
        const int alpha = static_cast<int>(Alpha * coverage + 0.5);
        if (alpha <= 0) return;
        if (alpha >= 255) {
            pixel = Solid;
            return;
        }
        const unsigned keep = 255 - alpha;
        // (x + 128 + (x + 128) / 256) / 256 is x / 255 rounded, for x up to 255 * 255.
        const auto mix = [&](unsigned ink, unsigned under) {
            const unsigned sum = ink * static_cast<unsigned>(alpha) + under * keep + 128;
            return static_cast<int>((sum + (sum >> 8)) >> 8);
        };
        pixel = qRgb(mix(Red, qRed(pixel)), mix(Green, qGreen(pixel)), mix(Blue, qBlue(pixel)));
    }

    // Covers pixels `first` to `last` of `line` whole.
    void Run(QRgb* line, int first, int last) const {
        if (last < first) return;
        if (Alpha < 255) {
            for (int x = first; x <= last; ++x) Over(line[x], 1.0);
            return;
        }
        // Doubling copies: a long run costs a few block copies rather than a store per pixel.
        QRgb* run = line + first;
        const std::size_t count = static_cast<std::size_t>(last - first + 1);
        run[0] = Solid;
        for (std::size_t done = 1; done < count; done *= 2) {
            std::memcpy(run + done, run, std::min(done, count - done) * sizeof(QRgb));
        }
    }

    int Red, Green, Blue, Alpha;
    QRgb Solid;
};

// How much of the pixel cell [cell, cell + 1) lies within [from, to).
double Overlap(double from, double to, int cell) {
    return std::clamp(std::min(to, cell + 1.0) - std::max(from, static_cast<double>(cell)), 0.0,
                      1.0);
}

// The rows of an image, found without a call per row.
class Rows {
  public:
    explicit Rows(QImage& image) : bits_(image.bits()), stride_(image.bytesPerLine()) {}
    QRgb* operator[](int y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }

  private:
    uchar* bits_;
    qsizetype stride_;
};

}  // namespace

QRgb Shading::At(int y) const {
    if (top_ == bottom_) return top_;
    const double share = to_ > from_ ? std::clamp((y + 0.5 - from_) / (to_ - from_), 0.0, 1.0) : 0;
    const auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return qRgba(mix(qRed(top_), qRed(bottom_)), mix(qGreen(top_), qGreen(bottom_)),
                 mix(qBlue(top_), qBlue(bottom_)), mix(qAlpha(top_), qAlpha(bottom_)));
}

void FillBox(QImage& image, const QRectF& box, const Shading& colour) {
    const QRect pixels = box.toAlignedRect() & image.rect();
    if (pixels.isEmpty()) return;
    const Rows rows(image);
    // Only the first and last columns can be covered in part.
    const double firstColumn = Overlap(box.left(), box.right(), pixels.left());
    const double lastColumn = Overlap(box.left(), box.right(), pixels.right());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const double rowCover = Overlap(box.top(), box.bottom(), y);
        const Ink ink(colour.At(y));
        QRgb* line = rows[y];
        ink.Over(line[pixels.left()], rowCover * firstColumn);
        if (pixels.width() == 1) continue;
        if (rowCover >= 1.0) {
            ink.Run(line, pixels.left() + 1, pixels.right() - 1);
        } else {
            for (int x = pixels.left() + 1; x < pixels.right(); ++x) ink.Over(line[x], rowCover);
        }
        ink.Over(line[pixels.right()], rowCover * lastColumn);
    }
}

void FillBand(QImage& image, QPointF centre, double inner, double outer, const QRect& clip,
              const Shading& colour) {
    // A pixel is covered in part when its centre lies within half a pixel of either edge.
    const double reach = outer + 0.5;
    const double hole = inner - 0.5;
    const QRect bounds =
        QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach).toAlignedRect();
    const QRect pixels = bounds & clip & image.rect();
    if (pixels.isEmpty()) return;
    const Rows rows(image);
    const double thickness = outer - inner;
    // Pixels whose centres lie between these distances are covered whole.
    const double wholeOuter = outer - 0.5;
    const double wholeInner = inner > 0 ? inner + 0.5 : 0.0;
    const bool anyWhole = thickness >= 1.0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const double dy = y + 0.5 - centre.y();
        if (std::abs(dy) >= reach) continue;
        const double across = std::sqrt(reach * reach - dy * dy);
        const double gap = hole > 0 && std::abs(dy) < hole ? std::sqrt(hole * hole - dy * dy) : 0;
        const Ink ink(colour.At(y));
        QRgb* line = rows[y];
        // The columns covered whole on this row: within `solid` of the centre, beyond `clear`.
        const double solid = anyWhole && std::abs(dy) < wholeOuter
                                 ? std::sqrt(wholeOuter * wholeOuter - dy * dy)
                                 : -1.0;
        const double clear =
            std::abs(dy) < wholeInner ? std::sqrt(wholeInner * wholeInner - dy * dy) : 0.0;
        const auto inPart = [&](int x) {
            const double dx = x + 0.5 - centre.x();
            const double distance = std::sqrt(dx * dx + dy * dy);
            double cover = outer - distance + 0.5;
            if (inner > 0) cover = std::min(cover, distance - inner + 0.5);
            ink.Over(line[x], std::clamp(std::min(cover, thickness), 0.0, 1.0));
        };
        // Pixels `first` to `last`, those between `wholeFrom` and `wholeTo` covered whole.
        const auto run = [&](int first, int last, double wholeFrom, double wholeTo) {
            first = std::max(first, pixels.left());
            last = std::min(last, pixels.right());
            const int solidFirst = std::max(first, static_cast<int>(std::ceil(wholeFrom - 0.5)));
            const int solidLast = std::min(last, static_cast<int>(std::floor(wholeTo - 0.5)));
            if (solid < 0 || solidFirst > solidLast) {
                for (int x = first; x <= last; ++x) inPart(x);
                return;
            }
            for (int x = first; x < solidFirst; ++x) inPart(x);
            ink.Run(line, solidFirst, solidLast);
            for (int x = solidLast + 1; x <= last; ++x) inPart(x);
        };
        const double cx = centre.x();
        const int left = static_cast<int>(std::floor(cx - across - 0.5));
        const int right = static_cast<int>(std::ceil(cx + across - 0.5));
        // The row crosses the band left and right of the centre; without a gap the runs meet.
        if (gap > 0 || clear > 0) {
            const int middle = static_cast<int>(std::floor(cx - 0.5));
            run(left, std::min(middle, static_cast<int>(std::ceil(cx - gap - 0.5))), cx - solid,
                cx - clear);
            run(std::max(middle + 1, static_cast<int>(std::floor(cx + gap - 0.5))), right,
                cx + clear, cx + solid);
        } else {
            run(left, right, cx - solid, cx + solid);
        }
    }
}

}  // namespace korvel::qt

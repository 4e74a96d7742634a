#include "platform/qt/PixelFill.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace korvel::test {
namespace {

const QColor kRed(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kAllRed = qRgb(255, 0, 0);
const QRgb kHalfRed = qRgb(255, 127, 127);

QImage WhiteImage() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Within 1 of each channel, and opaque.
void ExpectPixel(const QImage& image, QPoint at, QRgb expected, const std::string& name) {
    const QRgb got = image.pixel(at);
    EXPECT_LE(std::abs(qRed(got) - qRed(expected)), 1) << name;
    EXPECT_LE(std::abs(qGreen(got) - qGreen(expected)), 1) << name;
    EXPECT_LE(std::abs(qBlue(got) - qBlue(expected)), 1) << name;
    EXPECT_EQ(qAlpha(got), 255) << name;
}

struct BoxCase {
    std::string Name;
    QRectF Box;
    qt::Shading Colour;
    QPoint Pixel;
    QRgb Expected;
};

TEST(PixelFill, BoxCoversEachPixelByItsShare) {
    const qt::Shading blackToWhite(Qt::black, Qt::white, 0, 8);
    const std::vector<BoxCase> cases = {
        {"inside", {1, 1, 3, 3}, kRed, {2, 2}, kAllRed},
        {"last column and row", {1, 1, 3, 3}, kRed, {3, 3}, kAllRed},
        {"beside it", {1, 1, 3, 3}, kRed, {4, 2}, kWhite},
        {"half a column", {1.5, 1, 3, 3}, kRed, {1, 2}, kHalfRed},
        {"half a row", {1, 1, 3, 2.5}, kRed, {2, 3}, kHalfRed},
        {"half transparent", {0, 0, 8, 8}, QColor(255, 0, 0, 128), {5, 5}, kHalfRed},
        {"shaded, top row", {0, 0, 8, 8}, blackToWhite, {3, 0}, qRgb(16, 16, 16)},
        {"shaded, bottom row", {0, 0, 8, 8}, blackToWhite, {3, 7}, qRgb(239, 239, 239)},
    };
    for (const BoxCase& c : cases) {
        QImage image = WhiteImage();
        qt::FillBox(image, c.Box, c.Colour);
        ExpectPixel(image, c.Pixel, c.Expected, c.Name);
    }
}

struct BandCase {
    std::string Name;
    QPointF Centre;
    double Inner;
    double Outer;
    QRect Clip;
    QPoint Pixel;
    QRgb Expected;
};

TEST(PixelFill, DiscsAndRingsCoverEachPixelByItsShare) {
    const QRect all(0, 0, 8, 8);
    const std::vector<BandCase> cases = {
        {"disc, centre", {4, 4}, 0, 3, all, {4, 4}, kAllRed},
        {"disc, corner outside", {4, 4}, 0, 3, all, {0, 0}, kWhite},
        {"disc, on its edge", {4, 4.5}, 0, 3.5, all, {7, 4}, kHalfRed},
        {"disc, clipped away", {4, 4}, 0, 3, QRect(0, 0, 4, 8), {4, 4}, kWhite},
        {"ring, its hole", {4, 4}, 2, 4, all, {4, 4}, kWhite},
        {"ring, its band", {4, 4}, 2, 4, all, {4, 1}, kAllRed},
        {"ring, thinner than a pixel", {4.5, 4.5}, 2.75, 3.25, all, {4, 1}, kHalfRed},
    };
    for (const BandCase& c : cases) {
        QImage image = WhiteImage();
        qt::FillBand(image, c.Centre, c.Inner, c.Outer, c.Clip, kRed);
        ExpectPixel(image, c.Pixel, c.Expected, c.Name);
    }
}

}  // namespace
}  // namespace korvel::test

#include "platform/qt/PixelFill.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace korvel::test {
namespace {

using qt::FillBand;
using qt::FillBox;

struct FillCase {
    std::string Name;
    std::function<void(QImage&)> Draw;
    QPoint Pixel;
    QRgb Expected;
};

// Each case fills an 8x8 white image and reads one pixel, within 1 of each channel.
TEST(PixelFill, CoversEachPixelByItsShareOfTheShape) {
    const QColor red(255, 0, 0);
    const QColor halfRed(255, 0, 0, 128);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb halfWay = qRgb(255, 127, 127);
    const std::vector<FillCase> cases = {
        {"box, whole pixel", [&](QImage& i) { FillBox(i, QRectF(1, 1, 3, 3), red); }, {2, 2},
         qRgb(255, 0, 0)},
        {"box, first and last columns", [&](QImage& i) { FillBox(i, QRectF(1, 1, 3, 3), red); },
         {1, 3}, qRgb(255, 0, 0)},
        {"box, beside it", [&](QImage& i) { FillBox(i, QRectF(1, 1, 3, 3), red); }, {4, 2}, white},
        {"box, half a column", [&](QImage& i) { FillBox(i, QRectF(1.5, 1, 3, 3), red); }, {1, 2},
         halfWay},
        {"box, half a row", [&](QImage& i) { FillBox(i, QRectF(1, 1, 3, 2.5), red); }, {2, 3},
         halfWay},
        {"box, half transparent", [&](QImage& i) { FillBox(i, QRectF(0, 0, 8, 8), halfRed); },
         {5, 5}, qRgb(255, 127, 127)},
        {"box, shaded, top row",
         [&](QImage& i) { FillBox(i, QRectF(0, 0, 8, 8), qt::Shading(Qt::black, Qt::white, 0, 8)); },
         {3, 0}, qRgb(16, 16, 16)},
        {"box, shaded, bottom row",
         [&](QImage& i) { FillBox(i, QRectF(0, 0, 8, 8), qt::Shading(Qt::black, Qt::white, 0, 8)); },
         {3, 7}, qRgb(239, 239, 239)},
        {"disc, centre", [&](QImage& i) { FillBand(i, {4, 4}, 0, 3, i.rect(), red); }, {4, 4},
         qRgb(255, 0, 0)},
        {"disc, corner outside",
         [&](QImage& i) { FillBand(i, {4, 4}, 0, 3, i.rect(), red); }, {0, 0}, white},
        {"disc, on its edge", [&](QImage& i) { FillBand(i, {4, 4.5}, 0, 3.5, i.rect(), red); },
         {7, 4}, halfWay},
        {"disc, clipped away",
         [&](QImage& i) { FillBand(i, {4, 4}, 0, 3, QRect(0, 0, 4, 8), red); }, {4, 4}, white},
        {"ring, its hole", [&](QImage& i) { FillBand(i, {4, 4}, 2, 4, i.rect(), red); }, {4, 4},
         white},
        {"ring, its band", [&](QImage& i) { FillBand(i, {4, 4}, 2, 4, i.rect(), red); }, {4, 1},
         qRgb(255, 0, 0)},
        {"ring, thinner than a pixel",
         [&](QImage& i) { FillBand(i, {4.5, 4.5}, 2.75, 3.25, i.rect(), red); }, {4, 1}, halfWay},
    };
    for (const FillCase& c : cases) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(white);
        c.Draw(image);
        const QRgb got = image.pixel(c.Pixel);
        EXPECT_LE(std::abs(qRed(got) - qRed(c.Expected)), 1) << c.Name;
        EXPECT_LE(std::abs(qGreen(got) - qGreen(c.Expected)), 1) << c.Name;
        EXPECT_LE(std::abs(qBlue(got) - qBlue(c.Expected)), 1) << c.Name;
        EXPECT_EQ(qAlpha(got), 255) << c.Name;
    }
}

}  // namespace
}  // namespace korvel::test

// Sizes and pictures the painted pieces work out once and keep: each must follow what it depends
// on (the font, the widest caption, the position, the selection), never show a stale one.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/qt/PositionBadge.h"
#include "platform/qt/Positions.h"
#include "platform/qt/SlotLabel.h"

namespace korvel::test {
namespace {

QFont FontOfSize(int points, bool bold = false) {
    QFont font = QApplication::font();
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// What a slot is told, in the order told.
struct SlotSetting {
    std::string Name;
    std::function<void(qt::SlotLabel&)> Apply;
};

// After each step a slot that was asked for its sizes all along asks for the same sizes as a new
// slot given the same settings at once.
TEST(KeptSizes, ASlotsSizeHintsFollowItsFontAndWidestCaption) {
    const std::vector<SlotSetting> steps = {
        {"widest caption", [](qt::SlotLabel& slot) { slot.SetWidestCaption("Ann Lee"); }},
        {"a wider caption",
         [](qt::SlotLabel& slot) { slot.SetWidestCaption("Maximilian Vandersloot-Hughes"); }},
        {"a larger font", [](qt::SlotLabel& slot) { slot.setFont(FontOfSize(18, true)); }},
        {"a smaller font", [](qt::SlotLabel& slot) { slot.setFont(FontOfSize(7, true)); }},
        {"wider margins", [](qt::SlotLabel& slot) { slot.setContentsMargins(30, 0, 30, 0); }},
        {"a narrow caption", [](qt::SlotLabel& slot) { slot.SetWidestCaption("Bo"); }},
        {"a caption shown", [](qt::SlotLabel& slot) { slot.setText("Maximilian"); }},
    };
    qt::SlotLabel kept;
    std::vector<const SlotSetting*> told;
    for (const SlotSetting& step : steps) {
        kept.sizeHint();
        kept.minimumSizeHint();
        step.Apply(kept);
        told.push_back(&step);
        qt::SlotLabel fresh;
        for (const SlotSetting* setting : told) setting->Apply(fresh);
        EXPECT_EQ(kept.sizeHint(), fresh.sizeHint()) << step.Name;
        EXPECT_EQ(kept.minimumSizeHint(), fresh.minimumSizeHint()) << step.Name;
    }
    // The steps did change the size: a size kept from the start would not have passed.
    qt::SlotLabel untouched;
    EXPECT_NE(kept.sizeHint(), untouched.sizeHint());
}

TEST(KeptSizes, ABadgeIsMeasuredInTheFontItIsAskedFor) {
    const QSize small = qt::PositionBadgeSize(FontOfSize(8));
    const QSize large = qt::PositionBadgeSize(FontOfSize(20));
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());
    // Asked again in the first font, the first size comes back, not the last one measured.
    EXPECT_EQ(qt::PositionBadgeSize(FontOfSize(8)), small);
    for (int points = 6; points <= 24; points += 2) {
        const QSize size = qt::PositionBadgeSize(FontOfSize(points));
        const QFontMetrics bold(FontOfSize(points, true));
        EXPECT_EQ(size.height(), bold.height() + 2) << points << " pt";
        EXPECT_GE(size.width(), bold.horizontalAdvance("LW")) << points << " pt";
    }
}

// A badge painted onto a white picture the size of its area.
QImage PaintedBadge(const qt::PositionLook& look, bool onSelection, const QFont& font) {
    const QSize size = qt::PositionBadgeSize(font);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    qt::PaintPositionBadge(painter, QRect(QPoint(0, 0), size), look, onSelection);
    painter.end();
    return image;
}

// White or within the few levels antialiasing leaves off it.
bool Whitish(const QColor& colour) {
    return colour.red() >= 235 && colour.green() >= 235 && colour.blue() >= 235;
}

struct BadgeCase {
    int Position;
    bool OnSelection;
};

// Badges of every position and state, painted in turns so that each comes from the kept pictures
// but for the first: each shows its own colour, its ring only on a selected row, and its letters.
TEST(KeptSizes, EachBadgeShowsItsPositionAndState) {
    const QFont font = FontOfSize(11);
    std::vector<BadgeCase> cases;
    for (int round = 0; round < 2; ++round) {
        for (int position = 0; position < 5; ++position) {
            cases.push_back({position, false});
            cases.push_back({position, true});
        }
    }
    for (const BadgeCase& c : cases) {
        const qt::PositionLook& look = *qt::LookOfPosition(c.Position);
        const QImage badge = PaintedBadge(look, c.OnSelection, font);
        const int middle = badge.height() / 2;
        // Left of the letters, inside the pill's round end.
        const QPoint fill(badge.height() / 4, middle);
        EXPECT_EQ(badge.pixelColor(fill), look.Colour) << look.Name.toStdString();
        // The pill's left edge: a white ring on a selected row, the pill's colour blending into
        // the white picture otherwise.
        EXPECT_EQ(Whitish(badge.pixelColor(0, middle)), c.OnSelection) << look.Name.toStdString();
        // The white letters in the middle.
        bool letters = false;
        for (int x = badge.width() / 3; x < badge.width() * 2 / 3; ++x) {
            letters = letters || Whitish(badge.pixelColor(x, middle));
        }
        EXPECT_TRUE(letters) << look.Name.toStdString();
    }
}

TEST(KeptSizes, ABadgeInALargerFontIsPaintedLarger) {
    const qt::PositionLook& centre = *qt::LookOfPosition(0);
    const QImage small = PaintedBadge(centre, false, FontOfSize(8));
    const QImage large = PaintedBadge(centre, false, FontOfSize(20));
    // The pill fills its area at either size: its colour at the same place relative to its size.
    EXPECT_EQ(small.pixelColor(small.height() / 2, small.height() / 2), centre.Colour);
    EXPECT_EQ(large.pixelColor(large.height() / 2, large.height() / 2), centre.Colour);
    // A small badge's picture drawn into a large area would leave the area's far end white.
    EXPECT_EQ(large.pixelColor(large.width() - large.height() / 2, large.height() / 2),
              centre.Colour);
}

}  // namespace
}  // namespace korvel::test

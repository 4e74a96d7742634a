#include <QApplication>
#include <QDragEnterEvent>
#include <QImage>
#include <QListWidget>
#include <QMimeData>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/FlatButton.h"
#include "platform/qt/SlotLabel.h"
#include "platform/qt/Style.h"
#include "windows/lines/qt/RowCaption.h"
#include "windows/player/qt/CardPieces.h"
#include "windows/team/qt/TeamPieces.h"

namespace korvel::test {
namespace {

using qt::FlatButton;

// A palette whose roles are told apart by their pixels.
QPalette Distinct() {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Base, QColor(200, 210, 220));
    palette.setColor(QPalette::AlternateBase, QColor(150, 160, 170));
    palette.setColor(QPalette::Highlight, QColor(0, 90, 200));
    palette.setColor(QPalette::Mid, QColor(90, 90, 90));
    return palette;
}

QColor PixelAt(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixelColor(at);
}

struct ButtonCase {
    std::string Name;
    FlatButton::Kind Kind;
    bool Checked;
    QColor Fill;
};

TEST(PaintedControls, ButtonsFillAsTheirKindAndStateSay) {
    const QColor accent(200, 16, 46);
    const std::vector<ButtonCase> cases = {
        {"plain", FlatButton::Kind::Plain, true, Distinct().color(QPalette::Button)},
        {"view chosen", FlatButton::Kind::View, true, Distinct().color(QPalette::Highlight)},
        {"view not chosen", FlatButton::Kind::View, false, Distinct().color(QPalette::Button)},
        {"primary", FlatButton::Kind::Primary, false, Distinct().color(QPalette::Highlight)},
        {"filter on", FlatButton::Kind::Filter, true, accent},
        {"filter off", FlatButton::Kind::Filter, false, Distinct().color(QPalette::Button)},
    };
    for (const ButtonCase& c : cases) {
        FlatButton button(nullptr);
        button.setPalette(Distinct());
        button.SetKind(c.Kind, c.Kind == FlatButton::Kind::Filter ? accent : QColor());
        button.setCheckable(true);
        button.setChecked(c.Checked);
        button.resize(60, 24);
        EXPECT_EQ(PixelAt(button, {30, 12}), c.Fill) << c.Name;
    }
}

struct SlotCase {
    std::string Name;
    QString Caption;
    bool DraggedOver;
    QColor Inside;
    QColor Frame;
    bool Refuses = false;  // a list entry the slot does not take is dragged over it
};

// Drags the one entry of a list over `slot`, as the lines window's candidate list does.
void DragEntryOver(qt::SlotLabel& slot) {
    QListWidget list;
    list.addItem("Ann");
    std::unique_ptr<QMimeData> mime(list.model()->mimeData({list.model()->index(0, 0)}));
    QDragEnterEvent enter(slot.rect().center(), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&slot, &enter);
}

// Whether a pixel of the slot's top edge has `colour`: a dashed frame shows it between gaps.
bool TopEdgeShows(QWidget& slot, const QColor& colour) {
    for (int x = 20; x < slot.width() - 20; ++x) {
        if (PixelAt(slot, {x, 1}) == colour) return true;
    }
    return false;
}

TEST(PaintedControls, SlotsShowFilledEmptyAndDraggedOver) {
    const QPalette palette = Distinct();
    const std::vector<SlotCase> cases = {
        {"filled", "Ann", false, palette.color(QPalette::Base), palette.color(QPalette::Mid)},
        {"empty", "", false, palette.color(QPalette::AlternateBase), {}},
        {"dragged over", "Ann", true, palette.color(QPalette::Base),
         palette.color(QPalette::Highlight)},
        {"refusing", "Ann", false, palette.color(QPalette::Base), QColor("#c8102e"), true},
    };
    for (const SlotCase& c : cases) {
        qt::SlotLabel slot;
        slot.setPalette(palette);
        slot.setText(c.Caption);
        slot.ShowFilled();
        slot.ShowDragOver(c.DraggedOver);
        slot.resize(160, 30);
        if (c.Refuses) {
            slot.Takes = [](int) { return false; };
            DragEntryOver(slot);
            EXPECT_TRUE(TopEdgeShows(slot, c.Frame)) << c.Name;
            continue;
        }
        EXPECT_EQ(slot.property("filled").toBool(), !c.Caption.isEmpty()) << c.Name;
        EXPECT_EQ(PixelAt(slot, {150, 15}), c.Inside) << c.Name;
        // An empty slot's frame is dashed: no pixel of it is sure to be drawn.
        if (c.Frame.isValid()) {
            EXPECT_EQ(PixelAt(slot, {80, 0}), c.Frame) << c.Name;
        }
    }
}

struct PieceCase {
    std::string Name;
    std::function<std::unique_ptr<QWidget>()> Make;
    QColor Fill;  // at the piece's middle, clear of any text
};

// The pieces take their colours from the palette they are given, or keep their own fixed ones.
TEST(PaintedControls, PiecesFillWithTheirColours) {
    const QPalette palette = Distinct();
    const std::vector<PieceCase> cases = {
        {"card section", [] { return std::make_unique<CardSection>(nullptr); },
         palette.color(QPalette::Base)},
        {"row caption", [] { return std::make_unique<RowCaption>(nullptr); },
         palette.color(QPalette::Base)},
        {"veteran tag", [] { return std::make_unique<ExperienceTag>(nullptr); }, QColor("#e9eef5")},
        {"rookie tag",
         [] {
             auto tag = std::make_unique<ExperienceTag>(nullptr);
             tag->SetRookie(true);
             return tag;
         },
         QColor("#ffd166")},
    };
    for (const PieceCase& c : cases) {
        const std::unique_ptr<QWidget> piece = c.Make();
        piece->setPalette(palette);
        piece->resize(80, 24);
        EXPECT_EQ(PixelAt(*piece, {40, 12}), c.Fill) << c.Name;
    }
}

TEST(PaintedControls, AListKeepsOnlyItsRulesOfTheSharedSheet) {
    const QString rules = qt::StyleSheetOf("QListWidget");
    EXPECT_TRUE(rules.contains("QListWidget::item:selected {"));
    EXPECT_TRUE(rules.contains("QListWidget:focus {"));
    EXPECT_FALSE(rules.contains("QLabel"));
    EXPECT_FALSE(rules.contains("QPushButton"));
    EXPECT_FALSE(rules.contains("/*"));
}

}  // namespace
}  // namespace korvel::test

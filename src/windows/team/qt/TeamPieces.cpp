#include "windows/team/qt/TeamPieces.h"

#include <QPainter>

#include "platform/qt/Style.h"

namespace korvel {

namespace {

const QColor kPanelBackground(4, 12, 28, 150);
const QColor kPanelFrame(255, 255, 255, 45);
const QColor kHeadingText("#ffd25e");
const QColor kHeadingRule(255, 255, 255, 60);
const QColor kCaptionText("#b9cde6");

constexpr int kHeadingGap = 4;     // between a heading's text and its rule
constexpr int kHeadingIndent = 4;  // of the text and its rule, from the panel's other rows

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, colour);
    widget.setPalette(colours);
}

void MakeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

}  // namespace

TeamPanel::TeamPanel(QWidget* parent) : QFrame(parent) {
    if (qt::Decorations()) setContentsMargins(1, 1, 1, 1);  // room for the frame
}

void TeamPanel::paintEvent(QPaintEvent* event) {
    if (!qt::Decorations()) {
        QFrame::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPanelFrame, 1));
    painter.setBrush(kPanelBackground);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

PanelHeading::PanelHeading(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont font = this->font();
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    setFont(font);
    if (!qt::Decorations()) return;
    SetTextColour(*this, kHeadingText);
    setContentsMargins(kHeadingIndent, 0, 0, kHeadingGap + 1);
}

void PanelHeading::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!qt::Decorations()) return;
    QPainter painter(this);
    painter.setPen(kHeadingRule);
    painter.drawLine(kHeadingIndent, height() - 1, width() - 1, height() - 1);
}

void ShowAsTeamCaption(QLabel& label) {
    MakeBold(label);
    if (qt::Decorations()) SetTextColour(label, kCaptionText);
}

}  // namespace korvel

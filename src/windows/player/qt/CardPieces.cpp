#include "windows/player/qt/CardPieces.h"

#include <QPainter>

#include "platform/qt/Style.h"

namespace korvel {

namespace {

const QColor kTagText("#14213d");
const QColor kTagBackground("#e9eef5");
const QColor kRookieBackground("#ffd166");

}  // namespace

CardSection::CardSection(QWidget* parent) : QWidget(parent) {}

void CardSection::paintEvent(QPaintEvent*) {
    if (!qt::Decorations()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

ExperienceTag::ExperienceTag(QWidget* parent) : QLabel(parent) {
    setContentsMargins(14, 1, 14, 1);
    setAlignment(Qt::AlignCenter);
}

void ExperienceTag::SetRookie(bool rookie) {
    if (rookie == rookie_) return;
    rookie_ = rookie;
    update();
}

void ExperienceTag::paintEvent(QPaintEvent* event) {
    if (!qt::Decorations()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rookie_ ? kRookieBackground : kTagBackground);
    const qreal radius = std::min(8.0, height() / 2.0);
    painter.drawRoundedRect(QRectF(rect()), radius, radius);
    painter.setPen(kTagText);
    painter.drawText(contentsRect(), Qt::AlignCenter, text());
}

HeightLabel::HeightLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_Hover);
    setContentsMargins(1, 1, 1, 1);
}

void HeightLabel::paintEvent(QPaintEvent* event) {
    if (!qt::Decorations()) {
        QLabel::paintEvent(event);
        return;
    }
    const QPalette& colours = palette();
    QPainter painter(this);
    if (underMouse()) painter.fillRect(rect(), colours.color(QPalette::AlternateBase));
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colours.color(QPalette::Highlight), 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    } else {
        painter.setPen(QPen(colours.color(QPalette::Link), 1, Qt::DotLine));
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
    painter.end();
    QLabel::paintEvent(event);
}

}  // namespace korvel

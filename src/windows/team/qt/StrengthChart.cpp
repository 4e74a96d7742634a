#include "windows/team/qt/StrengthChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>

#include <array>

#include "platform/NumberFormat.h"

namespace korvel {
namespace {

constexpr std::array<const char*, 5> kPositions = {"C", "LW", "RW", "D", "G"};
constexpr double kTopRating = 99.0;

}  // namespace

StrengthChart::StrengthChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
    setAccessibleName(QCoreApplication::translate("korvel::StrengthChart", "Strength by position"));
    setToolTip(QCoreApplication::translate(
        "StrengthChart",
        "Mean overall rating of the best players of each position that a game roster asks "
        "for (3 C, 3 LW, 3 RW, 6 D, 1 G). Solid bar and first number: the dressed players. "
        "Pale bar and second number: the whole pro roster."));
}

void StrengthChart::SetStrength(const TeamStrength& strength) {
    strength_ = strength;
    update();
    // What the bars show, for a screen reader: each position with both numbers.
    QStringList values;
    for (std::size_t p = 0; p < kPositions.size(); ++p) {
        const PositionStrength& position = strength_[p];
        values << QCoreApplication::translate("korvel::StrengthChart", "%1: dressed %2, pro roster %3")
                      .arg(kPositions[p],
                           MeanText(position.Dressed, position.DressedCounted, position.Wanted),
                           MeanText(position.Pro, position.ProCounted, position.Wanted));
    }
    setAccessibleDescription(values.join("; "));
}

QString StrengthChart::MeanText(const std::optional<double>& mean, int counted, int wanted) {
    if (!mean) return "-";
    QString text = QString::fromStdString(FormatFixed(*mean, 1));
    if (counted < wanted)
        text +=
            QCoreApplication::translate("StrengthChart", " (%1 of %2)").arg(counted).arg(wanted);
    return text;
}

QSize StrengthChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {
        metrics.horizontalAdvance("RW  ") + metrics.horizontalAdvance("00.0 (0 of 0) | 00.0") + 120,
        (metrics.height() + 8) * static_cast<int>(kPositions.size()) + metrics.height() + 8};
}

void StrengthChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const QColor text = palette().color(QPalette::WindowText);
    const QColor solid = palette().color(QPalette::Highlight);
    QColor pale = solid;
    pale.setAlpha(90);
    QColor track = text;
    track.setAlpha(30);

    const int rowHeight = metrics.height() + 8;
    const int nameWidth = metrics.horizontalAdvance("RW  ");
    int valueWidth = 0;
    std::array<QString, 5> values;
    for (std::size_t p = 0; p < kPositions.size(); ++p) {
        const PositionStrength& position = strength_[p];
        values[p] = MeanText(position.Dressed, position.DressedCounted, position.Wanted) + " | " +
                    MeanText(position.Pro, position.ProCounted, position.Wanted);
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(values[p]));
    }
    const double barLeft = nameWidth;
    const double barWidth = std::max(20.0, width() - barLeft - valueWidth - 10.0);

    for (std::size_t p = 0; p < kPositions.size(); ++p) {
        const PositionStrength& position = strength_[p];
        const double top = static_cast<double>(p) * rowHeight + 4;
        const double height = rowHeight - 8;
        painter.setPen(text);
        painter.drawText(QRectF(0, top - 4, nameWidth, rowHeight), Qt::AlignVCenter, kPositions[p]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(track);
        painter.drawRoundedRect(QRectF(barLeft, top, barWidth, height), 3, 3);
        if (position.Pro) {
            painter.setBrush(pale);
            painter.drawRoundedRect(
                QRectF(barLeft, top, barWidth * *position.Pro / kTopRating, height), 3, 3);
        }
        if (position.Dressed) {
            painter.setBrush(solid);
            painter.drawRoundedRect(QRectF(barLeft, top + height * 0.25,
                                           barWidth * *position.Dressed / kTopRating, height * 0.5),
                                    2, 2);
        }
        painter.setPen(text);
        painter.drawText(QRectF(barLeft + barWidth + 10, top - 4, valueWidth, rowHeight),
                         Qt::AlignVCenter | Qt::AlignRight, values[p]);
    }
    painter.drawText(QRectF(0, kPositions.size() * rowHeight, width(), rowHeight),
                     Qt::AlignVCenter | Qt::AlignRight,
                     QCoreApplication::translate("StrengthChart", "dressed | pro roster"));
}

}  // namespace korvel

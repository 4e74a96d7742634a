#include "windows/season/qt/SeasonChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace korvel {
namespace {

constexpr int kLeft = 34, kRight = 12, kTop = 22, kBottom = 20;

}  // namespace

SeasonChart::SeasonChart(QWidget* parent) : QWidget(parent) {
    setObjectName("season-chart");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void SeasonChart::SetDays(std::vector<SeasonGameDay> days) {
    days_ = std::move(days);
    QString text =
        QCoreApplication::translate("Season", "Points and goal difference by game day.");
    if (!days_.empty()) {
        const SeasonGameDay& last = days_.back();
        text = QCoreApplication::translate("Season",
                                           "Points and goal difference by game day, %n game "
                                           "day(s): now %1 points, goal difference %2.",
                                           nullptr, static_cast<int>(days_.size()))
                   .arg(last.PTS)
                   .arg(last.GF - last.GA);
        if (last.DivisionRank) {
            text += ' ' + QCoreApplication::translate("Season", "Rank %1 in the division.")
                              .arg(*last.DivisionRank);
        }
    }
    setAccessibleName(text);
    setToolTip(text);
    update();
}

QSize SeasonChart::sizeHint() const {
    return {520, 170};
}

QSize SeasonChart::minimumSizeHint() const {
    return {240, 120};
}

void SeasonChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect plot = rect().adjusted(kLeft, kTop, -kRight, -kBottom);
    painter.fillRect(rect(), colours.color(QPalette::Base));
    if (days_.empty() || plot.width() <= 0 || plot.height() <= 0) return;

    int most = 1, widest = 1;
    for (const SeasonGameDay& day : days_) {
        most = std::max(most, day.PTS);
        widest = std::max(widest, std::abs(day.GF - day.GA));
    }
    const int count = static_cast<int>(days_.size());
    const double step = static_cast<double>(plot.width()) / count;
    const auto x = [&](int i) { return plot.left() + step * (i + 0.5); };
    const auto pointsY = [&](int pts) {
        return plot.bottom() - static_cast<double>(pts) / most * plot.height();
    };
    const int middle = plot.center().y();

    // Goal difference: bars up for more goals for, down for more against, in the lower half's
    // scale so that the points line stays readable over them.
    const QColor up = QColor(46, 139, 87), down = QColor(200, 70, 60);
    const double barWidth = std::max(2.0, step * 0.5);
    for (int i = 0; i < count; ++i) {
        const int diff = days_[static_cast<std::size_t>(i)].GF - days_[static_cast<std::size_t>(i)].GA;
        const double height = static_cast<double>(diff) / widest * (plot.height() / 2.0 - 2);
        QColor colour = diff >= 0 ? up : down;
        colour.setAlpha(150);
        painter.fillRect(QRectF(x(i) - barWidth / 2, height >= 0 ? middle - height : middle,
                                barWidth, std::abs(height)),
                         colour);
    }
    painter.setPen(QPen(colours.color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(plot.left(), middle, plot.right(), middle);
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(plot);

    // Points: a line through every game day.
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath line;
    for (int i = 0; i < count; ++i) {
        const QPointF at(x(i), pointsY(days_[static_cast<std::size_t>(i)].PTS));
        if (i == 0) {
            line.moveTo(at);
        } else {
            line.lineTo(at);
        }
    }
    const QColor accent = colours.color(QPalette::Highlight);
    painter.setPen(QPen(accent, 2));
    painter.drawPath(line);
    painter.setBrush(accent);
    for (int i = 0; i < count; ++i) {
        painter.drawEllipse(QPointF(x(i), pointsY(days_[static_cast<std::size_t>(i)].PTS)), 2.5,
                            2.5);
    }

    // Scale, game days and the division rank above each.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colours.color(QPalette::Text));
    const QFontMetrics metrics(font());
    painter.drawText(QRect(0, plot.top() - metrics.height() / 2, kLeft - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    painter.drawText(QRect(0, plot.bottom() - metrics.height() / 2, kLeft - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, "0");
    const int every = std::max(1, static_cast<int>(metrics.horizontalAdvance("#00 ") / step) + 1);
    for (int i = 0; i < count; i += every) {
        const SeasonGameDay& day = days_[static_cast<std::size_t>(i)];
        const QRectF below(x(i) - step * every / 2, plot.bottom() + 2, step * every, kBottom - 2);
        painter.drawText(below, Qt::AlignCenter, QString::number(day.Day));
        const QRectF above(x(i) - step * every / 2, 2, step * every, kTop - 4);
        painter.drawText(above, Qt::AlignCenter,
                         day.DivisionRank ? QString("#%1").arg(*day.DivisionRank) : "-");
    }
}

}  // namespace korvel

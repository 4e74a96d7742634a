#include "platform/qt/PositionBadge.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <utility>
#include <vector>

namespace korvel::qt {

namespace {

QFont BadgeFont(QFont font) {
    font.setBold(true);
    return font;
}

// Room kept on each side of a list entry's badge; sizeHint makes room for it beside the text.
constexpr int kBadgeGap = 6;

}  // namespace

QSize PositionBadgeSize(const QFont& font) {
    // A program shows its badges in a font or two: the last few measured are kept.
    static std::vector<std::pair<QFont, QSize>> measured;
    for (const auto& [known, size] : measured) {
        if (known == font) return size;
    }
    const QFontMetrics metrics(BadgeFont(font));
    const int height = metrics.height() + 2;
    const QSize size{
        std::max(metrics.horizontalAdvance("LW"), metrics.horizontalAdvance("RW")) + height,
        height};
    if (measured.size() == 8) measured.erase(measured.begin());
    measured.emplace_back(font, size);
    return size;
}

namespace {

// The badge drawn into `painter` within `area` (at the painter's origin).
void DrawBadge(QPainter& painter, const QRect& area, const PositionLook& look, bool onSelection) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF pill = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = pill.height() / 2;
    painter.setPen(onSelection ? QPen(Qt::white, 1.5) : QPen(Qt::NoPen));
    painter.setBrush(look.Colour);
    painter.drawRoundedRect(pill, radius, radius);
    painter.setFont(BadgeFont(painter.font()));
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, look.Name);
}

}  // namespace

void PaintPositionBadge(QPainter& painter, const QRect& area, const PositionLook& look,
                        bool onSelection) {
    const QPaintDevice* device = painter.device();
    const qreal ratio = device != nullptr ? device->devicePixelRatioF() : 1.0;
    const QString key = QString("korvel-badge-%1-%2-%3x%4@%5-%6")
                            .arg(look.Name, look.Colour.name())
                            .arg(area.width())
                            .arg(area.height())
                            .arg(ratio)
                            .arg(onSelection) +
                        painter.font().key();
    QPixmap badge;
    if (!QPixmapCache::find(key, &badge)) {
        badge = QPixmap(area.size() * ratio);
        badge.setDevicePixelRatio(ratio);
        badge.fill(Qt::transparent);
        QPainter drawing(&badge);
        drawing.setFont(painter.font());
        DrawBadge(drawing, QRect(QPoint(0, 0), area.size()), look, onSelection);
        drawing.end();
        QPixmapCache::insert(key, badge);
    }
    painter.drawPixmap(area.topLeft(), badge);
}

PositionBadgeLabel::PositionBadgeLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PositionBadgeLabel::sizeHint() const {
    return PositionBadgeSize(font());
}

void PositionBadgeLabel::paintEvent(QPaintEvent*) {
    const PositionLook* look = LookOfName(text());
    if (look == nullptr) return;
    QPainter painter(this);
    painter.setFont(font());
    QRect badge(QPoint(0, 0), PositionBadgeSize(font()));
    badge.moveCenter(rect().center());
    PaintPositionBadge(painter, badge, *look);
}

PositionBadgeDelegate::PositionBadgeDelegate(std::function<int(int row)> positionOfRow,
                                             QObject* parent)
    : QStyledItemDelegate(parent), positionOfRow_(std::move(positionOfRow)) {}

void PositionBadgeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QSize badgeSize = PositionBadgeSize(option.font);
    const PositionLook* look = LookOfPosition(positionOfRow_(index.row()));
    if (look == nullptr) return;
    QRect badge(QPoint(0, 0), badgeSize);
    badge.moveCenter(option.rect.center());
    badge.moveRight(option.rect.right() - kBadgeGap);
    painter->save();
    painter->setFont(option.font);
    PaintPositionBadge(*painter, badge, *look, option.state.testFlag(QStyle::State_Selected));
    painter->restore();
}

QSize PositionBadgeDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QSize badge = PositionBadgeSize(option.font);
    size.rwidth() += badge.width() + 2 * kBadgeGap;
    size.setHeight(std::max(size.height(), badge.height() + 4));
    return size;
}

}  // namespace korvel::qt

#include "platform/qt/SlotLabel.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPixmapCache>

#include "platform/qt/Style.h"

namespace korvel::qt {

namespace {

// The list entries a QListWidget drag carries: model data, the row first.
constexpr const char* kListDragFormat = "application/x-qabstractitemmodeldatalist";

// A slot is wide enough for a player's name (up to 22 characters, rarely more than 20 used).
constexpr int kCaptionCharacters = 20;

constexpr int kPadding = 9;  // between the frame and the caption
constexpr qreal kRadius = 6;
const QColor kRefusedColour("#c8102e");

// The row a list drag carries, or -1 when the drag carries no list entry.
int DraggedRow(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasFormat(kListDragFormat)) return -1;
    QByteArray encoded = mime->data(kListDragFormat);
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    int row = -1;
    int column = -1;
    stream >> row >> column;
    return stream.status() == QDataStream::Ok ? row : -1;
}

}  // namespace

SlotLabel::SlotLabel(QWidget* parent) : QLabel(parent) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setProperty("slot", true);
    setForegroundRole(QPalette::Text);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    if (Decorations()) {
        setContentsMargins(kPadding, 0, kPadding, 0);
        // Framed labels set their text in by half an x.
        setIndent(fontMetrics().horizontalAdvance('x') / 2);
    }
    setProperty("filled", false);
    setProperty("dragOver", false);
    setProperty("dragRefused", false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SlotLabel::ShowFilled() {
    SetState("filled", !text().isEmpty());
}

void SlotLabel::ShowDragOver(bool over) {
    SetState("dragOver", over);
}

void SlotLabel::SetState(const char* name, bool on) {
    if (property(name).toBool() == on) return;
    setProperty(name, on);
    update();
}

QSize SlotLabel::sizeHint() const {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return {metrics.averageCharWidth() * kCaptionCharacters + 24, metrics.height() * 3 / 2 + 6};
}

QSize SlotLabel::minimumSizeHint() const {
    return sizeHint();
}

// The frame and fill: the base colour in a fine frame, an empty slot's shaded in a dashed one; the
// highlight colour frames it thicker under the pointer, with the focus or under an entry it takes,
// and a dashed red frame under one it refuses. The slots of a window share a few sizes and states,
// so each box is drawn once into the pixmap cache.
QPixmap SlotLabel::Box() const {
    const bool filled = property("filled").toBool();
    const bool refused = property("dragRefused").toBool();
    const bool lit = underMouse() || hasFocus() || property("dragOver").toBool();
    const bool shaded = !filled || hasFocus();
    const qreal ratio = devicePixelRatioF();
    const QString key = QString("korvel-slot-%1x%2@%3-%4%5%6%7-%8")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(filled)
                            .arg(refused)
                            .arg(lit)
                            .arg(shaded)
                            .arg(palette().cacheKey());
    QPixmap box;
    if (QPixmapCache::find(key, &box)) return box;

    const QPalette& colours = palette();
    QPen pen(colours.color(QPalette::Mid), 1, filled ? Qt::SolidLine : Qt::DashLine);
    if (refused) {
        pen = QPen(kRefusedColour, 2, Qt::DashLine);
    } else if (lit) {
        pen = QPen(colours.color(QPalette::Highlight), 2);
    }
    box = QPixmap(size() * ratio);
    box.setDevicePixelRatio(ratio);
    box.fill(Qt::transparent);
    QPainter painter(&box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(colours.color(shaded ? QPalette::AlternateBase : QPalette::Base));
    const qreal inset = pen.widthF() / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kRadius,
                            kRadius);
    painter.end();
    QPixmapCache::insert(key, box);
    return box;
}

void SlotLabel::paintEvent(QPaintEvent* event) {
    if (Decorations()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, Box());
    }
    QLabel::paintEvent(event);
    if (!text().isEmpty()) return;
    QPainter painter(this);
    QFont font = this->font();
    font.setItalic(true);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(128, 145, 163));
    painter.drawText(contentsRect().adjusted(10, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     "empty");
}

void SlotLabel::SetDragOver(DragState state) {
    SetState("dragOver", state == DragState::Accepted);
    SetState("dragRefused", state == DragState::Refused);
}

void SlotLabel::dragEnterEvent(QDragEnterEvent* event) {
    const bool fromList = event->source() == nullptr || event->source() == DragSource;
    const int row = DraggedRow(event->mimeData());
    if (!fromList || row < 0) return;
    if (Takes && !Takes(row)) {
        // Accepted only to follow the drag and show the refusal; the move itself is refused.
        event->accept();
        SetDragOver(DragState::Refused);
        return;
    }
    event->acceptProposedAction();
    SetDragOver(DragState::Accepted);
}

void SlotLabel::dragMoveEvent(QDragMoveEvent* event) {
    if (property("dragRefused").toBool()) {
        event->ignore();
        return;
    }
    QLabel::dragMoveEvent(event);
}

void SlotLabel::dragLeaveEvent(QDragLeaveEvent* event) {
    SetDragOver(DragState::None);
    QLabel::dragLeaveEvent(event);
}

void SlotLabel::dropEvent(QDropEvent* event) {
    const bool refused = property("dragRefused").toBool();
    SetDragOver(DragState::None);
    const int row = DraggedRow(event->mimeData());
    if (row < 0 || refused) return;
    event->acceptProposedAction();
    if (OnDrop) OnDrop(row);
}

}  // namespace korvel::qt

#include "platform/qt/SlotLabel.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>

#include "platform/qt/Style.h"

namespace korvel::qt {

namespace {

// The list entries a QListWidget drag carries: model data, the row first.
constexpr const char* kListDragFormat = "application/x-qabstractitemmodeldatalist";

// A slot is wide enough for a player's name (up to 22 characters, rarely more than 20 used).
constexpr int kCaptionCharacters = 20;

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
    setProperty("filled", false);
    setProperty("dragOver", false);
    setProperty("dragRefused", false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SlotLabel::ShowFilled() {
    SetStyleProperty(*this, "filled", !text().isEmpty());
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

void SlotLabel::paintEvent(QPaintEvent* event) {
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
    SetStyleProperty(*this, "dragOver", state == DragState::Accepted);
    SetStyleProperty(*this, "dragRefused", state == DragState::Refused);
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

#include "windows/lines/qt/SlotEditing.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "platform/qt/SlotLabel.h"

namespace korvel {

SlotEditing::SlotEditing(qt::SlotLabel& slot, int number)
    : QObject(&slot), slot_(slot), number_(number) {
    slot.installEventFilter(this);
    slot.setContextMenuPolicy(Qt::DefaultContextMenu);
}

int SlotEditing::DraggedSlot(const QEvent* event) const {
    const auto* drop = static_cast<const QDropEvent*>(event);
    const QMimeData* mime = drop->mimeData();
    if (mime == nullptr || !mime->hasFormat(kMimeType)) return -1;
    // A drag from another window never exchanges; one without a known source (as sent by the
    // window system) is taken by its slot number.
    const auto* source = qobject_cast<const QWidget*>(drop->source());
    if (source != nullptr && source->window() != slot_.window()) return -1;
    bool ok = false;
    const int from = mime->data(kMimeType).toInt(&ok);
    return ok && from != number_ ? from : -1;
}

void SlotEditing::StartDrag() {
    auto* mime = new QMimeData;
    mime->setData(kMimeType, QByteArray::number(number_));
    auto* drag = new QDrag(&slot_);
    drag->setMimeData(mime);
    drag->setPixmap(slot_.grab());
    drag->exec(Qt::MoveAction);
}

void SlotEditing::ShowMenu(const QPoint& globalPos) {
    QMenu menu(&slot_);
    QAction* clear = menu.addAction(QCoreApplication::translate("SlotEditing", "Clear Slot"));
    clear->setShortcut(QKeySequence::Delete);
    clear->setEnabled(!slot_.text().isEmpty());
    if (menu.exec(globalPos) == clear && OnClear) OnClear();
}

bool SlotEditing::KeyPressed(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int code = key.key();
    const bool arrow =
        code == Qt::Key_Left || code == Qt::Key_Right || code == Qt::Key_Up || code == Qt::Key_Down;
    if (arrow && modifiers == Qt::NoModifier && OnMove) {
        OnMove(code);
        return true;
    }
    if (arrow && modifiers == Qt::AltModifier && OnExchange) {
        OnExchange(code);
        return true;
    }
    if (modifiers != Qt::NoModifier) return false;
    if ((code == Qt::Key_Delete || code == Qt::Key_Backspace) && OnClear) {
        OnClear();
        return true;
    }
    if (code == Qt::Key_X && OnMark) {
        OnMark();
        return true;
    }
    return code == Qt::Key_Escape && OnEscape && OnEscape();
}

bool SlotEditing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &slot_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return KeyPressed(*static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            if (OnFocused) OnFocused();
            return false;
        case QEvent::ContextMenu:
            ShowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressed_ = mouse->button() == Qt::LeftButton;
            pressedAt_ = mouse->position().toPoint();
            return false;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!pressed_ || !(mouse->buttons() & Qt::LeftButton) || slot_.text().isEmpty())
                return false;
            if ((mouse->position().toPoint() - pressedAt_).manhattanLength() <
                QApplication::startDragDistance())
                return false;
            pressed_ = false;
            StartDrag();
            return true;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            if (DraggedSlot(event) < 0) return false;
            auto* drag = static_cast<QDragMoveEvent*>(event);
            drag->setDropAction(Qt::MoveAction);
            drag->accept();
            slot_.ShowDragOver(true);
            return true;
        }
        case QEvent::Drop: {
            const int from = DraggedSlot(event);
            if (from < 0) return false;
            auto* drop = static_cast<QDropEvent*>(event);
            drop->setDropAction(Qt::MoveAction);
            drop->accept();
            slot_.ShowDragOver(false);
            if (OnSwap) OnSwap(from);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace korvel

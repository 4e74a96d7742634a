#include "platform/qt/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korvel::qt {

namespace {

// The frame a window manager adds around a window; before the first show it is not known yet,
// and room is kept for a usual title bar and border.
QSize FrameAllowance(const QWidget& window) {
    const QSize known = window.frameGeometry().size() - window.geometry().size();
    if (known.width() > 0 || known.height() > 0) return known;
    return {8, 36};
}

}  // namespace

void FitToScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = FrameAllowance(window);
    const QSize room = (area.size() - frame).expandedTo(QSize(1, 1));

    // The minimum size stays what the layout needs: on a screen smaller than that the window
    // reaches past the screen's edge rather than cutting its content off.
    if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room));
    }
    // Keep the whole frame on the screen: its top left corner first, as a title bar must show.
    const QPoint at = window.pos();
    const int right = area.right() + 1 - window.width() - frame.width();
    const int bottom = area.bottom() + 1 - window.height() - frame.height();
    const QPoint inside(std::max(area.left(), std::min(at.x(), right)),
                        std::max(area.top(), std::min(at.y(), bottom)));
    if (inside != at) window.move(inside);
}

}  // namespace korvel::qt

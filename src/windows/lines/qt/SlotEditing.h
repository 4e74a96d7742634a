#pragma once

#include <QObject>
#include <QPoint>

class QKeyEvent;

#include <functional>

namespace korvel {

namespace qt {
class SlotLabel;
}

// Lets the user edit a slot of the lines window in place: Delete (or Backspace) and the context
// menu's "Clear Slot" empty it, and a filled slot dragged onto another slot of the same window
// asks for the two to be exchanged. From the keyboard: an arrow asks to move to the next slot that
// way, Alt and an arrow to exchange with it, X to mark the slot for an exchange (or to exchange
// with the slot marked before). It watches the slot's events, so the slot keeps its own click,
// focus and list-drop handling.
class SlotEditing : public QObject {
  public:
    // `slot` is the slot label numbered `number`; the editor lives as long as the slot.
    SlotEditing(qt::SlotLabel& slot, int number);

    std::function<void()> OnClear;
    // Runs with the number of the slot dragged onto this one.
    std::function<void(int fromSlot)> OnSwap;
    // Run with the arrow key pressed (Qt::Key_Left, _Right, _Up, _Down).
    std::function<void(int arrowKey)> OnMove;
    std::function<void(int arrowKey)> OnExchange;
    std::function<void()> OnMark;
    // Escape: true when it undid something (a mark), so that it closes nothing.
    std::function<bool()> OnEscape;
    std::function<void()> OnFocused;

    static constexpr const char* kMimeType = "application/x-korvel-line-slot";

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The number of the slot a drag comes from, or -1 when it is no other slot of this window.
    int DraggedSlot(const QEvent* event) const;
    void StartDrag();
    void ShowMenu(const QPoint& globalPos);
    bool KeyPressed(const QKeyEvent& key);

    qt::SlotLabel& slot_;
    int number_;
    QPoint pressedAt_;
    bool pressed_ = false;
};

}  // namespace korvel

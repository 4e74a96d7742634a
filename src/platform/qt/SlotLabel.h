#pragma once

#include <QLabel>

#include <functional>

class QListWidget;
class QPixmap;

namespace korvel::qt {

// A slot on screen that a player is put into: framed, lit when the pointer is over it, when it
// has the focus or when a list entry is dragged onto it, and showing a faint "empty" while its
// caption is empty. It takes the focus by Tab; bound with a click handler (FormBinder), Enter or
// Space clicks it.
class SlotLabel : public QLabel {
  public:
    explicit SlotLabel(QWidget* parent = nullptr);

    // Runs with the list row of an entry of `DragSource` dropped onto the slot.
    std::function<void(int row)> OnDrop;
    // The list whose entries may be dropped here.
    const QListWidget* DragSource = nullptr;
    // Whether the slot takes the entry on a list row; a row it refuses shows the refusal while
    // dragged over the slot and cannot be dropped. Unset: every row is taken.
    std::function<bool(int row)> Takes;

    // Shows the slot as filled or empty after its caption changed.
    void ShowFilled();
    // Lights the slot while something it takes is dragged over it.
    void ShowDragOver(bool over);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    enum class DragState { None, Accepted, Refused };
    void SetDragOver(DragState state);
    // Sets one of the states the slot's look shows ("filled", "dragOver", "dragRefused").
    void SetState(const char* name, bool on);
    QPixmap Box() const;
};

}  // namespace korvel::qt

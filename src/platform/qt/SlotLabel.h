#pragma once

#include <QLabel>

#include <functional>

class QAbstractItemView;
class QPixmap;

namespace korvel::qt {

// A slot on screen that a player is put into: framed, lit when the pointer is over it, when it
// has the focus or when a list entry is dragged onto it, and showing a faint "empty" while its
// caption is empty. It takes the focus by Tab; bound with a click handler (FormBinder), Enter or
// Space clicks it. It is as wide as the widest caption it is told to expect; given less room, it
// ends its caption with an ellipsis and shows the whole caption in its tooltip.
class SlotLabel : public QLabel {
  public:
    explicit SlotLabel(QWidget* parent = nullptr);

    // Runs with the row of an entry of `DragSource` dropped onto the slot.
    std::function<void(int row)> OnDrop;
    // The list whose entries may be dropped here.
    const QAbstractItemView* DragSource = nullptr;
    // Whether the slot takes the entry on a list row; a row it refuses shows the refusal while
    // dragged over the slot and cannot be dropped. Unset: every row is taken.
    std::function<bool(int row)> Takes;

    // The widest caption the slot should show whole; its width follows the font.
    void SetWidestCaption(const QString& caption);
    // What the tooltip says about using the slot, after the caption when that is cut; a screen
    // reader reads it as the slot's description.
    void SetHelp(const QString& help);
    // The place the slot stands for ("Line 2 LW"). A screen reader names the slot by its place
    // and who is in it: "Line 2 LW: Petri Mäkelä", "Line 2 LW: empty", and while a dragged
    // player would be refused, "Line 2 LW: empty, refused".
    void SetPlaceName(const QString& place);
    // True when the caption is cut to the slot's width.
    bool CaptionCut() const;

    // Shows the slot as filled or empty after its caption changed.
    void ShowFilled();
    // Lights the slot while something it takes is dragged over it.
    void ShowDragOver(bool over);
    // Marks the slot as chosen for an exchange with another slot.
    void ShowMarked(bool marked);
    // Marks the player of the slot as out of the next game, and says why (`why`, "1W"); an
    // empty `why` takes the mark away. An out slot has a red frame and its reason after the name.
    void ShowOut(const QString& why);
    bool Out() const { return !out_.isEmpty(); }

    // Worked out once and kept until the font, the margins, the style or the widest caption
    // change: layouts ask for them many times over while a window opens.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    enum class DragState { None, Accepted, Refused };
    void SetDragOver(DragState state);
    // Sets one of the states the slot's look shows ("filled", "dragOver", "dragRefused",
    // "marked", "out").
    void SetState(const char* name, bool on);
    QPixmap Box() const;
    // Where the caption is drawn, within the frame and the padding.
    QRect CaptionArea() const;
    // The caption without its trailing blanks, and as shown: cut with an ellipsis to `width`.
    QString WholeCaption() const;
    // The whole caption's width, measured once for each caption and font.
    int WholeCaptionWidth() const;
    QString ShownCaption(int width) const;
    void ShowToolTip();
    // Forgets the kept size hints and tells the layout to ask again.
    void SizeChanged();
    void SpeakName();

    QString widest_;
    mutable QSize sizeHint_;         // invalid until asked for
    mutable QSize minimumSizeHint_;  // invalid until asked for
    mutable QString measuredCaption_;
    mutable int measuredWidth_ = -1;  // -1: not measured in the current font
    QString tipShown_;                // the tooltip's text as last set, before its markup
    QString help_;
    QString out_;
    QString place_;
};

}  // namespace korvel::qt

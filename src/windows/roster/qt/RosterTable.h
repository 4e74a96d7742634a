#pragma once

#include <QTreeWidget>

#include <functional>

#include "platform/Controls.h"
#include "windows/roster/Roster.h"

namespace korvel {

// One list of the game roster window shown as a table: the line as the window holds it (the
// protection mark and the player's name), then his position, ratings and absence. Several rows
// may be selected; the selected rows can be dragged onto another list of the same window.
class RosterTable : public QTreeWidget {
  public:
    enum Column { LineText, Position, Overall, Offence, Defence, Absence, ColumnCount };

    RosterTable(int place, const Roster& window, QWidget* parent = nullptr);

    // The place whose players the table lists: 0 farm, 1 scratches, 2 game roster.
    int Place() const { return place_; }

    // Shows the control's lines and selection. Rows are only rebuilt when the lines changed.
    void ShowList(const ListBox& control);
    // The user's selection into the control: each line's Selected flag, the focused line as
    // ListIndex.
    void ReadList(ListBox& control) const;

    // Runs when rows of another table of the window are dropped here; gets that table's place.
    std::function<void(int fromPlace)> OnDrop;
    // Runs when Enter is pressed on the current row, as a double click on it does.
    std::function<void(QTreeWidgetItem* item)> OnEnter;

    static constexpr const char* kMimeType = "application/x-korvel-roster-list";

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The place of the table the drag came from, or -1 when it is none this table takes.
    int DraggedFrom(const QMimeData* mime) const;
    void FillRow(QTreeWidgetItem& item, const ListItem& line) const;

    int place_;
    const Roster& window_;
};

}  // namespace korvel

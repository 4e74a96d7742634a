#pragma once

#include <QTreeWidget>

#include <functional>

#include "platform/Controls.h"
#include "platform/qt/DesktopSettings.h"
#include "windows/roster/Roster.h"

namespace korvel {

// One list of the game roster window shown as a table: the line as the window holds it (the
// protection mark and the player's name), then his position, ratings and absence. Several rows
// may be selected; the selected rows can be dragged onto another list of the same window.
// A header click sorts by that column, a second click the other way, a third brings back the
// window's roster order (also offered in the header's context menu); the choice is kept between
// runs.
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
    // The control line a row shows, whatever the sort; -1 for none.
    int LineOf(const QTreeWidgetItem* item) const;

    // The header clicked on `column`, or the roster order chosen (column -1).
    void SortBy(int column);
    qt::TableSort Sort() const { return sort_; }

    // Runs when rows of another table of the window are dropped here; gets that table's place.
    std::function<void(int fromPlace)> OnDrop;
    // Runs when Enter is pressed on the current row, as a double click on it does.
    std::function<void(QTreeWidgetItem* item)> OnEnter;

    static constexpr const char* kMimeType = "application/x-korvel-roster-list";
    // The game roster's table asks for room to show a whole game roster without scrolling.
    static constexpr int kGameRosterRows = 20;
    QSize sizeHint() const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The place of the table the drag came from, or -1 when it is none this table takes.
    int DraggedFrom(const QMimeData* mime) const;
    // A fixed column's width: its heading's or the `widest` cell text's, whichever is wider.
    int ColumnWidth(int column, const QString& widest) const;
    // The rating columns fit two digits, the absence column its longest text.
    void SizeColumns(const QString& longestAbsence);
    void FillRow(QTreeWidgetItem& item, const ListItem& line, int lineIndex) const;
    void Fill(const ListBox& control);
    void ApplySort();
    void ShowHeaderMenu(const QPoint& at);
    QTreeWidgetItem* RowOf(int rosterIndex) const;

    qt::TableSort sort_;

    int place_;
    const Roster& window_;
};

}  // namespace korvel

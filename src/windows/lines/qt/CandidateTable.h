#pragma once

#include <QTreeWidget>

#include <functional>
#include <vector>

#include "league/LineUsage.h"
#include "platform/Controls.h"
#include "platform/qt/DesktopSettings.h"
#include "windows/lines/Lines.h"

namespace korvel {

// The candidates of the lines window as a table: the player as listed (with a mark of how often
// he stands in the lines shown), his position, overall, offence and defence ratings, and why he
// is out of the next game (injury code and games suspended), as the roster shows it. A header
// click sorts by its column (ratings best first), a second click the other way, a third brings
// back roster order; the order is kept between runs. Rows are dragged onto the slots.
class CandidateTable : public QTreeWidget {
  public:
    enum Column { Player, Position, Overall, Offence, Defence, Out, ColumnCount };
    // The item data role of the player column holding the candidate's LineUse.
    static constexpr int kUseRole = Qt::UserRole + 1;

    explicit CandidateTable(const Lines& window, QWidget* parent = nullptr);

    // Shows the control's lines, each with its use, and its selection.
    void ShowList(const ListBox& control, const std::vector<LineUse>& use);
    // The control line a view row shows, whatever the order; -1 for none.
    int LineOfRow(int row) const;
    int SelectedLine() const;

    // Sorts by `column` (-1: roster order), in the direction a first header click gives.
    void SortBy(int column);
    int SortColumn() const { return sort_.Column; }
    // Runs after the order changed by a header click.
    std::function<void()> OnSortChanged;

    // Both are worked out once and kept until the rows, the sort indicator, the font or the
    // style change: measuring every row is dear, and layouts ask many times over.
    QSize sizeHint() const override;
    // Narrower than that, names are cut: the slots give up room along with the list.
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Forgets the kept size hints, sizes the fixed columns again and tells the layout to ask again.
    void SizeChanged();
    void SizeColumns();
    QSize MeasuredSizeHint() const;

    void Fill(const ListBox& control);
    void ApplySort();
    void HeaderClicked(int column);
    bool SameLines(const ListBox& control) const;

    const Lines& window_;
    qt::TableSort sort_;
    mutable QSize sizeHint_;         // invalid until asked for
    mutable QSize minimumSizeHint_;  // invalid until asked for
};

}  // namespace korvel

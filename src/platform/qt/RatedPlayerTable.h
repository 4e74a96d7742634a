#pragma once

#include <QTreeWidget>

#include <functional>
#include <span>

namespace korvel::qt {

// The columns every table of rated players starts with, and where each row keeps its player.
enum RatedColumn { NameColumn, PositionColumn, OverallColumn, OffenceColumn, DefenceColumn };

// Sets `table` up as a table of players, one per row, whole rows selected: the name as listed
// (stretching; where the column is too narrow, cut with "…" and shown whole as a tooltip), the
// position painted as its badge, then the ratings aligned right, and any further columns the
// `headers` name. Each row keeps its player's roster place in the name column's Qt::UserRole;
// `positionOf` gives that player's position code.
void SetUpRatedPlayerTable(QTreeWidget& table, std::span<const char* const> headers,
                           std::span<const char* const> headerTips,
                           std::function<int(int rosterPlace)> positionOf);

// The width of a column of `table` that shows `widest` at most: its heading's or that text's,
// whichever is wider, with room for the sort arrow when the column is `sorted`. Worked out from
// the fonts alone: a column sized to its contents measures every cell at every layout.
int RatedColumnWidth(const QTreeWidget& table, int column, const QString& widest, bool sorted);

}  // namespace korvel::qt

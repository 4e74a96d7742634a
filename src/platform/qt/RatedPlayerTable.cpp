#include "platform/qt/RatedPlayerTable.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QStyle>

#include <algorithm>

#include "platform/qt/ElidedNameDelegate.h"
#include "platform/qt/PositionBadge.h"

namespace korvel::qt {

void SetUpRatedPlayerTable(QTreeWidget& table, std::span<const char* const> headers,
                           std::span<const char* const> headerTips,
                           std::function<int(int rosterPlace)> positionOf) {
    const int columns = static_cast<int>(headers.size());
    table.setColumnCount(columns);
    QStringList labels;
    for (const char* header : headers)
        labels << QCoreApplication::translate("RatedPlayerTable", header);
    table.setHeaderLabels(labels);
    for (int c = 0; c < columns; ++c) {
        table.headerItem()->setToolTip(
            c, QCoreApplication::translate("RatedPlayerTable",
                                           headerTips[static_cast<std::size_t>(c)]));
        if (c >= OverallColumn && c <= DefenceColumn)
            table.headerItem()->setTextAlignment(c, Qt::AlignRight);
    }
    table.setRootIsDecorated(false);
    table.setUniformRowHeights(true);
    table.setAllColumnsShowFocus(true);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    // Texts are drawn whole; the name column elides through its delegate (trailing blanks kept
    // out of it, which would otherwise always end in an ellipsis).
    table.setTextElideMode(Qt::ElideNone);

    QHeaderView& header = *table.header();
    header.setStretchLastSection(false);
    header.setSectionsMovable(false);
    header.setSectionsClickable(true);
    header.setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    table.setItemDelegateForColumn(NameColumn, new ElidedNameDelegate(&table));
    header.setSectionResizeMode(PositionColumn, QHeaderView::Fixed);
    header.resizeSection(PositionColumn, PositionBadgeSize(table.font()).width() + 12);
    table.setItemDelegateForColumn(
        PositionColumn, new PositionBadgeDelegate(
                            [&table, positionOf = std::move(positionOf)](int row) -> int {
                                const QTreeWidgetItem* item = table.topLevelItem(row);
                                if (item == nullptr) return -1;
                                return positionOf(item->data(NameColumn, Qt::UserRole).toInt());
                            },
                            &table));
}

int RatedColumnWidth(const QTreeWidget& table, int column, const QString& widest, bool sorted) {
    const QStyle& style = *table.style();
    const int cellMargin =
        2 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1);
    const int headerMargin =
        2 * style.pixelMetric(QStyle::PM_HeaderMargin, nullptr, &table) +
        (sorted ? style.pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, &table) : 0);
    const QString heading = table.headerItem()->text(column);
    return std::max(table.header()->fontMetrics().horizontalAdvance(heading) + headerMargin,
                    table.fontMetrics().horizontalAdvance(widest) + cellMargin);
}

}  // namespace korvel::qt

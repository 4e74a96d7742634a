#include "windows/roster/qt/RosterTable.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "platform/qt/QtText.h"
#include "platform/qt/RatedPlayerTable.h"
#include "platform/qt/Translate.h"

namespace korvel {

namespace {

constexpr std::array<const char*, RosterTable::ColumnCount> kHeaders{
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Player"), QT_TRANSLATE_NOOP("RatedPlayerTable", "Pos"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "OV"),     QT_TRANSLATE_NOOP("RatedPlayerTable", "OF"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "DF"),     QT_TRANSLATE_NOOP("RatedPlayerTable", "Out")};
constexpr std::array<const char*, RosterTable::ColumnCount> kHeaderTips{
    QT_TRANSLATE_NOOP(
        "RatedPlayerTable",
        "The player as listed; * marks a protected player or a rookie in the protection view"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Position"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Overall rating"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Offence rating"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Defence rating"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Injury code and games suspended")};

// What a column sorts by, and the control line of the row for roster order and ties.
constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kLineRole = Qt::UserRole + 2;

// Ratings sort best first at the first click; texts from A.
bool DescendingFirst(int column) {
    return column >= RosterTable::Overall && column <= RosterTable::Defence;
}

QString SettingName(int place) {
    return QString("Roster%1").arg(place);
}

class RosterRow : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const QTreeWidget* table = treeWidget();
        const int column = table != nullptr ? table->sortColumn() : 0;
        const QVariant mine = data(column, kSortRole);
        const QVariant theirs = other.data(column, kSortRole);
        const auto order = QVariant::compare(mine, theirs);
        if (order != QPartialOrdering::Equivalent && order != QPartialOrdering::Unordered)
            return order == QPartialOrdering::Less;
        // Equal keys keep roster order, whichever way the column runs.
        const bool before = data(0, kLineRole).toInt() < other.data(0, kLineRole).toInt();
        const bool descending =
            table != nullptr && table->header()->sortIndicatorOrder() == Qt::DescendingOrder;
        return descending ? !before : before;
    }
};

}  // namespace

RosterTable::RosterTable(int place, const Roster& window, QWidget* parent)
    : QTreeWidget(parent), place_(place), window_(window) {
    qt::SetUpRatedPlayerTable(*this, kHeaders, kHeaderTips, [this](int rosterPlace) {
        return static_cast<int>(window_.RosterPlayer(rosterPlace).Position);
    });
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    // Widths worked out once from the fonts: a table measuring every cell of its columns costs
    // more than the rest of the window.
    for (int c = Overall; c <= Absence; ++c) header()->setSectionResizeMode(c, QHeaderView::Fixed);
    header()->setSortIndicatorShown(false);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) { SortBy(column); });
    connect(header(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowHeaderMenu(at); });
    sort_ = qt::RememberedSort(SettingName(place_), ColumnCount);
    SizeColumns({});
}

// Rows are as tall as the desktop's style and font make them (taller in some themes than in
// others), so the room is measured on a row, or on the font while the table is empty.
QSize RosterTable::sizeHint() const {
    QSize size = QTreeWidget::sizeHint();
    if (place_ != Dressed) return size;
    const int row = topLevelItemCount() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 6;
    // Room for the horizontal scroll bar too: a narrow window shows one under the rows.
    const int scrollBar = horizontalScrollBar()->sizeHint().height();
    size.setHeight(header()->sizeHint().height() + kGameRosterRows * row + 2 * frameWidth() +
                   scrollBar);
    return size;
}

int RosterTable::ColumnWidth(int column, const QString& widest) const {
    const int cellMargin =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    // The sorted column's header keeps room for its arrow.
    const int headerMargin =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) +
        (column == sort_.Column ? style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this)
                                : 0);
    const QString heading = headerItem()->text(column);
    return std::max(header()->fontMetrics().horizontalAdvance(heading) + headerMargin,
                    fontMetrics().horizontalAdvance(widest) + cellMargin);
}

void RosterTable::SizeColumns(const QString& longestAbsence) {
    for (int c = Overall; c <= Defence; ++c) header()->resizeSection(c, ColumnWidth(c, "99"));
    header()->resizeSection(Absence, ColumnWidth(Absence, longestAbsence));
}

void RosterTable::FillRow(QTreeWidgetItem& item, const ListItem& line, int lineIndex) const {
    const Roster::LineDetails details = window_.Details(line.ItemData);
    const Player& player = window_.RosterPlayer(line.ItemData);
    item.setText(LineText, qt::Translated(line.Text));
    item.setData(LineText, Qt::UserRole, line.ItemData);
    item.setData(LineText, kLineRole, lineIndex);
    item.setData(LineText, kSortRole, qt::ToQString(player.Name.Utf8()).trimmed().toLower());
    item.setData(Position, kSortRole, static_cast<int>(player.Position));
    item.setData(Overall, kSortRole, details.Overall.value_or(-1));
    item.setData(Offence, kSortRole, details.Offence);
    item.setData(Defence, kSortRole, details.Defence);
    item.setData(Absence, kSortRole, qt::ToQString(details.Absence));
    // A known position is painted as its badge; any other code is shown as text.
    const bool badge = window_.RosterPlayer(line.ItemData).Position <= Goalie;
    item.setText(Position, badge ? QString() : qt::ToQString(details.Position));
    item.setData(Position, Qt::AccessibleTextRole,
                 badge ? qt::ToQString(details.Position) : QVariant());
    item.setText(Overall, details.Overall ? QString::number(*details.Overall) : QString("-"));
    item.setText(Offence, QString::number(details.Offence));
    item.setText(Defence, QString::number(details.Defence));
    item.setText(Absence, qt::Translated(details.Absence));
    // An empty "Out" cell means the player is available; a screen reader says so.
    item.setData(Absence, Qt::AccessibleTextRole,
                 details.Absence.empty()
                     ? QCoreApplication::translate("korvel::RosterTable", "available")
                     : QVariant());
    for (int c = Overall; c <= Defence; ++c)
        item.setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    item.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
}

QTreeWidgetItem* RosterTable::RowOf(int rosterIndex) const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->data(LineText, Qt::UserRole).toInt() == rosterIndex) return item;
    }
    return nullptr;
}

int RosterTable::LineOf(const QTreeWidgetItem* item) const {
    return item != nullptr ? item->data(LineText, kLineRole).toInt() : -1;
}

void RosterTable::Fill(const ListBox& control) {
    clear();
    QString longestAbsence;
    for (int line = 0; line < control.ListCount(); ++line) {
        auto* row = new RosterRow(this);
        FillRow(*row, control.Items[static_cast<std::size_t>(line)], line);
        const QString absence = row->text(Absence);
        if (absence.size() > longestAbsence.size()) longestAbsence = absence;
    }
    SizeColumns(longestAbsence);
    if (sort_.Column >= 0) {
        const Qt::SortOrder order = sort_.Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
        header()->setSortIndicator(sort_.Column, order);
        sortItems(sort_.Column, order);
    }
    header()->setSortIndicatorShown(sort_.Column >= 0);
}

void RosterTable::ShowList(const ListBox& control) {
    const QSignalBlocker blocker(this);
    bool same = topLevelItemCount() == control.ListCount();
    for (int line = 0; same && line < control.ListCount(); ++line) {
        const ListItem& shown = control.Items[static_cast<std::size_t>(line)];
        const QTreeWidgetItem* item = RowOf(shown.ItemData);
        same = item != nullptr && LineOf(item) == line &&
               item->text(LineText) == qt::Translated(shown.Text);
    }
    if (!same) Fill(control);
    QModelIndex current;
    for (int line = 0; line < control.ListCount(); ++line) {
        const ListItem& shown = control.Items[static_cast<std::size_t>(line)];
        QTreeWidgetItem* item = RowOf(shown.ItemData);
        item->setSelected(shown.Selected);
        if (line == control.ListIndex) current = indexFromItem(item);
    }
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void RosterTable::ReadList(ListBox& control) const {
    const int current = LineOf(currentItem());
    control.ListIndex = current < control.ListCount() ? current : -1;
    for (int line = 0; line < control.ListCount(); ++line) {
        ListItem& shown = control.Items[static_cast<std::size_t>(line)];
        const QTreeWidgetItem* item = RowOf(shown.ItemData);
        shown.Selected = item != nullptr && item->isSelected();
    }
}

void RosterTable::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && OnEnter && currentItem() != nullptr && event->modifiers() == Qt::NoModifier) {
        OnEnter(currentItem());
        return event->accept();
    }
    QTreeWidget::keyPressEvent(event);
}

void RosterTable::SortBy(int column) {
    if (column < 0 || column >= ColumnCount) {
        sort_ = {};
    } else if (column != sort_.Column) {
        sort_ = {column, DescendingFirst(column)};
    } else if (sort_.Descending == DescendingFirst(column)) {
        sort_.Descending = !sort_.Descending;
    } else {
        sort_ = {};
    }
    qt::RememberSort(SettingName(place_), sort_);
    // Rows keep their selection through the new order.
    const QSignalBlocker blocker(this);
    ListBox shown = window_.list1[place_];
    ReadList(shown);
    Fill(shown);
    ShowList(shown);
}

void RosterTable::ShowHeaderMenu(const QPoint& at) {
    QMenu menu(this);
    QAction* rosterOrder =
        menu.addAction(QCoreApplication::translate("RosterTable", "Roster order"));
    rosterOrder->setCheckable(true);
    rosterOrder->setChecked(sort_.Column < 0);
    if (menu.exec(header()->mapToGlobal(at)) == rosterOrder) SortBy(-1);
}

void RosterTable::startDrag(Qt::DropActions) {
    if (selectedItems().isEmpty()) return;
    auto* mime = new QMimeData;
    mime->setData(kMimeType, QByteArray::number(place_));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(viewport()->grab(visualItemRect(selectedItems().front())));
    drag->exec(Qt::MoveAction);
}

int RosterTable::DraggedFrom(const QMimeData* mime) const {
    if (mime == nullptr || !mime->hasFormat(kMimeType)) return -1;
    bool ok = false;
    const int from = mime->data(kMimeType).toInt(&ok);
    return ok && from >= 0 && from < Roster::kLists && from != place_ ? from : -1;
}

void RosterTable::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedFrom(event->mimeData()) < 0) return event->ignore();
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void RosterTable::dragMoveEvent(QDragMoveEvent* event) {
    if (DraggedFrom(event->mimeData()) < 0) return event->ignore();
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void RosterTable::dropEvent(QDropEvent* event) {
    const int from = DraggedFrom(event->mimeData());
    if (from < 0) return event->ignore();
    event->setDropAction(Qt::MoveAction);
    event->accept();
    if (OnDrop) OnDrop(from);
}

}  // namespace korvel

#include "windows/roster/qt/RosterTable.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

#include "platform/qt/PositionBadge.h"
#include "platform/qt/QtText.h"

namespace korvel {

namespace {

constexpr std::array<const char*, RosterTable::ColumnCount> kHeaders{"Player", "Pos", "OV",
                                                                     "OF",     "DF",  "Out"};
constexpr std::array<const char*, RosterTable::ColumnCount> kHeaderTips{
    "The player as listed; * marks a protected player or a rookie in the protection view",
    "Position",
    "Overall rating",
    "Offence rating",
    "Defence rating",
    "Injury code and games suspended"};

}  // namespace

RosterTable::RosterTable(int place, const Roster& window, QWidget* parent)
    : QTreeWidget(parent), place_(place), window_(window) {
    setColumnCount(ColumnCount);
    QStringList headers;
    for (const char* header : kHeaders) headers << header;
    setHeaderLabels(headers);
    for (int c = 0; c < ColumnCount; ++c) {
        headerItem()->setToolTip(c, kHeaderTips[static_cast<std::size_t>(c)]);
        if (c >= Overall && c <= Defence) headerItem()->setTextAlignment(c, Qt::AlignRight);
    }
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(LineText, QHeaderView::Stretch);
    header()->setSectionsMovable(false);
    // The line keeps the name's trailing blanks, which must not turn into an ellipsis.
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(Position, QHeaderView::Fixed);
    header()->resizeSection(Position, qt::PositionBadgeSize(font()).width() + 12);
    setItemDelegateForColumn(Position,
                             new qt::PositionBadgeDelegate(
                                 [this](int row) -> int {
                                     const QTreeWidgetItem* line = topLevelItem(row);
                                     if (line == nullptr) return -1;
                                     const int index = line->data(0, Qt::UserRole).toInt();
                                     const int position = window_.RosterPlayer(index).Position;
                                     return position <= Goalie ? position : -1;
                                 },
                                 this));
}

void RosterTable::FillRow(QTreeWidgetItem& item, const ListItem& line) const {
    const Roster::LineDetails details = window_.Details(line.ItemData);
    item.setText(LineText, qt::ToQString(line.Text));
    item.setData(LineText, Qt::UserRole, line.ItemData);
    // A known position is painted as its badge; any other code is shown as text.
    const bool badge = window_.RosterPlayer(line.ItemData).Position <= Goalie;
    item.setText(Position, badge ? QString() : qt::ToQString(details.Position));
    item.setText(Overall, details.Overall ? QString::number(*details.Overall) : QString("-"));
    item.setText(Offence, QString::number(details.Offence));
    item.setText(Defence, QString::number(details.Defence));
    item.setText(Absence, qt::ToQString(details.Absence));
    for (int c = Overall; c <= Defence; ++c)
        item.setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    item.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
}

void RosterTable::ShowList(const ListBox& control) {
    const QSignalBlocker blocker(this);
    bool same = topLevelItemCount() == control.ListCount();
    for (int row = 0; same && row < control.ListCount(); ++row) {
        const ListItem& line = control.Items[static_cast<std::size_t>(row)];
        const QTreeWidgetItem* item = topLevelItem(row);
        same = item->text(LineText) == qt::ToQString(line.Text) &&
               item->data(LineText, Qt::UserRole).toInt() == line.ItemData;
    }
    if (!same) {
        clear();
        for (const ListItem& line : control.Items) FillRow(*new QTreeWidgetItem(this), line);
    }
    for (int row = 0; row < control.ListCount(); ++row) {
        topLevelItem(row)->setSelected(control.Items[static_cast<std::size_t>(row)].Selected);
    }
    const QModelIndex current =
        control.HasSelection() ? model()->index(control.ListIndex, 0) : QModelIndex();
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void RosterTable::ReadList(ListBox& control) const {
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    control.ListIndex = current < control.ListCount() ? current : -1;
    for (int row = 0; row < control.ListCount() && row < topLevelItemCount(); ++row) {
        control.Items[static_cast<std::size_t>(row)].Selected = topLevelItem(row)->isSelected();
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

#include "windows/lines/qt/CandidateTable.h"

#include <QEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>
#include <array>

#include "platform/qt/Positions.h"
#include "platform/qt/QtText.h"
#include "platform/qt/RatedPlayerTable.h"
#include "platform/qt/Translate.h"
#include "ratings/Ratings.h"

namespace korvel {

namespace {

constexpr std::array<const char*, CandidateTable::ColumnCount> kHeaders{
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Player"), QT_TRANSLATE_NOOP("RatedPlayerTable", "Pos"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "OV"),     QT_TRANSLATE_NOOP("RatedPlayerTable", "OF"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "DF"),     QT_TRANSLATE_NOOP("RatedPlayerTable", "Out")};
constexpr std::array<const char*, CandidateTable::ColumnCount> kHeaderTips{
    QT_TRANSLATE_NOOP(
        "RatedPlayerTable",
        "The player as listed; the mark tells how often he stands in the lines shown"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Position"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Overall rating"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Offence rating"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Defence rating"),
    QT_TRANSLATE_NOOP("RatedPlayerTable", "Injury code and games suspended: out of the next game")};
constexpr const char* kSortSetting = "LinesCandidates";
// All dressed players show without scrolling when the screen has room for them.
constexpr int kShownRows = 20;

constexpr int kSortRole = Qt::UserRole + 2;
constexpr int kLineRole = Qt::UserRole + 3;

bool DescendingFirst(int column) {
    return column >= CandidateTable::Overall && column <= CandidateTable::Defence;
}

class CandidateRow : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const auto* table = static_cast<const CandidateTable*>(treeWidget());
        const int line = data(0, kLineRole).toInt();
        const int otherLine = other.data(0, kLineRole).toInt();
        if (table == nullptr || table->SortColumn() < 0) return line < otherLine;
        const int column = table->SortColumn();
        const auto order =
            QVariant::compare(data(column, kSortRole), other.data(column, kSortRole));
        if (order != QPartialOrdering::Equivalent && order != QPartialOrdering::Unordered)
            return order == QPartialOrdering::Less;
        // Equal keys keep roster order, whichever way the column runs.
        const bool descending = table->header()->sortIndicatorOrder() == Qt::DescendingOrder;
        return descending ? otherLine < line : line < otherLine;
    }
};

// A small round mark in palette colours: a ring for an unused player, a dot for a player used
// once, two dots for a player used several times.
QIcon UseMark(LineUse use, const QPalette& palette, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = size / 4.0;
    if (use == LineUse::Unused) {
        painter.setPen(QPen(palette.color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.color(QPalette::Text));
        if (use == LineUse::Once) {
            painter.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
        } else {
            painter.drawEllipse(QPointF(size / 2.0 - r, size / 2.0), r * 0.8, r * 0.8);
            painter.drawEllipse(QPointF(size / 2.0 + r, size / 2.0), r * 0.8, r * 0.8);
        }
    }
    return QIcon(pixmap);
}

const char* UseText(LineUse use) {
    switch (use) {
        case LineUse::Unused:
            return QT_TRANSLATE_NOOP("CandidateTable", "Not in the lines shown");
        case LineUse::Once:
            return QT_TRANSLATE_NOOP("CandidateTable", "In one place of the lines shown");
        case LineUse::Several:
            return QT_TRANSLATE_NOOP("CandidateTable", "In several places of the lines shown");
    }
    return "";
}

}  // namespace

CandidateTable::CandidateTable(const Lines& window, QWidget* parent)
    : QTreeWidget(parent), window_(window) {
    qt::SetUpRatedPlayerTable(*this, kHeaders, kHeaderTips, [this](int rosterPlace) {
        return static_cast<int>(window_.RosterPlayer(rosterPlace).Position);
    });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    const int mark = fontMetrics().height();
    setIconSize(QSize(mark, mark));
    for (int c = Overall; c < ColumnCount; ++c)
        header()->setSectionResizeMode(c, QHeaderView::Fixed);
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int column) { HeaderClicked(column); });
    sort_ = qt::RememberedSort(kSortSetting, ColumnCount);
    SizeColumns();
}

bool CandidateTable::SameLines(const ListBox& control) const {
    if (topLevelItemCount() != control.ListCount()) return false;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        const ListItem& line = control.Items.at(static_cast<std::size_t>(LineOfRow(row)));
        const std::size_t at = static_cast<std::size_t>(LineOfRow(row));
        const QString out =
            at < window_.ListOut.size() ? qt::Translated(window_.ListOut[at]) : QString();
        if (item->text(Player) != qt::Translated(line.Text) || item->text(Out) != out ||
            item->data(Player, Qt::UserRole).toInt() != line.ItemData) {
            return false;
        }
    }
    return true;
}

void CandidateTable::Fill(const ListBox& control) {
    clear();
    for (int line = 0; line < control.ListCount(); ++line) {
        const ListItem& shown = control.Items[static_cast<std::size_t>(line)];
        const korvel::Player& player = window_.RosterPlayer(shown.ItemData);
        const std::optional<int> overall = OverallOf(player);
        auto* item = new CandidateRow(this);
        item->setText(Player, qt::Translated(shown.Text));
        item->setData(Player, Qt::UserRole, shown.ItemData);
        item->setData(Player, kLineRole, line);
        item->setData(Player, kSortRole, qt::ToQString(player.Name.Utf8()).trimmed().toLower());
        item->setData(Position, kSortRole, static_cast<int>(player.Position));
        // A code that is no position shows as its number; a badge is spoken as its name.
        if (player.Position > Goalie) {
            item->setText(Position, QString::number(player.Position));
        } else {
            item->setData(Position, Qt::AccessibleTextRole, qt::LookOfPosition(player.Position)->Name);
        }
        item->setText(Overall, overall ? QString::number(*overall) : QString("-"));
        item->setData(Overall, kSortRole, overall.value_or(-1));
        item->setText(Offence, QString::number(OffenseRatingOf(player)));
        item->setData(Offence, kSortRole, OffenseRatingOf(player));
        item->setText(Defence, QString::number(DefenseRatingOf(player)));
        item->setData(Defence, kSortRole, DefenseRatingOf(player));
        const QString out = static_cast<std::size_t>(line) < window_.ListOut.size()
                                ? qt::Translated(window_.ListOut[static_cast<std::size_t>(line)])
                                : QString();
        item->setText(Out, out);
        // An empty "Out" cell means the player may play; a screen reader says so.
        item->setData(Out, Qt::AccessibleTextRole,
                      out.isEmpty() ? QCoreApplication::translate("korvel::RosterTable", "available")
                                    : QVariant());
        item->setData(Out, kSortRole, out);
        if (!out.isEmpty()) item->setForeground(Out, QColor("#c8102e"));
        for (int c = Overall; c <= Defence; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    ApplySort();
}

void CandidateTable::ApplySort() {
    // Without a column the rows sort by their lines: the roster order.
    const Qt::SortOrder order = sort_.Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    header()->setSortIndicator(std::max(sort_.Column, 0), order);
    header()->setSortIndicatorShown(sort_.Column >= 0);
    sortItems(std::max(sort_.Column, 0), order);
    SizeChanged();  // new names, or the sort indicator, change the width asked for
}

// A rating has two digits at most; the Out column is as wide as its longest reason ("1W, Susp 3");
// the sorted column keeps room for its arrow.
void CandidateTable::SizeColumns() {
    for (int c = Overall; c <= Defence; ++c)
        header()->resizeSection(c, qt::RatedColumnWidth(*this, c, "99", c == sort_.Column));
    QString widestOut;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QString out = topLevelItem(row)->text(Out);
        if (fontMetrics().horizontalAdvance(out) > fontMetrics().horizontalAdvance(widestOut))
            widestOut = out;
    }
    header()->resizeSection(Out, qt::RatedColumnWidth(*this, Out, widestOut, Out == sort_.Column));
}

void CandidateTable::SizeChanged() {
    SizeColumns();
    sizeHint_ = QSize();
    minimumSizeHint_ = QSize();
    updateGeometry();
}

// A table measured before it was polished is measured again in its style.
bool CandidateTable::event(QEvent* event) {
    if (event->type() == QEvent::Polish) SizeChanged();
    return QTreeWidget::event(event);
}

void CandidateTable::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) SizeChanged();
}

void CandidateTable::ShowList(const ListBox& control, const std::vector<LineUse>& use) {
    const QSignalBlocker blocker(this);
    if (!SameLines(control)) Fill(control);
    const int mark = fontMetrics().height();
    QTreeWidgetItem* selected = nullptr;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        const int line = LineOfRow(row);
        const LineUse used = line < static_cast<int>(use.size())
                                 ? use[static_cast<std::size_t>(line)]
                                 : LineUse::Unused;
        if (item->data(Player, kUseRole) != static_cast<int>(used) || item->icon(Player).isNull()) {
            item->setIcon(Player, UseMark(used, palette(), mark));
            item->setToolTip(Player, QCoreApplication::translate("CandidateTable", UseText(used)));
            item->setData(Player, kUseRole, static_cast<int>(used));
            // The mark is a picture: a screen reader hears what it means after the name.
            item->setData(Player, Qt::AccessibleTextRole,
                          QCoreApplication::translate("korvel::CandidateTable", "%1, %2")
                              .arg(item->text(Player).trimmed(), UseText(used)));
        }
        if (line == control.ListIndex) selected = item;
    }
    if (selected != nullptr) {
        setCurrentItem(selected, 0,
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        // The focus cursor stays where it is, so that the keyboard can still select from there.
        clearSelection();
    }
}

int CandidateTable::LineOfRow(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr ? item->data(Player, kLineRole).toInt() : -1;
}

int CandidateTable::SelectedLine() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->data(Player, kLineRole).toInt();
}

void CandidateTable::SortBy(int column) {
    sort_ = column >= 0 && column < ColumnCount ? qt::TableSort{column, DescendingFirst(column)}
                                                : qt::TableSort{};
    qt::RememberSort(kSortSetting, sort_);
    const QSignalBlocker blocker(this);
    ApplySort();
    if (QTreeWidgetItem* current = currentItem()) scrollToItem(current);
}

void CandidateTable::HeaderClicked(int column) {
    if (column != sort_.Column) {
        SortBy(column);
    } else if (sort_.Descending == DescendingFirst(column)) {
        sort_.Descending = !sort_.Descending;
        qt::RememberSort(kSortSetting, sort_);
        const QSignalBlocker blocker(this);
        ApplySort();
    } else {
        SortBy(-1);
    }
    if (OnSortChanged) OnSortChanged();
}

QSize CandidateTable::sizeHint() const {
    if (!sizeHint_.isValid()) sizeHint_ = MeasuredSizeHint();
    return sizeHint_;
}

// Wide enough for the longest name, its mark and the ratings; high enough for a game roster.
QSize CandidateTable::MeasuredSizeHint() const {
    // The view measures only the rows in sight; the longest name is measured here.
    int names = 0;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QString name = topLevelItem(row)->text(Player).trimmed();
        names = std::max(names, fontMetrics().horizontalAdvance(name));
    }
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + names +
                iconSize().width() + 3 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    // The position and rating columns have fixed widths.
    for (int c = Position; c < ColumnCount; ++c) width += header()->sectionSize(c);
    const int rows = std::max(kShownRows, topLevelItemCount());
    const int row = topLevelItemCount() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 6;
    return {width, header()->sizeHint().height() + rows * row + 2 * frameWidth() + 2};
}

// Never narrower than its names: a name cut short could be any of two players.
QSize CandidateTable::minimumSizeHint() const {
    if (minimumSizeHint_.isValid()) return minimumSizeHint_;
    const QSize whole = sizeHint();
    const int row = topLevelItemCount() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 6;
    minimumSizeHint_ = {whole.width(), header()->sizeHint().height() + 6 * row};
    return minimumSizeHint_;
}

}  // namespace korvel

#include "windows/standings/qt/StandingsForm.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>

#include <array>

#include "platform/qt/QtText.h"

namespace korvel {
namespace {

constexpr int kMostHeight = 600;

struct ColumnInfo {
    const char* Header;
    const char* ToolTip;
};
constexpr std::array<ColumnInfo, StandingsForm::kColumns> kColumnInfo = {{
    {"Team", "Double click or Enter makes the team current."},
    {"GP", "Games played: W + L + T."},
    {"W", "Wins."},
    {"L", "Losses."},
    {"T", "Ties."},
    {"PTS", "Points: 2 for a win, 1 for a tie."},
    {"GF", "Goals for."},
    {"GA", "Goals against."},
    {"DIFF", "Goal difference: GF - GA."},
}};

std::array<int, StandingsForm::kColumns - 1> NumbersOf(const StandingsRow& row) {
    return {row.GP, row.W, row.L, row.T, row.PTS, row.GF, row.GA, row.DIFF};
}

QTableWidgetItem* Cell(const QString& text, int teamIndex, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, teamIndex);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

QFont Bold(QFont font, double scale) {
    font.setBold(true);
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// The table as tall as its rows, so that the window, not each table, scrolls; columns as wide as
// their cells in bold, the current team's row.
void FitSize(QTableWidget& table) {
    const QFont normal = table.font();
    table.setFont(Bold(normal, 1.0));
    table.resizeColumnsToContents();
    table.setFont(normal);
    table.resizeRowsToContents();
    const int height = table.horizontalHeader()->height() + table.verticalHeader()->length() +
                       2 * table.frameWidth();
    table.setFixedHeight(height);
    int width = 2 * table.frameWidth() + table.verticalHeader()->sizeHint().width();
    for (int column = 0; column < table.columnCount(); ++column) width += table.columnWidth(column);
    table.setFixedWidth(width);
}

}  // namespace

StandingsForm::StandingsForm(Standings& window, QWidget* parent)
    : qt::DialogForm(window, parent), window_(window) {
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    columns->setSpacing(18);
    std::array<QVBoxLayout*, 2> conference{new QVBoxLayout, new QVBoxLayout};
    for (std::size_t conf = 0; conf < conference.size(); ++conf) {
        conference[conf]->setSpacing(6);
        columns->addLayout(conference[conf], 1);
        auto* name = new QLabel(qt::ToQString(window_.ConferenceNames[conf]), content);
        name->setFont(Bold(name->font(), 1.25));
        conference[conf]->addWidget(name);
    }
    for (const DivisionStandings& division : window_.Shown.Divisions) {
        conference[static_cast<std::size_t>(division.Conference)]->addWidget(
            MakeDivision(division));
    }
    for (QVBoxLayout* column : conference) column->addStretch(1);
    SameColumnWidths();

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    lblUnlisted = new QLabel(this);
    lblUnlisted->setWordWrap(true);
    lblUnlisted->setToolTip("Teams whose conference or division the league does not have.");

    cmdExit = new QPushButton(this);
    Binder().Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExit);

    auto* root = new QVBoxLayout(this);
    root->addWidget(scroll, 1);
    root->addWidget(lblUnlisted);
    root->addLayout(buttons);

    Binder().OnRefresh([this] {
        lblUnlisted->setText(qt::ToQString(window_.lblUnlisted.Caption));
        lblUnlisted->setVisible(window_.lblUnlisted.Visible);
        ShowCurrentTeam();
    });
    Binder().RefreshAll();
    SetExitButton(*cmdExit);
    // Wide enough for both columns of tables and a scroll bar; as tall as they are, up to most of
    // a screen, beyond which the tables scroll.
    const QSize wanted = content->sizeHint();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(wanted.width() + scrollBar + 4);
    scroll->setMinimumHeight(std::min(wanted.height() + 12, kMostHeight));
    adjustSize();
    if (!Tables.empty()) Tables.front()->setFocus();
}

QWidget* StandingsForm::MakeDivision(const DivisionStandings& division) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* heading = new QLabel(qt::ToQString(Standings::Heading(division)), box);
    heading->setFont(Bold(heading->font(), 1.0));
    layout->addWidget(heading);

    auto* table = new QTableWidget(static_cast<int>(division.Teams.size()), kColumns, box);
    table->setObjectName(
        QString("standings-%1-%2").arg(division.Conference).arg(division.Division));
    for (int column = 0; column < kColumns; ++column) {
        auto* header = new QTableWidgetItem(kColumnInfo[static_cast<std::size_t>(column)].Header);
        header->setToolTip(kColumnInfo[static_cast<std::size_t>(column)].ToolTip);
        table->setHorizontalHeaderItem(column, header);
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        const StandingsRow& team = division.Teams[static_cast<std::size_t>(row)];
        table->setItem(row, 0, Cell(qt::ToQString(team.Team), team.TeamIndex, false));
        const auto numbers = NumbersOf(team);
        for (std::size_t n = 0; n < numbers.size(); ++n) {
            table->setItem(row, static_cast<int>(n) + 1,
                           Cell(QString::number(numbers[n]), team.TeamIndex, true));
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The rank within the division, 1 first.
    table->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->horizontalHeader()->setStretchLastSection(false);
    FitSize(*table);
    connect(table, &QTableWidget::doubleClicked, this,
            [this, table](const QModelIndex& index) { MakeCurrent(*table, index.row()); });
    table->installEventFilter(this);
    layout->addWidget(table);
    Tables.push_back(table);
    return box;
}

void StandingsForm::MakeCurrent(const QTableWidget& table, int row) {
    if (row < 0 || row >= table.rowCount()) return;
    const int team = TeamOfRow(table, row);
    Binder().Run([this, team] { window_.Team_DblClick(team); });
}

// Enter on a table acts on its focused row as a double click does, instead of pressing Exit.
bool StandingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* table = qobject_cast<QTableWidget*>(watched);
        if (table != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            MakeCurrent(*table, table->currentRow());
            return true;
        }
    }
    return qt::DialogForm::eventFilter(watched, event);
}

// Every table with the same column widths, so that the columns line up from table to table.
void StandingsForm::SameColumnWidths() {
    std::array<int, kColumns> widths{};
    int rankWidth = 0;
    for (const QTableWidget* table : Tables) {
        for (int column = 0; column < kColumns; ++column) {
            widths[static_cast<std::size_t>(column)] =
                std::max(widths[static_cast<std::size_t>(column)], table->columnWidth(column));
        }
        rankWidth = std::max(rankWidth, table->verticalHeader()->sizeHint().width());
    }
    for (QTableWidget* table : Tables) {
        int width = 2 * table->frameWidth() + rankWidth;
        table->verticalHeader()->setFixedWidth(rankWidth);
        for (int column = 0; column < kColumns; ++column) {
            table->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
            width += widths[static_cast<std::size_t>(column)];
        }
        table->setFixedWidth(width);
    }
}

int StandingsForm::TeamOfRow(const QTableWidget& table, int row) {
    return table.item(row, 0)->data(Qt::UserRole).toInt();
}

// The current team's row in bold on a tint of the palette's highlight colour, set apart from the
// full highlight of the selected row.
void StandingsForm::ShowCurrentTeam() {
    for (QTableWidget* table : Tables) {
        const QPalette colours = table->palette();
        QColor tint = colours.color(QPalette::Highlight);
        tint.setAlpha(90);
        for (int row = 0; row < table->rowCount(); ++row) {
            const bool current = TeamOfRow(*table, row) == window_.CurrentTeam;
            for (int column = 0; column < kColumns; ++column) {
                QTableWidgetItem* item = table->item(row, column);
                QFont font = item->font();
                font.setBold(current);
                item->setFont(font);
                item->setBackground(current ? QBrush(tint) : QBrush());
            }
        }
    }
}

}  // namespace korvel

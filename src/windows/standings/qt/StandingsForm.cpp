#include "windows/standings/qt/StandingsForm.h"

#include <QCoreApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>

#include <array>

#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"

namespace korvel {
namespace {

constexpr int kMostHeight = 600;

struct ColumnInfo {
    const char* Header;
    const char* ToolTip;
};
constexpr std::array<ColumnInfo, StandingsForm::kColumns> kColumnInfo = {{
    {QT_TRANSLATE_NOOP("StandingsForm", "Rank"),
     QT_TRANSLATE_NOOP("StandingsForm",
                       "Place in the division: points, then wins, then goal difference.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "Team"),
     QT_TRANSLATE_NOOP("StandingsForm", "Double click or Enter makes the team current.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "GP"),
     QT_TRANSLATE_NOOP("StandingsForm", "Games played: W + L + T.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "W"), QT_TRANSLATE_NOOP("StandingsForm", "Wins.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "L"), QT_TRANSLATE_NOOP("StandingsForm", "Losses.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "T"), QT_TRANSLATE_NOOP("StandingsForm", "Ties.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "PTS"),
     QT_TRANSLATE_NOOP("StandingsForm", "Points: 2 for a win, 1 for a tie.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "GF"), QT_TRANSLATE_NOOP("StandingsForm", "Goals for.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "GA"),
     QT_TRANSLATE_NOOP("StandingsForm", "Goals against.")},
    {QT_TRANSLATE_NOOP("StandingsForm", "DIFF"),
     QT_TRANSLATE_NOOP("StandingsForm", "Goal difference: GF - GA.")},
}};
constexpr int kTeamColumn = 1;

QString HeaderOf(int column) {
    return QCoreApplication::translate("StandingsForm",
                                       kColumnInfo[static_cast<std::size_t>(column)].Header);
}

std::array<QString, StandingsForm::kColumns> CellsOf(const StandingsRow& row) {
    return {QString::number(row.Rank), qt::ToQString(row.Team), QString::number(row.GP),
            QString::number(row.W),    QString::number(row.L),  QString::number(row.T),
            QString::number(row.PTS),  QString::number(row.GF), QString::number(row.GA),
            QString::number(row.DIFF)};
}

QTableWidgetItem* Cell(const QString& text, int teamIndex, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, teamIndex);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

// Bold drawn unhinted, as the main window draws its titles: the font library then has no second
// face to analyse, and at these sizes it looks the same.
QFont Bold(QFont font, double scale) {
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

}  // namespace

// Worked out once from the fonts for every table: asking each table to measure its own cells
// costs more than the rest of the window.
StandingsForm::TableSizes StandingsForm::MeasureTables(const QFont& font) const {
    const QFontMetrics bold(Bold(font, 1.0));
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 12;
    const int headerMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 12;
    TableSizes sizes;
    for (int column = 0; column < kColumns; ++column) {
        sizes.Columns[static_cast<std::size_t>(column)] =
            bold.horizontalAdvance(HeaderOf(column)) + headerMargin;
    }
    // Digits share one width: a number column is as wide as its longest number in zeros. Only the
    // names are measured one by one.
    std::array<qsizetype, kColumns> longest{};
    for (const DivisionStandings& division : window_.Shown.Divisions) {
        for (const StandingsRow& row : division.Teams) {
            const auto cells = CellsOf(row);
            for (std::size_t column = 0; column < cells.size(); ++column) {
                if (column == kTeamColumn) {
                    sizes.Columns[column] = std::max(
                        sizes.Columns[column], bold.horizontalAdvance(cells[column]) + margin);
                } else {
                    longest[column] = std::max(longest[column], cells[column].size());
                }
            }
        }
    }
    for (std::size_t column = 0; column < longest.size(); ++column) {
        if (longest[column] == 0) continue;
        sizes.Columns[column] = std::max(
            sizes.Columns[column], bold.horizontalAdvance(QString(longest[column], '0')) + margin);
    }
    sizes.Row = bold.height() + 8;
    sizes.Header = bold.height() + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 6;
    return sizes;
}

StandingsForm::StandingsForm(Standings& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    sizes_ = MeasureTables(font());
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    columns->setSpacing(18);
    std::array<QVBoxLayout*, 2> conference{new QVBoxLayout, new QVBoxLayout};
    for (std::size_t conf = 0; conf < conference.size(); ++conf) {
        conference[conf]->setSpacing(6);
        columns->addLayout(conference[conf], 1);
        auto* name = new QLabel(qt::ToQString(window_.ConferenceNames[conf]), content);
        name->setFont(Bold(name->font(), 1.15));
        conference[conf]->addWidget(name);
    }
    for (const DivisionStandings& division : window_.Shown.Divisions) {
        conference[static_cast<std::size_t>(division.Conference)]->addWidget(
            MakeDivision(division));
    }
    for (QVBoxLayout* column : conference) column->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAccessibleName(QCoreApplication::translate("korvel::StandingsForm", "Standings"));

    lblUnlisted = new QLabel(this);
    lblUnlisted->setWordWrap(true);
    lblUnlisted->setToolTip(QCoreApplication::translate(
        "StandingsForm", "Teams whose conference or division the league does not have."));

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
        lblUnlisted->setText(qt::Translated(window_.lblUnlisted.Caption));
        lblUnlisted->setVisible(window_.lblUnlisted.Visible);
        ShowCurrentTeam();
    });
    Binder().RefreshAll();
    SetExitButton(*cmdExit);
    // Wide enough for both columns of tables and a scroll bar; as tall as they are, up to most of
    // a screen, beyond which the tables scroll.
    const QSize wanted = content->sizeHint();
    const bool fits = wanted.height() + 12 <= kMostHeight;
    const int scrollBar = fits ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Qt shows an empty scroll bar beside tables that fit, so there is none then.
    if (fits) scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(wanted.width() + scrollBar + 4);
    scroll->setMinimumHeight(std::min(wanted.height() + 12, kMostHeight));
    adjustSize();
    if (!Tables.empty()) Tables.front()->setFocus();
}

QWidget* StandingsForm::MakeDivision(const DivisionStandings& division) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* heading = new QLabel(qt::Translated(Standings::Heading(division)), box);
    heading->setFont(Bold(heading->font(), 1.0));
    layout->addWidget(heading);

    auto* table = new QTableWidget(static_cast<int>(division.Teams.size()), kColumns, box);
    table->setObjectName(
        QString("standings-%1-%2").arg(division.Conference).arg(division.Division));
    table->setAccessibleName(heading->text());
    table->setAccessibleDescription(QCoreApplication::translate("korvel::StandingsForm",
                                                             "Enter or a double click makes the team current"));
    for (int column = 0; column < kColumns; ++column) {
        auto* header = new QTableWidgetItem(HeaderOf(column));
        header->setToolTip(QCoreApplication::translate(
            "StandingsForm", kColumnInfo[static_cast<std::size_t>(column)].ToolTip));
        header->setTextAlignment(column == kTeamColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
        table->setHorizontalHeaderItem(column, header);
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        const StandingsRow& team = division.Teams[static_cast<std::size_t>(row)];
        const auto cells = CellsOf(team);
        for (int column = 0; column < kColumns; ++column) {
            table->setItem(row, column,
                           Cell(cells[static_cast<std::size_t>(column)], team.TeamIndex,
                                column != kTeamColumn));
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A table to read, not a sheet to fill in: no row numbers, no grid, rows in turn shaded.
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setFixedHeight(sizes_.Header);
    table->verticalHeader()->setDefaultSectionSize(sizes_.Row);
    int width = 2 * table->frameWidth();
    for (int column = 0; column < kColumns; ++column) {
        table->setColumnWidth(column, sizes_.Columns[static_cast<std::size_t>(column)]);
        width += sizes_.Columns[static_cast<std::size_t>(column)];
    }
    table->setFixedSize(width,
                        sizes_.Header + sizes_.Row * table->rowCount() + 2 * table->frameWidth());
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

int StandingsForm::TeamOfRow(const QTableWidget& table, int row) {
    return table.item(row, kTeamColumn)->data(Qt::UserRole).toInt();
}

// The current team's row in bold on a tint of the palette's highlight colour, set apart from the
// full highlight of the selected row.
void StandingsForm::ShowCurrentTeam() {
    // Only the rows of the team shown as current before and of the one now change.
    if (window_.CurrentTeam == shownCurrent_) return;
    for (QTableWidget* table : Tables) {
        QColor tint = table->palette().color(QPalette::Highlight);
        tint.setAlpha(90);
        for (int row = 0; row < table->rowCount(); ++row) {
            const int team = TeamOfRow(*table, row);
            if (team != shownCurrent_ && team != window_.CurrentTeam) continue;
            const bool current = team == window_.CurrentTeam;
            for (int column = 0; column < kColumns; ++column) {
                QTableWidgetItem* item = table->item(row, column);
                QFont font = item->font();
                font.setBold(current);
                font.setHintingPreference(current ? QFont::PreferNoHinting
                                                  : QFont::PreferDefaultHinting);
                item->setFont(font);
                item->setBackground(current ? QBrush(tint) : QBrush());
            }
            // Colour and bold say it on screen; a screen reader says it in words.
            QTableWidgetItem* name = table->item(row, kTeamColumn);
            name->setData(Qt::AccessibleTextRole,
                          current ? QCoreApplication::translate("korvel::StandingsForm", "%1, current team").arg(name->text()) : QVariant());
        }
    }
    shownCurrent_ = window_.CurrentTeam;
}

}  // namespace korvel

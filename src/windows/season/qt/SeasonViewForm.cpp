#include "windows/season/qt/SeasonViewForm.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "platform/qt/QtText.h"
#include "windows/season/qt/SeasonChart.h"

namespace korvel {
namespace {

enum Column { Mark, Place, Name, Pos, GP, First };  // then the five numbers of the kind
constexpr int kNumbers = 5;
constexpr int kColumns = First + kNumbers;
constexpr int kRows = 8;

QFont Bold(QFont font, double scale = 1.0) {
    font.setBold(true);
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

QTableWidgetItem* Number(int value) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* Text(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

QLabel* Heading(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(Bold(label->font()));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

SeasonViewForm::SeasonViewForm(SeasonView& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    auto& binder = Binder();
    lblTitle = new QLabel(this);
    lblTitle->setFont(Bold(font(), 1.2));
    lblNote = new QLabel(this);
    lblNote->setWordWrap(true);
    lblRun = new QLabel(this);
    lblRun->setWordWrap(true);
    binder.Bind(*lblTitle, window_.lblTitle);
    binder.Bind(*lblNote, window_.lblNote);
    binder.Bind(*lblRun, window_.lblRun);

    chart = new SeasonChart(this);
    chart->SetDays(window_.Shown.GameDays);

    tblSkaters = MakeTable(false, QCoreApplication::translate("Season", "Skaters"));
    tblGoalies = MakeTable(true, QCoreApplication::translate("Season", "Goalies"));
    FillTables();

    lstAbsences = new QListWidget(this);
    lstWaivers = new QListWidget(this);
    const std::array<std::pair<QListWidget*, QString>, 2> lists{
        {{lstAbsences, QCoreApplication::translate("Season", "Absences")},
         {lstWaivers, QCoreApplication::translate("Season", "Waiver wire")}}};
    for (const auto& [list, name] : lists) {
        list->setAccessibleName(name);
        list->setToolTip(QCoreApplication::translate(
            "Season", "Enter or a double click opens the player's card."));
        list->setWordWrap(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 44);
        list->installEventFilter(this);
    }
    binder.Bind(*lstAbsences, window_.lstAbsences, {}, [this] { window_.lstAbsences_DblClick(); });
    binder.Bind(*lstWaivers, window_.lstWaivers, {}, [this] { window_.lstWaivers_DblClick(); });

    cmdExit = new QPushButton(this);
    binder.Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });

    auto* left = new QVBoxLayout;
    left->addWidget(Heading("&" + qt::ToQString(window_.lblForm.Caption), tblSkaters, this));
    left->addWidget(tblSkaters, 3);
    left->addWidget(Heading(QCoreApplication::translate("Season", "&Goalies"), tblGoalies, this));
    left->addWidget(tblGoalies, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(
        Heading(QCoreApplication::translate("Season", "&Absences"), lstAbsences, this));
    right->addWidget(lstAbsences, 1);
    right->addWidget(
        Heading(QCoreApplication::translate("Season",
                                            "&Waiver wire (better than your weakest dressed)"),
                lstWaivers, this));
    right->addWidget(lstWaivers, 2);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(18);
    middle->addLayout(left, 3);
    middle->addLayout(right, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdExit);

    auto* root = new QVBoxLayout(this);
    root->addWidget(lblTitle);
    root->addWidget(lblNote);
    root->addWidget(lblRun);
    root->addWidget(chart);
    root->addLayout(middle, 1);
    root->addLayout(bottom);

    binder.RefreshAll();
    SetExitButton(*cmdExit);
    qt::SetTabChain({tblSkaters, tblGoalies, lstAbsences, lstWaivers, cmdExit});
    tblSkaters->setFocus();
    adjustSize();
}

QTableWidget* SeasonViewForm::MakeTable(bool goalies, const QString& name) {
    auto* table = new QTableWidget(0, kColumns, this);
    table->setObjectName(goalies ? "season-goalies" : "season-skaters");
    table->setAccessibleName(name);
    const QString nameHeader = QCoreApplication::translate("Season", "Name");
    const QString posHeader = QCoreApplication::translate("Season", "Pos");
    const QStringList skaterHeaders{"",   "#", nameHeader, posHeader, "GP",
                                    "G",  "A", "PTS",      "+/-",     "PIM"};
    const QStringList goalieHeaders{"",  "#", nameHeader, posHeader, "GP",
                                    "W", "L", "T",        "GA",      "SO"};
    table->setHorizontalHeaderLabels(goalies ? goalieHeaders : skaterHeaders);
    table->horizontalHeaderItem(Mark)->setToolTip(
        QCoreApplication::translate("Season",
                                    "\u25b2 hot: the most points of the span among those who "
                                    "played; \u25bc cold: the fewest."));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setToolTip(QCoreApplication::translate(
        "Season", "Click a heading to sort; Enter or a double click opens the card."));
    const QFontMetrics metrics(font());
    const int row = metrics.height() + 6;
    table->verticalHeader()->setDefaultSectionSize(row);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    table->setMinimumHeight(row * (goalies ? 3 : kRows) + table->horizontalHeader()->sizeHint().height() + 4);
    table->setMinimumWidth(metrics.averageCharWidth() * 78);
    connect(table, &QTableWidget::cellDoubleClicked, this,
            [this, table](int r, int) { OpenRow(*table, r); });
    table->installEventFilter(this);
    return table;
}

void SeasonViewForm::FillTables() {
    for (QTableWidget* table : {tblSkaters, tblGoalies}) {
        table->setSortingEnabled(false);
        table->setRowCount(0);
    }
    for (const FormLine& line : window_.Shown.Form) {
        QTableWidget* table = line.Goalie ? tblGoalies : tblSkaters;
        const int row = table->rowCount();
        table->insertRow(row);
        auto* mark = Text(line.Hot ? "\u25b2" : line.Cold ? "\u25bc" : "");
        mark->setToolTip(line.Hot    ? QCoreApplication::translate("Season", "Hot")
                         : line.Cold ? QCoreApplication::translate("Season", "Cold")
                                     : QString());
        table->setItem(row, Mark, mark);
        table->setItem(row, Place, Number(line.Index));
        auto* name = Text(qt::ToQString(line.Name));
        name->setData(Qt::UserRole, line.Index);
        if (line.Hot || line.Cold) {
            name->setForeground(line.Hot ? QColor(46, 139, 87) : QColor(200, 70, 60));
            name->setFont(Bold(font()));
        }
        table->setItem(row, Name, name);
        table->setItem(row, Pos, Text(qt::ToQString(line.Position)));
        table->setItem(row, GP, Number(line.GP));
        const std::array<int, kNumbers> numbers =
            line.Goalie ? std::array{line.W, line.L, line.T, line.GA, line.SO}
                        : std::array{line.G, line.A, line.PTS, line.PlusMinus, line.PIM};
        for (int i = 0; i < kNumbers; ++i) {
            table->setItem(row, First + i, Number(numbers[static_cast<std::size_t>(i)]));
        }
        table->item(row, Place)->setData(Qt::UserRole, line.Index);
    }
    for (QTableWidget* table : {tblSkaters, tblGoalies}) {
        // Shown as the window gives them (best first) until a heading is clicked: no sort
        // column yet when sorting is turned on, which sorts at once by the indicated one.
        table->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
        table->horizontalHeader()->setSortIndicatorShown(true);
        table->setSortingEnabled(true);
        if (table->rowCount() > 0) table->setCurrentCell(0, Name);
    }
}

int SeasonViewForm::PlayerOfRow(const QTableWidget& table, int row) {
    const QTableWidgetItem* item = table.item(row, Name);
    return item != nullptr ? item->data(Qt::UserRole).toInt() : -1;
}

void SeasonViewForm::OpenRow(const QTableWidget& table, int row) {
    const int index = PlayerOfRow(table, row);
    if (index < 0) return;
    Binder().Run([this, index] { window_.FormPlayer_Open(index); });
}

// Enter opens the focused player's card, as a double click does, instead of pressing Exit.
bool SeasonViewForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == tblSkaters || watched == tblGoalies) {
                auto* table = static_cast<QTableWidget*>(watched);
                if (table->currentRow() >= 0) OpenRow(*table, table->currentRow());
                return true;
            }
            for (auto [list, control, open] :
                 {std::tuple{lstAbsences, &window_.lstAbsences, &SeasonView::lstAbsences_DblClick},
                  std::tuple{lstWaivers, &window_.lstWaivers, &SeasonView::lstWaivers_DblClick}}) {
                if (watched != list) continue;
                if (list->currentRow() >= 0) {
                    control->ListIndex = list->currentRow();
                    Binder().Run([this, open = open] { (window_.*open)(); });
                }
                return true;
            }
        }
    }
    return qt::DialogForm::eventFilter(watched, event);
}

}  // namespace korvel

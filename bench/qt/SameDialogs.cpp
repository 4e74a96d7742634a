#include "bench/qt/SameDialogs.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTreeWidget>

namespace korvel::bench {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QTreeWidget* RosterList(const Roster& roster, const ListBox& control, QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setHeaderLabels({"Player", "Pos", "OV", "OF", "DF", "Out"});
    table->setRootIsDecorated(false);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const ListItem& line : control.Items) {
        const Roster::LineDetails details = roster.Details(line.ItemData);
        auto* item = new QTreeWidgetItem(table);
        item->setText(0, Text(line.Text));
        item->setText(1, Text(details.Position));
        item->setText(2, details.Overall ? QString::number(*details.Overall) : QString());
        item->setText(3, QString::number(details.Offence));
        item->setText(4, QString::number(details.Defence));
        item->setText(5, Text(details.Absence));
    }
    return table;
}

// A label in bold, as the roster window's titles, headings and unmet rules are.
QLabel* Bold(const std::string& caption, QWidget* parent, bool bold = true) {
    auto* label = new QLabel(Text(caption), parent);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

std::unique_ptr<QDialog> MakeSameWidgetsRoster(const Roster& roster) {
    auto dialog = std::make_unique<QDialog>();
    dialog->setWindowTitle(Text(roster.Caption));
    auto* grid = new QGridLayout(dialog.get());
    grid->addWidget(Bold(roster.Label1.Caption, dialog.get()), 0, 0, 1, 2);
    grid->addWidget(Bold(roster.Label5.Caption, dialog.get()), 0, 2);
    const std::array<const Label*, Roster::kLists> headings{&roster.Label6, &roster.Label3,
                                                            &roster.Label2};
    for (int place = 0; place < Roster::kLists; ++place) {
        const int column = Roster::kLists - 1 - place;
        grid->addWidget(Bold(headings[place]->Caption, dialog.get()), 1, column);
        grid->addWidget(RosterList(roster, roster.list1[place], dialog.get()), 2, column);
    }
    for (int n = 0; n < Roster::kMoveButtons; ++n) {
        grid->addWidget(new QPushButton(Text(roster.cmdMovePlayer[n].Caption), dialog.get()), 3,
                        n % Roster::kLists);
    }
    auto* filters = new QHBoxLayout;
    for (const CheckBox& filter : roster.Check1) {
        auto* button = new QPushButton(Text(filter.Caption), dialog.get());
        button->setCheckable(true);
        button->setChecked(filter.Value);
        filters->addWidget(button);
    }
    grid->addLayout(filters, 4, 0, 1, 2);
    grid->addWidget(Bold(roster.Label4.Caption, dialog.get()), 4, 2);
    auto* commands = new QHBoxLayout;
    commands->addWidget(new QCheckBox(Text(roster.chkProtect.Caption), dialog.get()));
    for (const Button* button : {&roster.cmdAuto, &roster.cmdAdd, &roster.cmdExit}) {
        commands->addWidget(new QPushButton(Text(button->Caption), dialog.get()));
    }
    grid->addLayout(commands, 5, 0, 1, 3);
    auto* rules = new QHBoxLayout;
    for (int r = 0; r < Roster::kRules; ++r) {
        const bool met = roster.RuleMet[static_cast<std::size_t>(r)];
        rules->addWidget(Bold(roster.lblRule[r].Caption, dialog.get(), !met));
    }
    rules->addWidget(new QLabel(Text(roster.lblMissing.Caption), dialog.get()));
    // The readiness line: its warning icon and its words.
    rules->addWidget(new QLabel(dialog.get()));
    auto* ready = new QLabel(Text(roster.lblReady.Caption), dialog.get());
    ready->setWordWrap(true);
    rules->addWidget(ready);
    grid->addLayout(rules, 6, 0, 1, 3);
    dialog->resize(1120, 640);
    return dialog;
}

std::unique_ptr<QDialog> MakeSameWidgetsStandings(const Standings& standings) {
    auto dialog = std::make_unique<QDialog>();
    dialog->setWindowTitle(Text(standings.Caption));
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    std::array<QVBoxLayout*, 2> conference{new QVBoxLayout, new QVBoxLayout};
    for (std::size_t conf = 0; conf < conference.size(); ++conf) {
        columns->addLayout(conference[conf]);
        conference[conf]->addWidget(new QLabel(Text(standings.ConferenceNames[conf]), content));
    }
    for (const DivisionStandings& division : standings.Shown.Divisions) {
        QVBoxLayout* column = conference[static_cast<std::size_t>(division.Conference)];
        column->addWidget(new QLabel(Text(Standings::Heading(division)), content));
        auto* table = new QTableWidget(static_cast<int>(division.Teams.size()), 10, content);
        table->setHorizontalHeaderLabels(
            {"Rank", "Team", "GP", "W", "L", "T", "PTS", "GF", "GA", "DIFF"});
        // Widths set by hand, none measured, so that every cell shows as in the window.
        table->horizontalHeader()->setDefaultSectionSize(40);
        table->setColumnWidth(1, 110);
        for (int row = 0; row < table->rowCount(); ++row) {
            const StandingsRow& team = division.Teams[static_cast<std::size_t>(row)];
            const std::array<QString, 10> cells{
                QString::number(team.Rank), Text(team.Team),          QString::number(team.GP),
                QString::number(team.W),    QString::number(team.L),  QString::number(team.T),
                QString::number(team.PTS),  QString::number(team.GF), QString::number(team.GA),
                QString::number(team.DIFF)};
            for (int column = 0; column < 10; ++column) {
                table->setItem(row, column,
                               new QTableWidgetItem(cells[static_cast<std::size_t>(column)]));
            }
        }
        column->addWidget(table);
    }
    auto* scroll = new QScrollArea(dialog.get());
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    auto* root = new QVBoxLayout(dialog.get());
    root->addWidget(scroll, 1);
    root->addWidget(new QLabel(Text(standings.lblUnlisted.Caption), dialog.get()));
    root->addWidget(new QPushButton(Text(standings.cmdExit.Caption), dialog.get()));
    // The size the standings window takes on a 50-team league, so that as many cells show.
    dialog->resize(980, 660);
    return dialog;
}

}  // namespace korvel::bench

#include "bench/qt/SameWidgets.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <array>
#include <filesystem>
#include <vector>

#include "platform/qt/LeagueMemory.h"
#include "platform/qt/QtText.h"

namespace korvel::bench {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Laid out as the main window's lists: entries of one height, spaced, no horizontal scroll bar,
// room for `rows` team names of 14 characters.
QListWidget* List(const ListBox& control, int rows, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setSpacing(2);
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.averageCharWidth() * 14 + 24);
    list->setMinimumHeight((metrics.height() + 8) * rows + 8);
    for (const ListItem& item : control.Items) list->addItem(Text(item.Text));
    list->setCurrentRow(control.ListIndex);
    return list;
}

// A menu and its items; a null item is a separator.
QMenu* AddMenu(QMainWindow& window, const MenuItem& menu,
               std::initializer_list<const MenuItem*> items) {
    QMenu* shown = window.menuBar()->addMenu(Text(menu.Caption));
    shown->setEnabled(menu.Enabled);
    for (const MenuItem* item : items) {
        if (item == nullptr) {
            shown->addSeparator();
            continue;
        }
        QAction* action = shown->addAction(Text(item->Caption));
        action->setShortcut(QKeySequence(Text(item->Shortcut)));
    }
    return shown;
}

// The fonts of the main window's titles: bold, unhinted, the league's name larger.
QFont TitleFont(QFont font, double scale) {
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (scale != 1.0) font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

QLabel* Title(const std::string& caption, double scale, QWidget* parent) {
    auto* label = new QLabel(Text(caption), parent);
    label->setFont(TitleFont(label->font(), scale));
    return label;
}

}  // namespace

std::unique_ptr<QMainWindow> MakeSameWidgetsWindow(const Main& main) {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(Text(main.Caption));
    QMenu* file = AddMenu(*window, main.file, {&main.LoadLeague, nullptr});
    const std::vector<std::filesystem::path> recent = qt::RecentLeagues();
    for (std::size_t n = 0; n < recent.size(); ++n) {
        file->addAction(QString("&%1 %2").arg(n + 1).arg(qt::PathToQString(recent[n])));
    }
    if (!recent.empty()) file->addSeparator();
    file->addAction(Text(main.exit.Caption))->setShortcut(QKeySequence(Text(main.exit.Shortcut)));
    AddMenu(*window, main.manager, {&main.ViewTeam, &main.Standings, &main.Briefing, &main.Season});
    AddMenu(*window, main.coach, {&main.SetRoster, &main.SetLines});
    AddMenu(*window, main.Info, {&main.About})->addAction("About Qt");
    window->menuBar()->addMenu("Help")->addAction("Korvel Help")->setShortcut(Qt::Key_F1);

    auto* central = new QWidget(window.get());
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(Title(main.Label3.Caption, 1.15, central));
    auto* bar = new QFrame(central);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->addWidget(new QLabel(Text(main.lblLeagueChanged.Caption), bar), 1);
    barLayout->addWidget(new QPushButton(Text(main.cmdReload.Caption), bar));
    bar->setVisible(main.lblLeagueChanged.Visible);
    layout->addWidget(bar);
    auto* columns = new QHBoxLayout;
    const std::array<const Label*, 2> conferences{&main.Label1, &main.Label2};
    for (int conf = 0; conf < 2; ++conf) {
        auto* column = new QVBoxLayout;
        column->addWidget(Title(conferences[conf]->Caption, 1.0, central));
        QListWidget* divisions = List(main.lstDivs[conf], 2, central);
        divisions->setMaximumHeight(divisions->minimumHeight());
        column->addWidget(divisions);
        column->addWidget(List(main.lstTeams[conf], 7, central), 1);
        columns->addLayout(column);
    }
    layout->addLayout(columns, 1);
    window->setCentralWidget(central);
    window->statusBar()->setSizeGripEnabled(false);
    window->statusBar()->addWidget(new QLabel("Current team", window->statusBar()), 1);
    return window;
}

}  // namespace korvel::bench

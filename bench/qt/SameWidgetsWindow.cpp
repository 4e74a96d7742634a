// The yardstick of the main window: a plain QMainWindow holding the main window's widgets - its
// menus and items with their shortcuts, the league's name, the two conferences with their
// division and team lists filled from the league of korvel.def in the current folder, and the
// status bar - without a style sheet, a painted backdrop or an icon. Started and left idle.

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <filesystem>

#include "league/Variables.h"
#include "windows/main/Main.h"

namespace {

using namespace korvel;

// Nobody answers: questions are answered No, dialogs cancelled.
class SilentUi : public Ui {
  public:
    Answer MsgBox(const std::string&, Buttons buttons, Icon, const std::string&) override {
        return buttons == Buttons::OK ? Answer::OK : Answer::No;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> OpenFile(const FileDialog&) override {
        return std::nullopt;
    }
    void ShowModal(Window&) override {}
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QListWidget* List(const ListBox& control, QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (const ListItem& item : control.Items) list->addItem(Text(item.Text));
    list->setCurrentRow(control.ListIndex);
    return list;
}

void AddMenu(QMainWindow& window, const MenuItem& menu,
             std::initializer_list<const MenuItem*> items) {
    QMenu* shown = window.menuBar()->addMenu(Text(menu.Caption));
    shown->setEnabled(menu.Enabled);
    for (const MenuItem* item : items) {
        QAction* action = shown->addAction(Text(item->Caption));
        action->setShortcut(QKeySequence(Text(item->Shortcut)));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Variables vars;
    SilentUi ui;
    Main main(vars, ui, std::filesystem::current_path());
    main.Form_Load();

    QMainWindow window;
    window.setWindowTitle(Text(main.Caption));
    AddMenu(window, main.file, {&main.LoadLeague, &main.exit});
    AddMenu(window, main.manager, {&main.ViewTeam});
    AddMenu(window, main.coach, {&main.SetRoster, &main.SetLines});
    AddMenu(window, main.Info, {&main.About});
    window.menuBar()->actions().back()->menu()->addAction("About Qt");

    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(Text(main.Label3.Caption), central));
    auto* columns = new QHBoxLayout;
    const std::array<const Label*, 2> conferences{&main.Label1, &main.Label2};
    for (int conf = 0; conf < 2; ++conf) {
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(Text(conferences[conf]->Caption), central));
        column->addWidget(List(main.lstDivs[conf], central));
        column->addWidget(List(main.lstTeams[conf], central), 1);
        columns->addLayout(column);
    }
    layout->addLayout(columns, 1);
    window.setCentralWidget(central);
    window.statusBar()->addWidget(new QLabel("Current team", window.statusBar()), 1);
    window.show();
    return QApplication::exec();
}

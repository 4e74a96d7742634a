#include "bench/qt/SameWidgets.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "league/LeagueFiles.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/qt/MainForm.h"

namespace korvel::test {
namespace {

// What a main window is made of: its widgets counted by class, each menu with its items (captions
// without their Alt letters, and shortcuts), and the rows of each list.
struct WidgetTree {
    std::map<std::string, int> Classes;
    std::vector<std::string> Menus;
    std::vector<int> ListRows;
};

WidgetTree TreeOf(const QMainWindow& window) {
    WidgetTree tree;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        ++tree.Classes[widget->metaObject()->className()];
    }
    for (const QAction* menuAction : window.menuBar()->actions()) {
        const QMenu* menu = menuAction->menu();
        QString shown = menu->title() + (menu->isEnabled() ? ":" : " (disabled):");
        for (const QAction* item : menu->actions()) {
            shown += item->isSeparator() ? QString(" |")
                                         : " " + item->text() + " " + item->shortcut().toString();
        }
        tree.Menus.push_back(shown.remove('&').toStdString());
    }
    for (const QListWidget* list : window.findChildren<QListWidget*>()) {
        tree.ListRows.push_back(list->count());
    }
    return tree;
}

// The yardstick of the main window's start (bench/) holds what the main window holds.
TEST(SameWidgetsWindow, HoldsTheWidgetsOfTheMainWindow) {
    TempFolder folder;
    const auto start = folder / "start";
    std::filesystem::create_directories(start);
    const auto base = WriteGeneratedLeague(folder.Path(), "SAME", {.Seed = 5, .Teams = 12});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    Variables vars;
    qt::QtUi ui;
    TeamSession session(vars);
    Main main(session, ui, start);
    main.Form_Load();
    ASSERT_TRUE(vars.LeagueLoaded());

    MainForm form(main, vars);
    const auto same = bench::MakeSameWidgetsWindow(main);
    const WidgetTree expected = TreeOf(form);
    const WidgetTree got = TreeOf(*same);
    EXPECT_EQ(got.Classes, expected.Classes);
    EXPECT_EQ(got.Menus, expected.Menus);
    EXPECT_EQ(got.ListRows, expected.ListRows);
    EXPECT_GT(expected.Classes.at("QLabel"), 3);
    EXPECT_EQ(expected.ListRows.size(), 4u);
}

}  // namespace
}  // namespace korvel::test

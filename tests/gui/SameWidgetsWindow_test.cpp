#include "bench/qt/SameWidgets.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "bench/qt/SameDialogs.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/qt/MainForm.h"
#include "windows/roster/qt/RosterForm.h"

namespace korvel::test {
namespace {

// What a main window is made of: its widgets counted by class, each menu with its items (captions
// without their Alt letters, and shortcuts), the rows and spacing of each list, and the fonts of
// its labels (weight, size and hinting, sorted).
struct WidgetTree {
    std::map<std::string, int> Classes;
    std::vector<std::string> Menus;
    std::vector<int> ListRows;
    std::vector<int> ListSpacing;
    std::vector<std::string> LabelFonts;
};

std::string FontOf(const QFont& font) {
    return "weight " + std::to_string(font.weight()) + ", " + std::to_string(font.pointSizeF()) +
           " pt, hinting " + std::to_string(font.hintingPreference());
}

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
        tree.ListSpacing.push_back(list->spacing());
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        tree.LabelFonts.push_back(FontOf(label->font()));
    }
    std::sort(tree.LabelFonts.begin(), tree.LabelFonts.end());
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
    EXPECT_EQ(got.ListSpacing, expected.ListSpacing);
    EXPECT_EQ(got.LabelFonts, expected.LabelFonts);
    // The league's name is larger than the rest: the fonts are not all the desktop's.
    EXPECT_NE(expected.LabelFonts.front(), expected.LabelFonts.back());
    EXPECT_GT(expected.Classes.at("QLabel"), 3);
    EXPECT_EQ(expected.ListRows.size(), 4u);
}

// What a dialog is made of, by the kinds of widget a user sees: tables with their columns and
// rows, buttons, check boxes, and the fonts of the labels (sorted).
struct DialogParts {
    int Tables = 0, Columns = 0, Rows = 0, Buttons = 0, CheckBoxes = 0;
    std::vector<std::string> LabelFonts;
};

DialogParts PartsOf(const QWidget& dialog) {
    DialogParts parts;
    for (const QTreeWidget* table : dialog.findChildren<QTreeWidget*>()) {
        ++parts.Tables;
        parts.Columns += table->columnCount();
        parts.Rows += table->topLevelItemCount();
    }
    parts.Buttons = static_cast<int>(dialog.findChildren<QPushButton*>().size());
    parts.CheckBoxes = static_cast<int>(dialog.findChildren<QCheckBox*>().size());
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        parts.LabelFonts.push_back(FontOf(label->font()));
    }
    std::sort(parts.LabelFonts.begin(), parts.LabelFonts.end());
    return parts;
}

// The yardstick of the roster window's opening holds its tables, buttons and label fonts.
TEST(SameWidgetsWindow, TheRosterTwinHoldsTheRosterWindowsWidgetsAndFonts) {
    TempFolder folder;
    const auto start = folder / "start";
    std::filesystem::create_directories(start);
    const auto base = WriteGeneratedLeague(folder.Path(), "TWIN", {.Seed = 9, .Teams = 6});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    Variables vars;
    qt::QtUi ui;
    TeamSession session(vars);
    Main main(session, ui, start);
    main.Form_Load();
    ASSERT_TRUE(vars.LeagueLoaded());
    vars.CurrentTeam = 1;
    LoadTeam(vars, vars.CurrentTeam, 0);
    Roster roster(session, ui);
    roster.Form_Load();

    RosterForm form(roster);
    const auto same = bench::MakeSameWidgetsRoster(roster);
    const DialogParts expected = PartsOf(form);
    const DialogParts got = PartsOf(*same);
    EXPECT_EQ(got.Tables, expected.Tables);
    EXPECT_EQ(got.Columns, expected.Columns);
    EXPECT_EQ(got.Rows, expected.Rows);
    EXPECT_EQ(got.Buttons, expected.Buttons);
    EXPECT_EQ(got.CheckBoxes, expected.CheckBoxes);
    EXPECT_EQ(got.LabelFonts, expected.LabelFonts);
    EXPECT_EQ(expected.Tables, 3);
    EXPECT_GT(expected.Rows, 20);
    // Headings are bold, the rules met are not: the window's fonts are not all one.
    EXPECT_NE(expected.LabelFonts.front(), expected.LabelFonts.back());
}

}  // namespace
}  // namespace korvel::test

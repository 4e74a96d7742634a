// What a screen reader meets in every window: each control that takes the focus has a name, and
// so has each cell of its tables and lists.

#include <QAccessible>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMainWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/lines/Lines.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/AddPlayer.h"
#include "windows/roster/Roster.h"
#include "windows/standings/Standings.h"
#include "windows/team/DisplayTeam.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

QString Describe(const QWidget& widget) {
    const QString name = widget.objectName();
    return QString(widget.metaObject()->className()) + (name.isEmpty() ? "" : " " + name);
}

// The cells of a table or list the screen reader reads without a name.
void AddNamelessCells(const QAbstractItemView& view, QAccessibleInterface& table,
                      QStringList& nameless) {
    QAccessibleTableInterface* cells = table.tableInterface();
    if (cells == nullptr) {
        for (int child = 0; child < table.childCount(); ++child) {
            QAccessibleInterface* item = table.child(child);
            if (item != nullptr && item->text(QAccessible::Name).trimmed().isEmpty())
                nameless << Describe(view) + QString(" item %1").arg(child);
        }
        return;
    }
    for (int row = 0; row < cells->rowCount(); ++row) {
        for (int column = 0; column < cells->columnCount(); ++column) {
            QAccessibleInterface* cell = cells->cellAt(row, column);
            if (cell != nullptr && cell->text(QAccessible::Name).trimmed().isEmpty())
                nameless << Describe(view) + QString(" cell %1,%2").arg(row).arg(column);
        }
    }
}

// Every widget of `window` that takes the focus and is on screen, and every cell of its item
// views, without an accessible name.
QStringList NamelessControls(QWidget& window) {
    QStringList nameless;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&window)) continue;
        // A spin box's text field is read as the spin box itself.
        if (qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()) != nullptr) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr) {
            nameless << Describe(*widget) + " (no interface)";
            continue;
        }
        if (accessible->text(QAccessible::Name).trimmed().isEmpty()) nameless << Describe(*widget);
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            AddNamelessCells(*view, *accessible, nameless);
        }
        // The list a combo box opens is read while hidden too.
        if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(box->view());
            if (list == nullptr || list->text(QAccessible::Name).trimmed().isEmpty())
                nameless << Describe(*widget) + " (its list)";
        }
    }
    return nameless;
}

// A generated league loaded as the program loads it, with a team chosen; every window the
// program has opens through the Qt Ui, whose modal loop hands the form to the test.
TEST(ScreenReaderNames, EveryWindowNamesEveryFocusableControlAndCell) {
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "SPEAK", {.Seed = 3, .Teams = 8});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    Variables vars;
    qt::QtUi ui;
    RegisterWindowForms(ui);
    ui.MsgBoxHook = [](const std::string&, Buttons buttons, Icon, const std::string&) {
        return buttons == Buttons::OK ? Answer::OK : Answer::No;
    };
    TeamSession session(vars);
    Main main(session, ui, start);
    main.Form_Load();
    ASSERT_TRUE(vars.LeagueLoaded());
    MainForm mainForm(main, vars);
    mainForm.show();
    // A division and a team chosen, so that the team lists hold entries.
    mainForm.lstDivs[0]->setCurrentRow(0);
    mainForm.lstTeams[0]->setCurrentRow(0);

    std::map<std::string, QStringList> found;
    found["main"] = NamelessControls(mainForm);
    const auto walk = [&](const std::string& name) {
        return [&found, name](QDialog& form) { found[name] = NamelessControls(form); };
    };
    const auto show = [&](Window& window, const std::string& name) {
        ui.ModalHook = walk(name);
        ui.ShowModal(window);
        ui.ModalHook = nullptr;
    };

    ui.ModalHook = walk("briefing");
    main.Briefing_Click();
    LoadTeam(vars, vars.CurrentTeam, 0);
    Lines lines(session, ui);
    show(lines, "lines");
    LoadTeam(vars, vars.CurrentTeam, 0);
    Roster roster(session, ui);
    show(roster, "roster");
    AddPlayer addPlayer(vars, ui);
    show(addPlayer, "add player");
    Standings standings(vars, [&](int team) { main.SelectTeam(team); });
    show(standings, "standings");
    DisplayTeam team(session, ui);
    show(team, "team information");
    LoadTeam(vars, vars.CurrentTeam, 0);
    for (int index = 0; index < kRosterPlaces; ++index) {
        if (!vars.Players[0][index].IsEmptyPlace()) {
            vars.CurrentPlayerIndex = index;
            break;
        }
    }
    PlayerInfo card(vars);
    show(card, "player card");

    std::vector<std::string> walked;
    for (const auto& [window, nameless] : found) {
        walked.push_back(window);
        EXPECT_TRUE(nameless.isEmpty())
            << window << ": " << nameless.size() << " nameless: " << nameless.join("; ").toStdString();
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"add player", "briefing", "lines", "main",
                                                "player card", "roster", "standings",
                                                "team information"}));
}

}  // namespace
}  // namespace korvel::test

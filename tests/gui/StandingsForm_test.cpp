#include "windows/standings/qt/StandingsForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/LeagueFiles.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/qt/MainForm.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

class StandingsFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base =
            WriteGeneratedLeague(folder.Path(), "TABLE", {.Seed = 4, .Teams = 14});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [](const std::string& text, Buttons, Icon, const std::string&) {
            ADD_FAILURE() << "unexpected message: " << text;
            return Answer::OK;
        };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        vars.Teams[12].Division = 3;    // a division no main window list shows
        vars.Teams[13].Conference = 2;  // no division at all
        form = std::make_unique<MainForm>(*main, vars);
    }

    static QString RowText(const QTableWidget& table, int row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << table.item(row, column)->text();
        return cells.join(' ');
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
    std::unique_ptr<MainForm> form;
};

TEST_F(StandingsFormTest, WalkThroughByKeysAndMouse) {
    InLightAndDark([&](bool dark) {
        bool opened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            auto& standings = dynamic_cast<StandingsForm&>(dialog);
            auto& window = dynamic_cast<Standings&>(standings.Binder().BoundWindow());
            opened = true;
            ASSERT_TRUE(Activate(standings));
            EXPECT_EQ(standings.windowTitle(), "Standings");
            // Every table shows its division's rows as computed.
            ASSERT_EQ(standings.Tables.size(), window.Shown.Divisions.size());
            EXPECT_EQ(standings.Tables.size(), 5u);
            for (std::size_t d = 0; d < standings.Tables.size(); ++d) {
                const QTableWidget& table = *standings.Tables[d];
                const auto& rows = window.Shown.Divisions[d].Teams;
                ASSERT_EQ(table.rowCount(), static_cast<int>(rows.size()));
                for (int r = 0; r < table.rowCount(); ++r) {
                    const StandingsRow& row = rows[static_cast<std::size_t>(r)];
                    EXPECT_EQ(RowText(table, r), QString("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                                                     .arg(r + 1)
                                                     .arg(Q(row.Team))
                                                     .arg(row.GP)
                                                     .arg(row.W)
                                                     .arg(row.L)
                                                     .arg(row.T)
                                                     .arg(row.PTS)
                                                     .arg(row.GF)
                                                     .arg(row.GA)
                                                     .arg(row.DIFF));
                }
                // A table to read: no row numbers, no grid; every cell shown whole.
                EXPECT_FALSE(table.verticalHeader()->isVisible() || table.showGrid());
                for (int r = 0; r < table.rowCount(); ++r) {
                    for (int column = 0; column < table.columnCount(); ++column) {
                        const QTableWidgetItem& cell = *table.item(r, column);
                        EXPECT_LT(QFontMetrics(cell.font()).horizontalAdvance(cell.text()),
                                  table.columnWidth(column));
                    }
                }
            }
            EXPECT_TRUE(standings.lblUnlisted->isVisible());
            EXPECT_EQ(standings.lblUnlisted->text(),
                      "Unlisted: " + Q(vars.Teams[13].Name.Utf8()).trimmed());
            EXPECT_TRUE(SaveScreenshot(standings, dark ? "standings-dark.png" : "standings.png"));

            // Enter on the second row of the focused first table makes that team current.
            QTableWidget& first = *standings.Tables.front();
            ASSERT_TRUE(first.hasFocus());
            QTest::keyClick(&first, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(&first, Qt::Key_Down);
            const int second = StandingsForm::TeamOfRow(first, 1);
            QTest::keyClick(&first, Qt::Key_Return);
            EXPECT_EQ(vars.CurrentTeam, second);
            EXPECT_TRUE(first.item(1, 0)->font().bold());
            EXPECT_FALSE(first.item(0, 0)->font().bold());

            // A double click on the division-3 team makes it current too.
            ASSERT_EQ(window.Shown.Divisions[2].Division, 3);
            QTableWidget& last = *standings.Tables[2];
            const QRect cell = last.visualItemRect(last.item(0, 0));
            DoubleClick(*last.viewport(), cell.center());
            EXPECT_EQ(vars.CurrentTeam, StandingsForm::TeamOfRow(last, 0));
            EXPECT_TRUE(last.item(0, 0)->font().bold());
            EXPECT_FALSE(first.item(1, 0)->font().bold());

            // F1 opens the manual at the standings.
            QTest::keyClick(&first, Qt::Key_F1);
            auto* help = standings.findChild<QDialog*>("KorvelHelp");
            ASSERT_NE(help, nullptr);
            const auto* page = help->findChild<QTextBrowser*>();
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->cursorForPosition(QPoint(4, 4)).block().text().trimmed(),
                      QString("Standings"));
            EXPECT_FALSE(page->toPlainText().isEmpty());
            EXPECT_TRUE(
                SaveScreenshot(*help, dark ? "help-standings-dark.png" : "help-standings.png"));
            help->close();

            QTest::keyClick(&standings, Qt::Key_Escape);
            EXPECT_TRUE(window.IsUnloaded());
        };
        ASSERT_TRUE(Activate(*form));
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        EXPECT_TRUE(opened);
    });
}

}  // namespace
}  // namespace korvel::test

#include "windows/roster/qt/RosterForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/qt/PlayerInfoForm.h"
#include "windows/roster/qt/AddPlayerForm.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

void Click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
}

void ClickTableRow(RosterTable& table, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect rect = table.visualItemRect(table.topLevelItem(row));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, modifiers, rect.center());
}

// Sends the events of the selected rows of table `from` dragged and dropped onto `target`.
void DropSelection(const RosterTable& from, RosterTable& target) {
    QMimeData mime;
    mime.setData(RosterTable::kMimeType, QByteArray::number(from.Place()));
    const QPoint at = target.viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(target.viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &drop);
}

// Every row shows the window's line exactly, and the row's player.
void ExpectTablesShowTheLists(const Roster& roster, const RosterForm& form) {
    for (int place = 0; place < Roster::kLists; ++place) {
        const ListBox& list = roster.list1[place];
        ASSERT_EQ(form.list1[place]->topLevelItemCount(), list.ListCount()) << place;
        for (int row = 0; row < list.ListCount(); ++row) {
            const QTreeWidgetItem* item = form.list1[place]->topLevelItem(row);
            EXPECT_EQ(item->text(0), QString::fromStdString(list.Items[row].Text));
            EXPECT_EQ(item->data(0, Qt::UserRole).toInt(), list.Items[row].ItemData);
        }
    }
}

// A generated league loaded as the program loads it; Set Game Roster opens the roster window
// through the Qt Ui, whose modal loop is replaced by `act` and whose questions are answered Yes.
class RosterFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base =
            WriteGeneratedLeague(folder.Path(), "ROSTER", {.Seed = 3, .Teams = 4});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [this](const std::string& text, Buttons buttons, Icon, const std::string&) {
            messages.push_back(text);
            return buttons == Buttons::OK ? Answer::OK : Answer::Yes;
        };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        main->lstTeams[0].ListIndex = 0;
        main->lstTeams_Click(0);
    }

    // `card` acts in a player card opened from the roster window.
    void OpenRoster(const std::function<void(Roster&, RosterForm&)>& act,
                    const std::function<void(AddPlayer&, AddPlayerForm&)>& add = {},
                    const std::function<void(PlayerInfoForm&)>& card = {}) {
        bool opened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            if (auto* form = dynamic_cast<PlayerInfoForm*>(&dialog)) {
                ASSERT_TRUE(card);
                card(*form);
                return;
            }
            if (auto* form = dynamic_cast<AddPlayerForm*>(&dialog)) {
                ASSERT_TRUE(add);
                add(dynamic_cast<AddPlayer&>(form->Binder().BoundWindow()), *form);
                return;
            }
            auto& form = dynamic_cast<RosterForm&>(dialog);
            opened = true;
            act(dynamic_cast<Roster&>(form.Binder().BoundWindow()), form);
        };
        main->SetRoster_Click();
        EXPECT_TRUE(opened);
    }

    Player StoredPlayer(int index) const {
        const RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
        return DecodeRecord<Player>(roster.Read(PlayerRecordNumber(vars.CurrentTeam, index)));
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
    std::vector<std::string> messages;
};

TEST_F(RosterFormTest, MovesByButtonDragAndKeysThenEscapeKeepsTheRoster) {
    std::array<std::uint8_t, kRosterPlaces> kept{};
    OpenRoster([&](Roster& roster, RosterForm& form) {
        ASSERT_TRUE(Activate(form));
        EXPECT_EQ(form.windowTitle(), "Set Game Roster");
        EXPECT_EQ(form.Label1->text().toStdString(),
                  "Roster of the " + vars.CurrentTeamRecord().Name.Utf8());
        EXPECT_TRUE(form.Label5->isVisible());
        EXPECT_EQ(form.Label4->text(), "20 Total Players");
        ExpectTablesShowTheLists(roster, form);
        // The game roster takes the focus, and the focus selects nothing.
        EXPECT_TRUE(form.list1[Dressed]->hasFocus());
        EXPECT_TRUE(form.list1[Dressed]->selectedItems().isEmpty());

        // Scratch two dressed players with the mouse and the button.
        ClickTableRow(*form.list1[Dressed], 0);
        ClickTableRow(*form.list1[Dressed], 1, Qt::ControlModifier);
        const int first = roster.list1[Dressed].Items[0].ItemData;
        Click(*form.cmdMovePlayer[0]);
        EXPECT_EQ(form.Label4->text(), "18 Total Players");
        EXPECT_FALSE(form.Label5->isVisible());
        EXPECT_EQ(roster.PlayerFlags[first], 100);

        // Drag one of them back onto the game roster: Dress.
        const int scratchRow = [&] {
            for (int row = 0; row < roster.list1[Scratch].ListCount(); ++row) {
                if (roster.list1[Scratch].Items[row].ItemData == first) return row;
            }
            return -1;
        }();
        ASSERT_GE(scratchRow, 0);
        ClickTableRow(*form.list1[Scratch], scratchRow);
        DropSelection(*form.list1[Scratch], *form.list1[Dressed]);
        EXPECT_EQ(roster.PlayerFlags[first], 200);
        EXPECT_EQ(form.Label4->text(), "19 Total Players");
        ExpectTablesShowTheLists(roster, form);
        // The Edit menu names the drop, the step Ctrl+Z takes back.
        const QString name = QString::fromStdString(session.PlayerNameText(first));
        auto* undo = form.findChild<QAction*>("mnuUndo");
        ASSERT_NE(undo, nullptr);
        EXPECT_EQ(undo->text(), "Undo Move " + name + " to Game Roster");

        // Straight from the game roster to the farm is two steps, and back up again.
        const auto rowOf = [&](int place) {
            for (int row = 0; row < roster.list1[place].ListCount(); ++row) {
                if (roster.list1[place].Items[row].ItemData == first) return row;
            }
            return -1;
        };
        ClickTableRow(*form.list1[Dressed], rowOf(Dressed));
        DropSelection(*form.list1[Dressed], *form.list1[Farm]);
        EXPECT_EQ(roster.PlayerFlags[first], 0);
        EXPECT_GE(rowOf(Farm), 0);
        EXPECT_EQ(form.Label4->text(), "18 Total Players");
        ExpectTablesShowTheLists(roster, form);
        // One step for both moves of the drop: Ctrl+Z brings him back to the game roster.
        EXPECT_EQ(undo->text(), "Undo Move " + name + " to Farm Roster");
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(roster.PlayerFlags[first], 200);
        EXPECT_EQ(undo->text(), "Undo Move " + name + " to Game Roster");
        QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(roster.PlayerFlags[first], 0);
        ExpectTablesShowTheLists(roster, form);
        ClickTableRow(*form.list1[Farm], rowOf(Farm));
        DropSelection(*form.list1[Farm], *form.list1[Dressed]);
        EXPECT_EQ(roster.PlayerFlags[first], 200);
        EXPECT_EQ(form.Label4->text(), "19 Total Players");

        // The filters hide rows, the Protect box marks them; Ctrl+U presses Auto.
        Click(*form.Check1[Goalie]);
        EXPECT_FALSE(roster.Check1[Goalie].Value);
        EXPECT_EQ(form.list1[Dressed]->topLevelItemCount(), 17);
        QTest::keyClick(&form, Qt::Key_U, Qt::ControlModifier);
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(form.Label5->isVisible());
        Click(*form.Check1[Goalie]);
        Click(*form.chkProtect);
        ExpectTablesShowTheLists(roster, form);
        EXPECT_TRUE(roster.RosterChanged());
        EXPECT_TRUE(SaveScreenshot(form, "roster.png"));
        Click(*form.chkProtect);
        kept = roster.PlayerFlags;

        QTest::keyClick(form.list1[Dressed], Qt::Key_Escape);
        EXPECT_TRUE(roster.IsUnloaded());
    });
    EXPECT_EQ(messages, std::vector<std::string>{"Keep Roster Changes?"});
    for (int i = 0; i < kRosterPlaces; ++i) {
        if (!vars.Players[0][i].IsEmptyPlace()) {
            EXPECT_EQ(StoredPlayer(i).Status, kept[i]) << i;
        }
    }
}

TEST_F(RosterFormTest, TabRunsLeftToRightAndEnterActsAsADoubleClick) {
    std::vector<QString> cards;
    int protectedBefore = 0;
    OpenRoster(
        [&](Roster& roster, RosterForm& form) {
            ASSERT_TRUE(Activate(form));
            RosterTable& dressed = *form.list1[Dressed];
            // Tab runs left to right: game roster, scratches, farm club.
            EXPECT_TRUE(dressed.hasFocus());
            QTest::keyClick(&dressed, Qt::Key_Tab);
            EXPECT_TRUE(form.list1[Scratch]->hasFocus());
            QTest::keyClick(form.list1[Scratch], Qt::Key_Tab);
            EXPECT_TRUE(form.list1[Farm]->hasFocus());
            ClickTableRow(dressed, 1);
            ASSERT_EQ(dressed.currentIndex().row(), 1);
            const int player = roster.list1[Dressed].Items[1].ItemData;
            QTest::keyClick(&dressed, Qt::Key_Return);
            EXPECT_EQ(vars.CurrentPlayerIndex, player);
            EXPECT_EQ(cards.size(), 1u);

            Click(*form.chkProtect);
            ASSERT_TRUE(roster.chkProtect.Value);
            ClickTableRow(dressed, 0);
            const int row = dressed.currentIndex().row();
            ASSERT_EQ(row, 0);
            const int marked = roster.list1[Dressed].Items[row].ItemData;
            protectedBefore = vars.Players[0][marked].Protected;
            QTest::keyClick(&dressed, Qt::Key_Enter);
            EXPECT_NE(vars.Players[0][marked].Protected != 0, protectedBefore != 0);
            EXPECT_EQ(cards.size(), 1u);  // no card in the protection view
            roster.mnuUndo_Click();       // nothing left to keep when the window closes
        },
        {}, [&](PlayerInfoForm& card) { cards.push_back(card.windowTitle()); });
    EXPECT_EQ(cards.size(), 1u);
}

TEST_F(RosterFormTest, AddPlayerFormTakesANameByKeyboardAndThePlayerJoinsTheFarm) {
    int emptyPlace = -1;
    OpenRoster(
        [&](Roster& roster, RosterForm& form) {
            ASSERT_TRUE(Activate(form));
            emptyPlace = FirstEmptyPlace(vars.Players[0]);
            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
            ASSERT_TRUE(roster.RosterChanged());
            const auto& farm = roster.list1[Farm].Items;
            EXPECT_TRUE(std::any_of(farm.begin(), farm.end(), [&](const ListItem& line) {
                return line.ItemData == emptyPlace;
            }));
            ExpectTablesShowTheLists(roster, form);
            // The close box drops the changes with a word, and asks nothing.
            form.close();
            EXPECT_TRUE(roster.IsUnloaded());
            EXPECT_FALSE(form.isVisible());
        },
        [&](AddPlayer&, AddPlayerForm& form) {
            ASSERT_TRUE(Activate(form));
            EXPECT_EQ(form.windowTitle(), "Add Player");
            EXPECT_EQ(form.Label1->text().toStdString(),
                      "Add player to " + vars.CurrentTeamRecord().Name.Utf8());
            ASSERT_TRUE(form.txtName->hasFocus());
            // OK without a name is refused and the form stays.
            QTest::keyClick(form.txtName, Qt::Key_Return);
            EXPECT_EQ(messages, std::vector<std::string>{"Enter the player's name."});
            QTest::keyClicks(form.txtName, "Nils Berg");
            ASSERT_TRUE(TabTo(*form.cboPosition));
            QTest::keyClick(form.cboPosition, Qt::Key_Down);
            EXPECT_EQ(form.cboPosition->currentText(), "LW");
            EXPECT_TRUE(SaveScreenshot(form, "add-player.png"));
            QTest::keyClick(form.cboPosition, Qt::Key_Return);
        });
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Enter the player's name.", "Changes were not saved"}));
    ASSERT_GE(emptyPlace, 0);
    const Player added = StoredPlayer(emptyPlace);
    EXPECT_EQ(added.Name.Str(), FixedText<22>::FromString("Nils Berg").Str());
    EXPECT_EQ(added.Position, LeftWing);
    EXPECT_EQ(added.Status, 0);
}

void ClickHeader(RosterTable& table, int column) {
    QHeaderView& header = *table.header();
    const QPoint at(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                    header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
}

std::vector<int> ShownOveralls(const RosterTable& table) {
    std::vector<int> overalls;
    for (int row = 0; row < table.topLevelItemCount(); ++row)
        overalls.push_back(table.topLevelItem(row)->text(RosterTable::Overall).toInt());
    return overalls;
}

TEST_F(RosterFormTest, RuleCountsFollowTheGameRosterInLightAndDark) {
    InLightAndDark([&](bool dark) {
        OpenRoster([&](Roster& roster, RosterForm& form) {
            ASSERT_TRUE(Activate(form));
            EXPECT_EQ(form.lblRule[5]->text(), QString::fromUtf8("\u2713 All 20 / 20"));
            EXPECT_EQ(form.lblMissing->text(), "");
            EXPECT_FALSE(form.lblRule[5]->font().bold());
            // Scratching the first goalie of the game roster breaks two rules.
            const auto& dressed = roster.list1[Dressed].Items;
            const auto goalie =
                std::find_if(dressed.begin(), dressed.end(), [&](const ListItem& line) {
                    return vars.Players[0][line.ItemData].Position == Goalie;
                });
            ASSERT_NE(goalie, dressed.end());
            ClickTableRow(*form.list1[Dressed], static_cast<int>(goalie - dressed.begin()));
            Click(*form.cmdMovePlayer[0]);
            EXPECT_EQ(form.lblRule[Goalie]->text(), QString::fromUtf8("\u2717 G 1 / 2"));
            EXPECT_TRUE(form.lblRule[Goalie]->font().bold());
            EXPECT_EQ(form.lblRule[5]->text(), QString::fromUtf8("\u2717 All 19 / 20"));
            EXPECT_EQ(form.lblMissing->text(), "Missing: 1 G");
            EXPECT_TRUE(form.lblRule[Centre]->isVisible());
            QCoreApplication::processEvents();  // the layout takes the new texts
            EXPECT_TRUE(
                SaveScreenshot(form, dark ? "roster-rules-dark.png" : "roster-rules-light.png"));
            form.close();
        });
    });
}

TEST_F(RosterFormTest, HeaderClicksSortTheTablesAndTheThirdRestoresRosterOrder) {
    OpenRoster([&](Roster& roster, RosterForm& form) {
        ASSERT_TRUE(Activate(form));
        RosterTable& table = *form.list1[Dressed];
        ClickHeader(table, RosterTable::Overall);
        std::vector<int> shown = ShownOveralls(table);
        EXPECT_TRUE(std::is_sorted(shown.rbegin(), shown.rend())) << "best first";
        EXPECT_EQ(qt::RememberedSort("Roster2", RosterTable::ColumnCount).Column,
                  RosterTable::Overall);

        // The selected row is the player the button moves, whatever the order.
        const int top = table.topLevelItem(0)->data(0, Qt::UserRole).toInt();
        ClickTableRow(table, 0);
        Click(*form.cmdMovePlayer[0]);
        EXPECT_EQ(roster.PlayerFlags[top], 100);
        shown = ShownOveralls(table);
        EXPECT_TRUE(std::is_sorted(shown.rbegin(), shown.rend())) << "still sorted";
        QCoreApplication::processEvents();
        EXPECT_TRUE(SaveScreenshot(form, "roster-sorted.png"));

        ClickHeader(table, RosterTable::Overall);
        shown = ShownOveralls(table);
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
        ClickHeader(table, RosterTable::Overall);
        ExpectTablesShowTheLists(roster, form);
        EXPECT_EQ(qt::RememberedSort("Roster2", RosterTable::ColumnCount).Column, -1);
        form.close();
    });
}

TEST_F(RosterFormTest, ANameTooLongForItsColumnEndsInAnEllipsisAndShowsWholeAsATooltip) {
    OpenRoster([&](Roster&, RosterForm& form) {
        ASSERT_TRUE(Activate(form));
        RosterTable& table = *form.list1[Dressed];
        QTreeWidgetItem* first = table.topLevelItem(0);
        ASSERT_NE(first, nullptr);
        const QString name = first->text(RosterTable::LineText).trimmed();
        const auto tooltipAtFirstName = [&] {
            QToolTip::hideText();
            const QPoint at = table.visualItemRect(first).topLeft() + QPoint(4, 4);
            QHelpEvent help(QEvent::ToolTip, at, table.viewport()->mapToGlobal(at));
            QApplication::sendEvent(table.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        EXPECT_EQ(tooltipAtFirstName(), "") << "the whole name shows";
        table.header()->setSectionResizeMode(RosterTable::LineText, QHeaderView::Interactive);
        table.header()->resizeSection(RosterTable::LineText,
                                      table.fontMetrics().horizontalAdvance(name) / 2);
        EXPECT_EQ(tooltipAtFirstName(), name);
        form.close();
    });
}

}  // namespace
}  // namespace korvel::test

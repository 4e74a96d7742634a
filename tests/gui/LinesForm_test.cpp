#include "windows/lines/qt/LinesForm.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLayout>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "league/RosterSlots.h"
#include "league/RosterStatus.h"
#include "platform/Text1252.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/lines/qt/SlotEditing.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

void Click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
}

// Sends the events of a list entry dragged from `list` and dropped onto `target`.
void DropRow(QAbstractItemView& list, int row, QWidget& target) {
    std::unique_ptr<QMimeData> mime(list.model()->mimeData({list.model()->index(row, 0)}));
    const QPointF at = QRectF(target.rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(&target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&target, &drop);
}

struct ShownMessage {
    std::string Text;
    std::string Title;
};

// A generated league loaded as the program loads it; Set Lines opens the lines window through
// the Qt Ui, whose modal loop is replaced by `Act` and whose questions are answered Yes.
class LinesFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base = WriteGeneratedLeague(folder.Path(), "LINES", {.Seed = 7, .Teams = 4});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [this](const std::string& text, Buttons buttons, Icon,
                               const std::string& title) {
            messages.push_back({text, title});
            return buttons == Buttons::OK ? Answer::OK : Answer::Yes;
        };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        vars.CurrentTeam = 2;
    }

    // Opens the lines window from the main window and runs `act` on its form.
    void OpenLines(const std::function<void(Lines&, LinesForm&)>& act) {
        bool opened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            auto& form = dynamic_cast<LinesForm&>(dialog);
            opened = true;
            act(dynamic_cast<Lines&>(form.Binder().BoundWindow()), form);
        };
        main->SetLines_Click();
        EXPECT_TRUE(opened);
    }

    Team StoredTeam() const {
        const RecordFile teams(vars.SwapTeamFile, RecordLayout<Team>::Size);
        return DecodeRecord<Team>(teams.Read(TeamRecordNumber(vars.CurrentTeam)));
    }

    // The first list row whose player is a skater not standing in line-up row `row`.
    static int SkaterRowOutside(const Lines& lines, int row) {
        for (int k = 0; k < lines.List2.ListCount(); ++k) {
            const std::uint8_t p = lines.ListMap[k];
            if (lines.RosterPlayer(p).Position == Goalie) continue;
            bool inRow = false;
            for (int c = 0; c < kLineColumns; ++c)
                inRow |= lines.LineBuffer[LineIndex(row, c)] == p;
            if (!inRow) return k;
        }
        return -1;
    }

    static void ExpectSlotsShowTheControls(const Lines& lines, const LinesForm& form) {
        for (int n = 0; n < Lines::kSlotLabels; ++n) {
            EXPECT_EQ(form.lblPlayer[n]->text(), Q(lines.lblPlayer[n].Caption)) << n;
            EXPECT_EQ(form.lblPlayer[n]->isVisible(), lines.lblPlayer[n].Visible) << n;
        }
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
    std::vector<ShownMessage> messages;
};

TEST_F(LinesFormTest, AutoViewsPlacingAndKeepingTheLines) {
    LineUp kept{};
    OpenLines([&](Lines& lines, LinesForm& form) {
        EXPECT_EQ(form.windowTitle(), "Edit Lines");
        EXPECT_EQ(form.Label6->text(), Q("Lines for " + vars.CurrentTeamRecord().Name.Utf8()));
        EXPECT_TRUE(form.optEven->isChecked());
        EXPECT_TRUE(form.cmdLoadLines->isEnabled());
        EXPECT_TRUE(form.cmdSaveLines->isEnabled());
        ASSERT_GT(form.List2->topLevelItemCount(), 19);

        Click(*form.cmdAuto);
        ASSERT_TRUE(messages.empty()) << messages[0].Text;
        EXPECT_TRUE(lines.Changed());
        ExpectSlotsShowTheControls(lines, form);
        for (int n = 0; n < Lines::kSlotLabels; ++n)
            EXPECT_FALSE(form.lblPlayer[n]->text().isEmpty());
        ClickRow(*form.List2, 3);
        EXPECT_TRUE(SaveScreenshot(form, "lines-even.png"));

        Click(*form.optPP);
        EXPECT_EQ(form.Label5->text(), "Power Play Lines");
        EXPECT_EQ(form.Label1[2]->text(), "PP Line 1 (4 on 3)");
        EXPECT_FALSE(form.lblPlayer[14]->isVisible());
        ExpectSlotsShowTheControls(lines, form);
        EXPECT_TRUE(SaveScreenshot(form, "lines-pp.png"));

        Click(*form.optPK);
        EXPECT_EQ(form.Label5->text(), "Penalty Kill Lines");
        for (int n : {4, 9, 13, 14, 18, 19}) EXPECT_FALSE(form.lblPlayer[n]->isVisible()) << n;
        ExpectSlotsShowTheControls(lines, form);
        EXPECT_TRUE(SaveScreenshot(form, "lines-pk.png"));

        // Select a player and click the left wing of line 1.
        Click(*form.optEven);
        const int row = SkaterRowOutside(lines, 0);
        ASSERT_GE(row, 0);
        ClickRow(*form.List2, row);
        Click(*form.lblPlayer[1]);
        EXPECT_EQ(lines.LineBuffer[LineIndex(0, 1)], lines.ListMap[row]);
        EXPECT_EQ(form.lblPlayer[1]->text(), form.List2->topLevelItem(row)->text(0));

        // Drag another onto the right wing of line 2.
        const int dragged = SkaterRowOutside(lines, 1);
        ASSERT_GE(dragged, 0);
        DropRow(*form.List2, dragged, *form.lblPlayer[7]);
        EXPECT_EQ(lines.LineBuffer[LineIndex(1, 2)], lines.ListMap[dragged]);
        EXPECT_EQ(form.lblPlayer[7]->text(), form.List2->topLevelItem(dragged)->text(0));

        // A goalie dragged over a skater's slot shows the refusal and is not placed.
        int goalie = -1;
        for (int r = 0; r < form.List2->topLevelItemCount() && goalie < 0; ++r) {
            if (lines.RosterPlayer(lines.ListMap[r]).Position == Goalie) goalie = r;
        }
        ASSERT_GE(goalie, 0);
        std::unique_ptr<QMimeData> mime(
            form.List2->model()->mimeData({form.List2->model()->index(goalie, 0)}));
        QDragEnterEvent over(form.lblPlayer[8]->rect().center(), Qt::CopyAction, mime.get(),
                             Qt::LeftButton, {});
        QApplication::sendEvent(form.lblPlayer[8], &over);
        EXPECT_TRUE(form.lblPlayer[8]->property("dragRefused").toBool());
        EXPECT_FALSE(form.lblPlayer[8]->property("dragOver").toBool());
        const auto before = lines.LineBuffer;
        DropRow(*form.List2, goalie, *form.lblPlayer[8]);
        EXPECT_EQ(lines.LineBuffer, before);
        EXPECT_FALSE(form.lblPlayer[8]->property("dragRefused").toBool());

        kept = lines.LineBuffer;
        Click(*form.cmdExit);
        EXPECT_TRUE(lines.IsUnloaded());
        EXPECT_FALSE(form.isVisible());
    });

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Keep Line Changes?");
    EXPECT_EQ(messages[0].Title, "Keep Changes");
    const Team team = StoredTeam();
    EXPECT_EQ(team.LinesSet, kTrue);
    EXPECT_EQ(team.LineSlots[LineIndex(0, 1)], kept[LineIndex(0, 1)]);
    EXPECT_EQ(team.LineSlots[LineIndex(1, 2)], kept[LineIndex(1, 2)]);
    EXPECT_EQ(team.LineSlots[LineIndex(12, 0)], kept[LineIndex(12, 0)]);
}

TEST_F(LinesFormTest, EmptySlotsStayEmptyAndTheCloseBoxWarns) {
    vars.CurrentTeamRecord().LineSlots.fill(kNoPlayer);
    const Bytes teamFile = ReadWholeFile(vars.SwapTeamFile);
    OpenLines([&](Lines& lines, LinesForm& form) {
        for (qt::SlotLabel* slot : form.lblPlayer) {
            EXPECT_TRUE(slot->text().isEmpty());
            EXPECT_FALSE(slot->property("filled").toBool());
        }
        EXPECT_TRUE(SaveScreenshot(form, "lines-empty.png"));

        // The list takes the focus, but nobody is selected: a click places nobody.
        ASSERT_TRUE(Activate(form));
        ASSERT_TRUE(TabTo(*form.List2));
        Click(*form.lblPlayer[0]);
        EXPECT_FALSE(lines.Changed());
        EXPECT_TRUE(form.lblPlayer[0]->text().isEmpty());

        // Unchecking the goalie filter hides the goalies.
        const int before = form.List2->topLevelItemCount();
        Click(*form.Check1[4]);
        EXPECT_FALSE(lines.Check1[4].Value);
        EXPECT_LT(form.List2->topLevelItemCount(), before);
        EXPECT_EQ(form.List2->topLevelItemCount(), lines.List2.ListCount());

        ClickRow(*form.List2, 0);
        Click(*form.lblPlayer[0]);
        EXPECT_TRUE(lines.Changed());
        EXPECT_TRUE(form.lblPlayer[0]->property("filled").toBool());
        form.close();
        EXPECT_TRUE(lines.IsUnloaded());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Changes were not saved");
    EXPECT_EQ(messages[0].Title, "Edit Lines");
    EXPECT_EQ(ReadWholeFile(vars.SwapTeamFile), teamFile);
}

TEST_F(LinesFormTest, IncompleteLinesKeepTheFormOpen) {
    vars.CurrentTeamRecord().LineSlots.fill(kNoPlayer);
    OpenLines([&](Lines& lines, LinesForm& form) {
        const int row = SkaterRowOutside(lines, 12);
        ASSERT_GE(row, 0);
        ClickRow(*form.List2, row);
        Click(*form.lblPlayer[21]);
        Click(*form.cmdExit);
        EXPECT_FALSE(lines.IsUnloaded());
        EXPECT_TRUE(form.isVisible());
        Click(*form.Label6);  // redraws; changes nothing
        EXPECT_EQ(form.lblPlayer[21]->text(), form.List2->topLevelItem(row)->text(0));
    });
    // The window left open is closed afterwards like a close box would, with its warning.
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].Text, "Keep Line Changes?");
    EXPECT_EQ(messages[1].Text, "Lines are not complete");
    EXPECT_EQ(messages[2].Text, "Changes were not saved");
}

// A name of 22 characters shows whole in its slot. From the keyboard alone the manager sorts the
// list, goes from it to the slots and back with F6, places a player, moves him with Alt and an
// arrow and exchanges two slots with X. Given less room than the name needs, the slot ends it with
// an ellipsis and its tooltip shows it whole.
// The candidate list keeps its size hints and column widths until what they follow changes: every
// rating shows whole in its column, and a larger font, a sorted column's arrow or a longer name
// each ask for more room.
TEST_F(LinesFormTest, TheCandidateListsSizesFollowItsFontSortAndNames) {
    OpenLines([&](Lines&, LinesForm& form) {
        CandidateTable& list = *form.List2;
        ASSERT_GT(list.topLevelItemCount(), 19);
        const auto ratingsShowWhole = [&list](const char* when) {
            for (int c = CandidateTable::Overall; c <= CandidateTable::Defence; ++c) {
                const int section = list.header()->sectionSize(c);
                EXPECT_GE(section, list.fontMetrics().horizontalAdvance("99")) << when << c;
                EXPECT_GE(section, list.header()->fontMetrics().horizontalAdvance(
                                       list.headerItem()->text(c)))
                    << when << c;
            }
        };
        list.SortBy(-1);  // roster order, whatever an earlier run left
        ratingsShowWhole("at first");
        const QSize first = list.sizeHint();
        EXPECT_EQ(list.sizeHint(), first);

        list.SortBy(CandidateTable::Offence);  // the arrow takes room in its heading
        const int sortedWidth = list.header()->sectionSize(CandidateTable::Offence);
        EXPECT_GT(sortedWidth, list.header()->sectionSize(CandidateTable::Defence));
        EXPECT_GT(list.sizeHint().width(), first.width());
        list.SortBy(-1);
        EXPECT_EQ(list.sizeHint(), first);

        QFont larger = list.font();
        larger.setPointSizeF(larger.pointSizeF() * 1.6);
        list.setFont(larger);
        ratingsShowWhole("in a larger font");
        EXPECT_GT(list.sizeHint().width(), first.width());
        EXPECT_GT(list.sizeHint().height(), first.height());
        EXPECT_GT(list.minimumSizeHint().height(), 0);
    });
}

TEST_F(LinesFormTest, WholeNamesSortingAndTheKeysOfTheSlots) {
    const QString longName = "Jean-S\u00e9bastien Gigu\u00e8re";
    LoadTeam(vars, vars.CurrentTeam, 0);
    int chosen = -1;
    for (int i = 0; i < kRosterPlaces && chosen < 0; ++i) {
        const Player& player = vars.Players[0][i];
        if (PlaceOf(player.Status) == Dressed && player.Position != Goalie) chosen = i;
    }
    ASSERT_GE(chosen, 0);
    vars.Players[0][chosen].Name =
        FixedText<22>::FromString(Utf8ToWindows1252(longName.toStdString()));
    SaveTeam(vars, vars.CurrentTeam, 0);
    vars.CurrentTeamRecord().LineSlots.fill(kNoPlayer);
    const auto at = [](const Lines& lines, int row, int column) {
        return lines.LineBuffer[LineIndex(row, column)];
    };

    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Activate(form));
        form.resize(form.sizeHint());  // as on a screen larger than the offscreen one
        QTest::keyClick(&form, Qt::Key_B, Qt::AltModifier);
        ASSERT_TRUE(form.SortOrder->hasFocus());
        for (int k = 0; k < 3; ++k) QTest::keyClick(form.SortOrder, Qt::Key_Down);
        ASSERT_EQ(form.SortOrder->currentText(), "Overall");
        CandidateTable& list = *form.List2;
        for (int row = 1; row < list.topLevelItemCount(); ++row) {
            EXPECT_GE(list.topLevelItem(row - 1)->text(CandidateTable::Overall).toInt(),
                      list.topLevelItem(row)->text(CandidateTable::Overall).toInt());
        }

        // F6 to the list, down to the player, F6 to the first slot, Enter puts him there.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        ASSERT_TRUE(list.hasFocus());
        int row = 0;
        while (row < list.topLevelItemCount() &&
               list.topLevelItem(row)->data(CandidateTable::Player, Qt::UserRole) != chosen)
            ++row;
        QTest::keyClick(&list, Qt::Key_Home);
        for (int k = 0; k < row; ++k) QTest::keyClick(&list, Qt::Key_Down);
        ASSERT_TRUE(lines.List2.HasSelection());
        ASSERT_EQ(lines.ListMap[lines.List2.ListIndex], chosen);
        QTest::keyClick(&list, Qt::Key_F6);
        ASSERT_TRUE(form.lblPlayer[0]->hasFocus());
        QTest::keyClick(form.lblPlayer[0], Qt::Key_Return);
        EXPECT_EQ(at(lines, 0, 0), chosen);
        EXPECT_EQ(form.lblPlayer[0]->text(), list.topLevelItem(row)->text(CandidateTable::Player));
        EXPECT_EQ(form.lblPlayer[0]->text().trimmed(), longName);
        EXPECT_FALSE(form.lblPlayer[0]->CaptionCut());
        EXPECT_TRUE(SaveScreenshot(form, "lines-long-name.png"));

        // Arrows go from slot to slot; Alt+Right moves him to line 2, the focus going with him;
        // X on two slots exchanges them, Escape drops a mark.
        QTest::keyClick(form.lblPlayer[0], Qt::Key_Right);
        EXPECT_TRUE(form.lblPlayer[5]->hasFocus());
        QTest::keyClick(form.lblPlayer[5], Qt::Key_Left);
        ASSERT_TRUE(form.lblPlayer[0]->hasFocus());
        QTest::keyClick(form.lblPlayer[0], Qt::Key_Right, Qt::AltModifier);
        EXPECT_EQ(at(lines, 1, 0), chosen);
        EXPECT_EQ(at(lines, 0, 0), kNoPlayer);
        ASSERT_TRUE(form.lblPlayer[5]->hasFocus());
        QTest::keyClick(form.lblPlayer[5], Qt::Key_Down);
        ASSERT_TRUE(form.lblPlayer[6]->hasFocus());
        QTest::keyClick(form.lblPlayer[6], Qt::Key_X);
        EXPECT_EQ(form.MarkedSlot(), 6);
        QTest::keyClick(form.lblPlayer[6], Qt::Key_Up);
        QTest::keyClick(form.lblPlayer[5], Qt::Key_X);
        EXPECT_EQ(form.MarkedSlot(), -1);
        EXPECT_EQ(at(lines, 1, 1), chosen);
        EXPECT_EQ(at(lines, 1, 0), kNoPlayer);
        QTest::keyClick(form.lblPlayer[5], Qt::Key_X);
        QTest::keyClick(form.lblPlayer[5], Qt::Key_Escape);
        EXPECT_EQ(form.MarkedSlot(), -1);
        EXPECT_FALSE(lines.IsUnloaded());

        // F6 back and forth returns to the slot last used.
        QTest::keyClick(form.lblPlayer[5], Qt::Key_F6);
        EXPECT_TRUE(list.hasFocus());
        QTest::keyClick(&list, Qt::Key_F6);
        EXPECT_TRUE(form.lblPlayer[5]->hasFocus());

        // In the sorted list a dragged row places the player it shows.
        const auto playerOn = [&](int shown) {
            return list.topLevelItem(shown)->data(CandidateTable::Player, Qt::UserRole).toInt();
        };
        int dragged = 0;
        while (playerOn(dragged) == chosen ||
               lines.RosterPlayer(playerOn(dragged)).Position == Goalie)
            ++dragged;
        DropRow(list, dragged, *form.lblPlayer[2]);
        EXPECT_EQ(at(lines, 0, 2), playerOn(dragged));

        // Shrunk as far as it goes, the window still shows every name whole, in the slots and
        // in the list.
        const QSize full = form.size();
        form.resize(1, 1);
        form.layout()->activate();
        for (const qt::SlotLabel* slot : form.lblPlayer) {
            if (slot->isVisible() && !slot->text().isEmpty()) {
                EXPECT_FALSE(slot->CaptionCut()) << slot->text().toStdString();
            }
        }
        EXPECT_FALSE(form.lblPlayer[6]->CaptionCut());
        const QFontMetrics names(list.font());
        EXPECT_GE(list.header()->sectionSize(CandidateTable::Player),
                  names.horizontalAdvance(longName));
        EXPECT_TRUE(SaveScreenshot(form, "lines-narrow.png"));
        form.resize(1400, 1000);
        EXPECT_TRUE(SaveScreenshot(form, "lines-large.png"));
        form.resize(full);
        list.SortBy(-1);  // for the tests that follow
        form.close();
    });
}

// A screen reader hears which slot it is on and who stands there, in every view, that a cleared
// slot is empty, and that a player dragged over a slot that does not take him is refused. The
// window opens at the list of players.
TEST_F(LinesFormTest, EachSlotSpeaksItsPlaceAndItsPlayer) {
    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Activate(form));
        EXPECT_TRUE(form.List2->hasFocus());
        const auto spoken = [&form](int n) {
            return QAccessible::queryAccessibleInterface(form.lblPlayer[n])
                ->text(QAccessible::Name);
        };
        for (QPushButton* view : {form.optEven, form.optPP, form.optPK}) {
            Click(*view);
            for (int n = 0; n < Lines::kSlotLabels; ++n) {
                if (!form.lblPlayer[n]->isVisibleTo(&form)) continue;
                const QString player = Q(lines.lblPlayer[n].Caption).trimmed();
                EXPECT_EQ(spoken(n), Q(lines.SlotPlaceName(n)) + ": " +
                                         (player.isEmpty() ? QString("empty") : player))
                    << view->text().toStdString() << " slot " << n;
            }
        }
        // The places as the window lays them out: line 2's left wing is the second slot of the
        // second block, the goalie and the extra skaters stand at the left.
        EXPECT_TRUE(spoken(0).startsWith("PK Line 1 (4 on 5) C: ")) << spoken(0).toStdString();
        Click(*form.optPP);
        EXPECT_TRUE(spoken(16).startsWith("PP Line 2 (4 on 3) W: ")) << spoken(16).toStdString();
        Click(*form.optEven);
        EXPECT_TRUE(spoken(6).startsWith("Line 2 LW: ")) << spoken(6).toStdString();
        EXPECT_TRUE(spoken(Lines::kGoalieLabel).startsWith("Goalie: "));
        EXPECT_TRUE(spoken(Lines::kGoalieLabel + 2).startsWith("Extra Skater 2: "));

        form.lblPlayer[6]->setFocus();
        QTest::keyClick(form.lblPlayer[6], Qt::Key_Delete);
        EXPECT_EQ(spoken(6), "Line 2 LW: empty");

        int goalie = -1;
        for (int r = 0; r < form.List2->topLevelItemCount() && goalie < 0; ++r) {
            if (lines.RosterPlayer(lines.ListMap[r]).Position == Goalie) goalie = r;
        }
        ASSERT_GE(goalie, 0);
        std::unique_ptr<QMimeData> mime(
            form.List2->model()->mimeData({form.List2->model()->index(goalie, 0)}));
        QDragEnterEvent over(form.lblPlayer[6]->rect().center(), Qt::CopyAction, mime.get(),
                             Qt::LeftButton, {});
        QApplication::sendEvent(form.lblPlayer[6], &over);
        EXPECT_EQ(spoken(6), "Line 2 LW: empty, refused");
        QDragLeaveEvent leave;
        QApplication::sendEvent(form.lblPlayer[6], &leave);
        EXPECT_EQ(spoken(6), "Line 2 LW: empty");
    });
}

// Without a mouse: Tab to the list, arrow keys to a player, Tab to a slot, Enter places him. Escape
// presses Exit, which asks before anything is kept or dropped.
TEST_F(LinesFormTest, KeyboardAlonePlacesAPlayerAndEscapeAsksToKeepTheLines) {
    std::uint8_t placed = kNoPlayer;
    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Activate(form));
        // Tab runs from the views at the top down the left column.
        form.optPK->setFocus();
        QTest::keyClick(form.optPK, Qt::Key_Tab);
        EXPECT_TRUE(form.lblPlayer[Lines::kGoalieLabel]->hasFocus());
        ASSERT_TRUE(TabTo(*form.List2));
        const int row = SkaterRowOutside(lines, 0);
        ASSERT_GE(row, 0);
        QTest::keyClick(form.List2, Qt::Key_Space);
        for (int k = 0; k < row; ++k) QTest::keyClick(form.List2, Qt::Key_Down);
        ASSERT_EQ(lines.List2.ListIndex, row);
        placed = lines.ListMap[row];

        ASSERT_TRUE(TabTo(*form.lblPlayer[1]));
        QTest::keyClick(form.lblPlayer[1], Qt::Key_Return);
        EXPECT_EQ(lines.LineBuffer[LineIndex(0, 1)], placed);
        EXPECT_EQ(form.lblPlayer[1]->text(), form.List2->topLevelItem(row)->text(0));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(lines.IsUnloaded());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Keep Line Changes?");
    EXPECT_EQ(StoredTeam().LineSlots[LineIndex(0, 1)], placed);
}

// Fires the form's shortcut for `sequence`, as the key press would.
bool Press(LinesForm& form, const char* sequence) {
    for (QShortcut* shortcut : form.findChildren<QShortcut*>()) {
        if (shortcut->key() != QKeySequence(sequence)) continue;
        emit shortcut->activated();
        return true;
    }
    return false;
}

TEST_F(LinesFormTest, KeyboardShortcutsRunTheButtons) {
    vars.CurrentTeamRecord().LineSlots.fill(kNoPlayer);
    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Press(form, "Ctrl+2"));
        EXPECT_TRUE(lines.optPP.Value);
        EXPECT_EQ(form.Label5->text(), "Power Play Lines");
        ASSERT_TRUE(Press(form, "Ctrl+3"));
        EXPECT_EQ(form.Label5->text(), "Penalty Kill Lines");
        ASSERT_TRUE(Press(form, "Ctrl+U"));
        EXPECT_TRUE(lines.Changed());
        EXPECT_FALSE(form.lblPlayer[20]->text().isEmpty());
        ASSERT_TRUE(Press(form, "Ctrl+1"));
        EXPECT_TRUE(lines.optEven.Value);
        ASSERT_TRUE(Press(form, "Ctrl+Q"));
        EXPECT_TRUE(lines.IsUnloaded());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Keep Line Changes?");
    EXPECT_EQ(StoredTeam().LinesSet, kTrue);
}

TEST_F(LinesFormTest, SaveLinesAndLoadThemBackWithTheKeyboard) {
    const std::string password = vars.CurrentTeamRecord().Password.Utf8();
    std::vector<FileDialog> fileDialogs;
    fs::path saved;
    ui.InputBoxHook = [&](const std::string& prompt, const std::string& title) {
        messages.push_back({prompt, title});
        return std::optional<std::string>(password);
    };
    ui.OpenFileHook = [&](const FileDialog& dialog) {
        fileDialogs.push_back(dialog);
        return std::optional<fs::path>(saved);
    };
    LineUp savedLineUp{};
    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Activate(form));
        QTest::keyClick(&form, Qt::Key_U, Qt::ControlModifier);
        savedLineUp = lines.LineBuffer;
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        saved = lines.LinesFilePath();
        ASSERT_EQ(ReadWholeFile(saved).size(), 226u);

        // A change after saving, then the file loaded back over it.
        const int row = SkaterRowOutside(lines, 0);
        ASSERT_GE(row, 0);
        ClickRow(*form.List2, row);
        Click(*form.lblPlayer[1]);
        ASSERT_NE(lines.LineBuffer, savedLineUp);
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(lines.LineBuffer, savedLineUp);
        ExpectSlotsShowTheControls(lines, form);
        EXPECT_TRUE(lines.Changed());
        QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(lines.IsUnloaded());
    });

    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].Text, "Password?");
    EXPECT_EQ(messages[0].Title, "Save Lines");
    EXPECT_EQ(messages[1].Text, "Lines saved as " + saved.string());
    EXPECT_EQ(messages[1].Title, "Lines Saved");
    EXPECT_EQ(messages[2].Text, "Keep Line Changes?");
    ASSERT_EQ(fileDialogs.size(), 1u);
    EXPECT_EQ(fileDialogs[0].Title, "Import Lines");
    EXPECT_EQ(StoredTeam().LineSlots, savedLineUp);
    EXPECT_EQ(StoredTeam().LinesSet, kTrue);
}

// Sends the events of slot `from` dragged and dropped onto `target`.
void DropSlot(int from, QWidget& target) {
    QMimeData mime;
    mime.setData(SlotEditing::kMimeType, QByteArray::number(from));
    const QPointF at = QRectF(target.rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &mime, Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(&target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &drop);
}

TEST_F(LinesFormTest, CandidatesShowTheirUseSlotsClearWithDeleteAndSwapByDragging) {
    InLightAndDark([&](bool dark) {
        OpenLines([&](Lines& lines, LinesForm& form) {
            ASSERT_TRUE(Activate(form));
            Click(*form.cmdAuto);
            const auto expectMarks = [&] {
                ASSERT_EQ(form.List2->topLevelItemCount(), static_cast<int>(lines.ListUse.size()));
                for (int row = 0; row < form.List2->topLevelItemCount(); ++row) {
                    const QTreeWidgetItem& item = *form.List2->topLevelItem(row);
                    EXPECT_EQ(item.data(0, CandidateTable::kUseRole).toInt(),
                              static_cast<int>(lines.ListUse[row]));
                    EXPECT_FALSE(item.icon(0).isNull());
                }
            };
            expectMarks();
            const std::uint8_t first = lines.LineBuffer[LineIndex(0, 1)];
            const std::uint8_t second = lines.LineBuffer[LineIndex(0, 2)];
            DropSlot(1, *form.lblPlayer[2]);
            EXPECT_EQ(lines.LineBuffer[LineIndex(0, 1)], second);
            EXPECT_EQ(lines.LineBuffer[LineIndex(0, 2)], first);
            ExpectSlotsShowTheControls(lines, form);

            form.lblPlayer[Lines::kGoalieLabel]->setFocus();
            QTest::keyClick(form.lblPlayer[Lines::kGoalieLabel], Qt::Key_Delete);
            EXPECT_EQ(lines.LineBuffer[LineIndex(12, 0)], kNoPlayer);
            EXPECT_EQ(form.lblPlayer[Lines::kGoalieLabel]->text(), "");
            EXPECT_TRUE(lines.LinesIncomplete());
            expectMarks();
            EXPECT_TRUE(
                SaveScreenshot(form, dark ? "lines-edit-dark.png" : "lines-edit-light.png"));
            form.close();
        });
    });
}

// Edit > Undo on its standard key takes a cleared slot back: the slots, the readiness line and
// the menu show it, nothing is left changed, and Exit asks nothing.
TEST_F(LinesFormTest, UndoByKeyTakesAnEditBackAndExitAsksNothing) {
    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Activate(form));
        auto* undo = form.findChild<QAction*>("mnuUndo");
        auto* redo = form.findChild<QAction*>("mnuRedo");
        ASSERT_TRUE(undo != nullptr && redo != nullptr);
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        const LineUp opened = lines.LineBuffer;
        const QString readyOpened = form.lblReady->text();
        ASSERT_NE(lines.LineBuffer[LineIndex(0, 0)], kNoPlayer);

        form.Binder().Run([&] { lines.ClearSlot(0); });
        EXPECT_TRUE(lines.Changed());
        EXPECT_TRUE(undo->isEnabled());
        EXPECT_EQ(undo->text(), "Undo Clear Line 1 C");
        EXPECT_TRUE(form.lblReady->text().startsWith("Not ready for the league"))
            << form.lblReady->text().toStdString();

        QTest::keySequence(&form, QKeySequence::Undo);
        EXPECT_TRUE(lines.LineBuffer == opened);
        EXPECT_FALSE(lines.Changed());
        EXPECT_EQ(form.lblReady->text(), readyOpened);
        EXPECT_EQ(redo->text(), "Redo Clear Line 1 C");
        ExpectSlotsShowTheControls(lines, form);
        Click(*form.cmdExit);
    });
    EXPECT_TRUE(messages.empty()) << messages[0].Text;
}

// A player suspended after the lines were set: his slot is painted with a red frame and his
// games, his row in the candidates says why he is out, the readiness line warns, and Auto leaves
// him out of every slot.
TEST_F(LinesFormTest, ASuspendedPlayerIsMarkedOutAndAutoLeavesHimOut) {
    const std::uint8_t hurt = vars.Teams[vars.CurrentTeam].LineSlots[LineIndex(0, 0)];
    ASSERT_LT(hurt, kRosterPlaces);
    {
        RecordFile roster(vars.SwapRosterFile, RecordLayout<Player>::Size);
        Player player =
            DecodeRecord<Player>(roster.Read(PlayerRecordNumber(vars.CurrentTeam, hurt)));
        player.Suspension = 3;
        roster.Write(PlayerRecordNumber(vars.CurrentTeam, hurt), EncodeRecord(player).data());
        roster.Save();
    }
    OpenLines([&](Lines& lines, LinesForm& form) {
        ASSERT_TRUE(Activate(form));
        qt::SlotLabel& slot = *form.lblPlayer[0];
        EXPECT_TRUE(slot.Out());
        EXPECT_FALSE(form.lblPlayer[1]->Out());
        const QImage painted = slot.grab().toImage();
        const auto redPixels = [](const QImage& image) {
            int red = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    red += c.red() > 150 && c.green() < 80 && c.blue() < 90;
                }
            }
            return red;
        };
        EXPECT_GT(redPixels(painted), slot.width()) << "a red frame and the games suspended";
        EXPECT_EQ(redPixels(form.lblPlayer[1]->grab().toImage()), 0);
        EXPECT_TRUE(slot.toolTip().contains("Out of the next game: Susp 3"))
            << slot.toolTip().toStdString();

        QTreeWidget& candidates = *form.List2;
        bool listed = false;
        for (int row = 0; row < candidates.topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = candidates.topLevelItem(row);
            const bool isHurt = item->data(0, Qt::UserRole).toInt() == hurt;
            EXPECT_EQ(item->text(CandidateTable::Out), isHurt ? "Susp 3" : "") << row;
            listed |= isHurt;
        }
        EXPECT_TRUE(listed) << "a dressed player stays a candidate";
        EXPECT_TRUE(form.lblReady->Warns());
        EXPECT_TRUE(form.lblReady->text().startsWith("Not ready for the league"));
        EXPECT_TRUE(SaveScreenshot(form, "lines-out-light.png"));

        Click(*form.cmdAuto);
        for (const std::uint8_t entry : lines.LineBuffer) EXPECT_NE(entry, hurt);
        EXPECT_FALSE(slot.Out());
        form.close();
    });
}

}  // namespace
}  // namespace korvel::test

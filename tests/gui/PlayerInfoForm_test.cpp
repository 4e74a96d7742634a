#include "windows/player/qt/PlayerInfoForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "gui/GuiTest.h"
#include "league/LeagueFiles.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/qt/CardPieces.h"
#include "windows/roster/qt/RosterForm.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

// A generated league loaded as the program loads it. Set Game Roster opens the roster window, and
// a double click on a player's row there opens his card, both through the Qt Ui, whose modal loop
// is replaced by the test's part.
class PlayerInfoFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base = WriteGeneratedLeague(folder.Path(), "CARD", {.Seed = 5, .Teams = 4});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [](const std::string& text, Buttons, Icon, const std::string&) {
            ADD_FAILURE() << "unexpected message: " << text;
            return Answer::No;
        };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        main->lstTeams[0].ListIndex = 1;
        main->lstTeams_Click(0);
    }

    // Double-clicks the row of the first goalie (or skater) in the roster window's tables.
    static void DoubleClickPlayer(RosterForm& roster, const Variables& vars, bool goalie) {
        for (RosterTable* table : roster.list1) {
            for (int row = 0; row < table->topLevelItemCount(); ++row) {
                QTreeWidgetItem* item = table->topLevelItem(row);
                const int index = item->data(0, Qt::UserRole).toInt();
                if ((vars.Players[0][index].Position == Goalie) != goalie) continue;
                table->scrollToItem(item);
                DoubleClick(*table->viewport(), table->visualItemRect(item).center());
                return;
            }
        }
        ADD_FAILURE() << "no such player on the roster";
    }

    void OpenCard(bool goalie, const std::function<void(PlayerInfo&, PlayerInfoForm&)>& act) {
        bool opened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            if (auto* roster = dynamic_cast<RosterForm*>(&dialog)) {
                ASSERT_TRUE(Activate(*roster));
                DoubleClickPlayer(*roster, vars, goalie);
                return;
            }
            auto& form = dynamic_cast<PlayerInfoForm&>(dialog);
            ASSERT_TRUE(Activate(form));
            opened = true;
            auto& card = dynamic_cast<PlayerInfo&>(form.Binder().BoundWindow());
            EXPECT_EQ(vars.Players[0][vars.CurrentPlayerIndex].Position == Goalie, goalie);
            act(card, form);
        };
        main->SetRoster_Click();
        EXPECT_TRUE(opened);
    }

    // Every field label shows its control, and each bar its skill.
    static void ExpectCardShown(const PlayerInfo& card, const PlayerInfoForm& form) {
        for (const auto& field : card.Fields()) {
            if (field.Name == "HgtValue") continue;
            const QLabel* label = form.FieldLabel(QString::fromStdString(field.Name));
            ASSERT_NE(label, nullptr) << field.Name;
            EXPECT_EQ(label->text().toStdString(), field.Value->Caption) << field.Name;
            EXPECT_EQ(label->isVisibleTo(&form), field.Value->Visible) << field.Name;
        }
        for (int n = 0; n < PlayerInfo::kSkillLabels; ++n) {
            const auto& text = card.lblSkill[n].Caption;
            const auto bar = form.skillBars[n]->Value();
            EXPECT_EQ(bar ? std::to_string(*bar) : "N/A", text == "n/a" ? "N/A" : text) << n;
        }
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
};

TEST_F(PlayerInfoFormTest, SkatersCardTogglesTheHeightByMouseAndKeyAndClosesOnEscape) {
    OpenCard(false, [&](PlayerInfo& card, PlayerInfoForm& form) {
        EXPECT_EQ(form.windowTitle(), "Player Info");
        ExpectCardShown(card, form);
        EXPECT_EQ(form.FieldLabel("lblStatCaption(11)")->text(), "Sh%");
        // The card paints its look from the palette; the tag's colour follows the experience.
        EXPECT_TRUE(form.styleSheet().isEmpty());
        const auto* tag = dynamic_cast<const ExperienceTag*>(form.FieldLabel("lblExp"));
        ASSERT_NE(tag, nullptr);
        EXPECT_EQ(tag->Rookie(), card.lblExp.Caption == "Rookie");
        // Opened from the roster, whose style sheet reaches the card: the name stays light on the
        // dark header.
        const QLabel* name = form.FieldLabel("Label1");
        const QImage title =
            form.grab(QRect(name->mapTo(&form, QPoint(0, 0)), name->size())).toImage();
        int lightest = 0;
        for (int y = 0; y < title.height(); ++y) {
            for (int x = 0; x < title.width(); ++x) {
                lightest = std::max(lightest, QColor(title.pixel(x, y)).lightness());
            }
        }
        EXPECT_GT(lightest, 200);
        EXPECT_TRUE(SaveScreenshot(form, "player-card-skater.png"));

        QLabel* height = form.FieldLabel("lblHgt");
        const QString feet = height->text();
        QTest::mouseClick(height, Qt::LeftButton);
        EXPECT_TRUE(height->text().endsWith(" cm")) << height->text().toStdString();

        // Tab through the card until the height has the focus, then toggle it with the keyboard.
        ASSERT_TRUE(TabTo(*height));
        QTest::keyClick(height, Qt::Key_Space);
        EXPECT_EQ(height->text(), feet);
        QTest::keyClick(height, Qt::Key_Return);
        EXPECT_FALSE(card.InchesShown);

        const int barWidth = form.skillBars[0]->width();
        form.resize(form.width() + 200, form.height() + 100);
        QApplication::processEvents();
        EXPECT_GT(form.skillBars[0]->width(), barWidth);

        QTest::keyClick(height, Qt::Key_Escape);
        EXPECT_TRUE(card.IsUnloaded());
        EXPECT_FALSE(form.isVisible());
    });
}

TEST_F(PlayerInfoFormTest, GoaliesCardHasNoBarsForDefenceAndScoringAndExitCloses) {
    OpenCard(true, [&](PlayerInfo& card, PlayerInfoForm& form) {
        ExpectCardShown(card, form);
        EXPECT_FALSE(form.skillBars[Defence]->Value());
        EXPECT_FALSE(form.skillBars[Scoring]->Value());
        EXPECT_TRUE(form.skillBars[13]->Value());
        EXPECT_EQ(form.FieldLabel("lblStatCaption(1)")->text(), "W");
        EXPECT_FALSE(form.FieldLabel("lblStatCaption(9)")->isVisibleTo(&form));
        EXPECT_TRUE(SaveScreenshot(form, "player-card-goalie.png"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        EXPECT_TRUE(card.IsUnloaded());
    });
}

}  // namespace
}  // namespace korvel::test

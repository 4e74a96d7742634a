#include "windows/team/qt/DisplayTeamForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "gui/GuiTest.h"
#include "league/LeagueFiles.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/roster/qt/RosterForm.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

// A generated league loaded as the program loads it; View Team opens the team information window
// through the Qt Ui, whose modal loop is replaced by the test's part.
class DisplayTeamFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base = WriteGeneratedLeague(folder.Path(), "TEAM", {.Seed = 11, .Teams = 4});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [](const std::string& text, Buttons, Icon, const std::string&) {
            ADD_FAILURE() << "unexpected message: " << text;
            return Answer::OK;
        };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        vars.CurrentTeam = 2;
        vars.League.SeasonStarted = kTrue;
    }

    // The current finances that give the team the projected balance `balance`.
    std::int32_t FinancesGiving(std::int32_t balance) {
        vars.CurrentTeamRecord().Finances = 0;
        DisplayTeam probe(session, ui);
        probe.Form_Load();
        return static_cast<std::int32_t>(balance - ReadDisplayedAmount(probe.lblProjBal.Caption));
    }

    // Every value field shows its control: text and colour.
    static void ExpectFieldsShowTheControls(const DisplayTeam& window,
                                            const DisplayTeamForm& form) {
        for (const auto& field : DisplayTeam::Fields) {
            const QLabel& value = form.Value(field.Name);
            EXPECT_EQ(value.text(), QString::fromStdString(window.Field(field.Name).Caption))
                << field.Name;
            const Colour colour = window.Field(field.Name).ForeColor;
            const QColor shown =
                colour == DisplayTeam::kDeficitColour
                    ? DisplayTeamForm::kDeficitShown
                    : QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
            EXPECT_EQ(value.palette().color(QPalette::WindowText), shown) << field.Name;
        }
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
};

TEST_F(DisplayTeamFormTest, WalkThroughWithKeysInTheBlackAndInTheRed) {
    struct Case {
        std::int32_t balance;
        const char* picture;
        bool closeBox;  // leave by the close box rather than by Escape
    };
    for (const Case c : {Case{1'250'000, "team-info-black.png", false},
                         Case{-30'000'000, "team-info-red.png", true}}) {
        SCOPED_TRACE(c.picture);
        const std::int32_t finances = FinancesGiving(c.balance);
        vars.CurrentTeamRecord().Finances = finances;
        bool opened = false;
        bool linesOpened = false;
        bool rosterOpened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            if (dynamic_cast<LinesForm*>(&dialog) != nullptr) {
                linesOpened = true;
                return;
            }
            if (dynamic_cast<RosterForm*>(&dialog) != nullptr) {
                rosterOpened = true;
                return;
            }
            auto& form = dynamic_cast<DisplayTeamForm&>(dialog);
            auto& window = dynamic_cast<DisplayTeam&>(form.Binder().BoundWindow());
            opened = true;
            QApplication::setActiveWindow(&form);
            form.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            EXPECT_EQ(form.windowTitle(), "Team Info");
            ExpectFieldsShowTheControls(window, form);
            EXPECT_EQ(window.lblProjBal.ForeColor,
                      c.balance < 0 ? DisplayTeam::kDeficitColour : DisplayTeam::kValueColour);
            EXPECT_EQ(form.Chart->Shown()[0], finances);
            EXPECT_EQ(form.Chart->Shown()[3], c.balance);
            EXPECT_TRUE(SaveScreenshot(form, c.picture));

            // The buttons by their keys: Team Lines opens the lines window, Team Roster the roster
            // window and then refreshes.
            EXPECT_TRUE(form.Command1->hasFocus());
            QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
            // A mnemonic presses its button with a short animation: the click comes a moment later.
            EXPECT_TRUE(QTest::qWaitFor([&] { return linesOpened; }));
            vars.CurrentTeamRecord().Coach.Name = FixedText<22>::FromString("Refreshed Coach");
            QTest::keyClick(&form, Qt::Key_R, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return rosterOpened; }));
            EXPECT_EQ(form.Value("lblCoach").text().trimmed(), "Refreshed Coach");
            QTest::keyClick(&form, Qt::Key_Tab);
            EXPECT_FALSE(form.Command1->hasFocus());

            if (c.closeBox) {
                form.close();
            } else {
                QTest::keyClick(&form, Qt::Key_Escape);
            }
            EXPECT_TRUE(window.IsUnloaded());
            EXPECT_FALSE(form.isVisible());
        };
        main->ViewTeam_Click();
        EXPECT_TRUE(opened);
    }
}

}  // namespace
}  // namespace korvel::test

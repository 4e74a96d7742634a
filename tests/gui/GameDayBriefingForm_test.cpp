#include "windows/briefing/qt/GameDayBriefingForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/Condense.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/qt/MainForm.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

// Game day `day`: team 0 won, its player `day` got hurt (1W), and a player went on waivers.
void PlayAGameDay(const fs::path& base, int day) {
    Bytes teams = ReadWholeFile(WithExtension(base, ".tms"));
    ++teams[132];  // Wins of team 0
    WriteWholeFile(WithExtension(base, ".tms"), teams);
    Bytes roster = ReadWholeFile(WithExtension(base, ".ros"));
    const std::size_t status = (PlayerRecordNumber(0, day) - 1) * RecordLayout<Player>::Size + 30;
    roster[status] = static_cast<std::uint8_t>(roster[status] / 100 * 100 + 2);
    WriteWholeFile(WithExtension(base, ".ros"), roster);
    Bytes waivers = ReadWholeFile(WithExtension(base, ".wvr"));
    waivers.resize(waivers.size() + 88);
    std::copy_n(roster.begin() + 86 * (50 + day), 86, waivers.end() - 86);  // from team 1
    WriteWholeFile(WithExtension(base, ".wvr"), waivers);
}

TEST(GameDayBriefingForm, OpensAfterAGameDayAndEachEntryLeadsOn) {
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "DAYS", {.Seed = 5, .Teams = 6});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    RegisterWindowForms(ui);
    ui.MsgBoxHook = [](const std::string& text, Buttons, Icon, const std::string&) {
        ADD_FAILURE() << "unexpected message: " << text;
        return Answer::OK;
    };
    Main main(session, ui, start);
    main.Form_Load();
    EXPECT_FALSE(main.BriefingDue);  // a first visit has no game day before it
    int days = 1;

    InLightAndDark([&](bool dark) {
        MainForm form(main, vars);
        ASSERT_TRUE(Activate(form));
        PlayAGameDay(base, ++days);
        // The league changed since the last game day: Reload brings the briefing by itself.
        std::vector<QString> opened;
        ui.ModalHook = [&](QDialog& dialog) { opened.push_back(dialog.windowTitle()); };
        form.CheckLeagueFiles();
        QTest::keyClick(&form, Qt::Key_F5);
        QTest::qWait(50);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_TRUE(opened.front().startsWith("Briefing: "));

        // Manager > Briefing opens it for the team chosen; a walk through it by keys and mouse.
        main.SelectTeam(0);
        opened.clear();
        ui.ModalHook = [&](QDialog& dialog) {
            opened.push_back(dialog.windowTitle());
            auto* briefing = dynamic_cast<GameDayBriefingForm*>(&dialog);
            if (briefing == nullptr) return;  // a card or a window an entry leads to
            ASSERT_TRUE(Activate(*briefing));
            EXPECT_TRUE(briefing->lblRecord->text().contains("(was "));
            EXPECT_TRUE(briefing->lblSection[GameDayBriefing::Injuries]->text().contains("&I"));
            QListWidget& injuries = *briefing->lstSection[GameDayBriefing::Injuries];
            ASSERT_EQ(injuries.count(), 1);
            EXPECT_TRUE(injuries.item(0)->text().contains("1W (1-2 weeks)"));
            const QStringList waived = Texts(*briefing->lstSection[GameDayBriefing::Waivers]);
            ASSERT_EQ(waived.size(), 1);
            EXPECT_TRUE(waived.front().contains(", OV ")) << waived.front().toStdString();
            EXPECT_TRUE(briefing->chkShowAtStart->isChecked());
            EXPECT_TRUE(SaveScreenshot(*briefing, dark ? "briefing-dark.png" : "briefing.png"));

            // Keys alone: the first list has the focus; Enter opens the hurt player's card.
            ASSERT_TRUE(injuries.hasFocus());
            QTest::keyClick(&injuries, Qt::Key_Down);
            QTest::keyClick(&injuries, Qt::Key_Return);
            ASSERT_EQ(opened.size(), 2u);
            EXPECT_EQ(opened.back(), "Player Info");
            // Alt+W goes to the waivers, whose double click opens the waived player's card.
            ASSERT_TRUE(Activate(*briefing));
            QTest::keyClick(briefing, Qt::Key_W, Qt::AltModifier);
            QListWidget& waivers = *briefing->lstSection[GameDayBriefing::Waivers];
            EXPECT_TRUE(waivers.hasFocus());
            const Player placeZero = vars.Players[0][0];
            DoubleClickRow(waivers, 0);
            ASSERT_EQ(opened.size(), 3u);
            EXPECT_EQ(opened.back(), "Player Info");
            EXPECT_TRUE(vars.Players[0][0].Name == placeZero.Name);  // the card's loan returned
            // A readiness entry opens the lines or the roster window.
            ASSERT_TRUE(Activate(*briefing));
            QTest::keyClick(briefing, Qt::Key_R, Qt::AltModifier);
            QListWidget& ready = *briefing->lstSection[GameDayBriefing::Readiness];
            QTest::keyClick(&ready, Qt::Key_Down);
            QTest::keyClick(&ready, Qt::Key_Return);
            ASSERT_EQ(opened.size(), 4u);
            EXPECT_TRUE(opened.back() == "Edit Lines" || opened.back() == "Set Game Roster")
                << opened.back().toStdString();
            QTest::keyClick(briefing, Qt::Key_Escape);
        };
        form.Briefing->trigger();  // Manager > Briefing (Ctrl+B)
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.front(),
                  "Briefing: " + Q(Windows1252ToUtf8(Condense(vars.Teams[0].Name.Str()))));
    });
}

}  // namespace
}  // namespace korvel::test

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
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

TEST(LeagueChangedBar, ShowsWhenTheLeagueChangedAndReloadLoadsIt) {
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "LIVE", {.Seed = 3, .Teams = 8});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    Variables vars;
    qt::QtUi ui;
    RegisterWindowForms(ui);
    ui.MsgBoxHook = [](const std::string& text, Buttons, Icon, const std::string&) {
        ADD_FAILURE() << "unexpected message: " << text;
        return Answer::OK;
    };
    TeamSession session(vars);
    Main main(session, ui, start);
    main.Form_Load();
    const int winsBefore = vars.Teams[0].Wins[0];

    // The simulation plays a night: a team's record changes on disk.
    auto playANight = [&] {
        Bytes teams = ReadWholeFile(WithExtension(base, ".tms"));
        teams[132] = static_cast<std::uint8_t>(teams[132] + 1);  // Wins of team 0
        WriteWholeFile(WithExtension(base, ".tms"), teams);
        const fs::path file = WithExtension(base, ".tms");
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(5));
    };

    // After a reload of a changed league the briefing opens by itself.
    int briefings = 0;
    ui.ModalHook = [&](QDialog& dialog) {
        EXPECT_TRUE(dialog.windowTitle().startsWith("Briefing"))
            << dialog.windowTitle().toStdString();
        ++briefings;
    };
    int nights = 0;
    InLightAndDark([&](bool dark) {
        MainForm form(main, vars);
        ASSERT_TRUE(Activate(form));
        form.CheckLeagueFiles();
        EXPECT_FALSE(form.LeagueChangedBar->isVisible());
        playANight();
        ++nights;
        // The file system tells the window; nothing looks at the files on a timer.
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.LeagueChangedBar->isVisible(); }, 5000));
        EXPECT_EQ(form.cmdReload->text(), "Reload");
        EXPECT_FALSE(form.lblLeagueChanged->text().isEmpty());
        EXPECT_TRUE(SaveScreenshot(
            form, dark ? "main-league-changed-dark.png" : "main-league-changed.png"));
        // F5 presses Reload, which loads the league again.
        QTest::keyClick(&form, Qt::Key_F5);
        EXPECT_EQ(vars.Teams[0].Wins[0], winsBefore + nights);
        EXPECT_FALSE(form.LeagueChangedBar->isVisible());
        QTest::qWait(20);
        EXPECT_EQ(briefings, nights);
    });
}

}  // namespace
}  // namespace korvel::test

#include "windows/team/qt/StrengthChart.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/LeagueFiles.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/main/qt/MainForm.h"
#include "windows/team/qt/DisplayTeamForm.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

TEST(StrengthChart, MeanTexts) {
    EXPECT_EQ(StrengthChart::MeanText(std::nullopt, 0, 3), "-");
    EXPECT_EQ(StrengthChart::MeanText(71.25, 3, 3), "71.3");
    EXPECT_EQ(StrengthChart::MeanText(64.0, 2, 6), "64.0 (2 of 6)");
}

// Team Info shows the strength of the roster its refresh read, in both palettes.
TEST(StrengthChart, TeamInfoShowsTheStrengthOfItsRoster) {
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "TEAM", {.Seed = 11, .Teams = 4});
    WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
    Variables vars;
    qt::QtUi ui;
    RegisterWindowForms(ui);
    TeamSession session(vars);
    Main main(session, ui, start);
    main.Form_Load();
    ASSERT_TRUE(vars.LeagueLoaded());

    InLightAndDark([&](bool dark) {
        bool opened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            auto& form = dynamic_cast<DisplayTeamForm&>(dialog);
            auto& window = dynamic_cast<DisplayTeam&>(form.Binder().BoundWindow());
            opened = true;
            const TeamStrength expected = StrengthOf(vars.Players[0]);
            for (std::size_t p = 0; p < expected.size(); ++p) {
                EXPECT_EQ(form.Strength->Shown()[p].Dressed, expected[p].Dressed) << p;
                EXPECT_EQ(form.Strength->Shown()[p].Pro, expected[p].Pro) << p;
                EXPECT_EQ(window.Strength[p].Dressed, expected[p].Dressed) << p;
            }
            EXPECT_TRUE(form.Strength->isVisible());
            EXPECT_TRUE(SaveScreenshot(
                form, dark ? "team-info-strength-dark.png" : "team-info-strength.png"));
        };
        main.ViewTeam_Click();
        EXPECT_TRUE(opened);
    });
}

}  // namespace
}  // namespace korvel::test

#include "windows/season/qt/SeasonViewForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/briefing/qt/GameDayBriefingForm.h"
#include "windows/main/qt/MainForm.h"
#include "windows/season/qt/SeasonChart.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kPlayer = RecordLayout<Player>::Size;

// Team 0's first three skaters: a scorer, one who plays without scoring, one who gets hurt.
struct Three {
    int Scorer = -1, Player = -1, Hurt = -1;
};
Three FirstSkaters(const fs::path& base) {
    const Bytes roster = ReadWholeFile(WithExtension(base, ".ros"));
    std::vector<int> skaters;
    for (int i = 0; i < kRosterPlaces && skaters.size() < 3; ++i) {
        const std::size_t at = (PlayerRecordNumber(0, i) - 1) * kPlayer;
        if (roster[at] != 0 && roster[at + 22] != Goalie) skaters.push_back(i);
    }
    return {skaters.at(0), skaters.at(1), skaters.at(2)};
}

// Game day `day`: team 0 wins by two, its scorer scores a goal, the third skater is hurt on day 2
// and back on day 4, and on day 3 a strong centre is waived.
void PlayAGameDay(const fs::path& base, int day, const Three& three) {
    Bytes teams = ReadWholeFile(WithExtension(base, ".tms"));
    ++teams[132];                   // Wins of team 0
    teams[143] = static_cast<std::uint8_t>(teams[143] + 3);  // GoalsFor
    teams[141] = static_cast<std::uint8_t>(teams[141] + 1);  // GoalsAgainst
    WriteWholeFile(WithExtension(base, ".tms"), teams);
    Bytes roster = ReadWholeFile(WithExtension(base, ".ros"));
    const auto at = [&](int index) { return (PlayerRecordNumber(0, index) - 1) * kPlayer; };
    ++roster[at(three.Scorer) + 52];  // GamesPlayed
    ++roster[at(three.Scorer) + 53];  // Goals
    ++roster[at(three.Player) + 52];
    const std::size_t status = at(three.Hurt) + 30;
    if (day == 2) roster[status] = static_cast<std::uint8_t>(roster[status] / 100 * 100 + 2);
    if (day == 4) roster[status] = static_cast<std::uint8_t>(roster[status] / 100 * 100);
    WriteWholeFile(WithExtension(base, ".ros"), roster);
    if (day == 3) {
        Bytes waivers = ReadWholeFile(WithExtension(base, ".wvr"));
        waivers.resize(waivers.size() + 88);
        auto* player = waivers.data() + waivers.size() - 86;
        std::copy_n(roster.begin() + static_cast<std::ptrdiff_t>(at(three.Player)), 86, player);
        player[22] = Centre;
        std::fill_n(player + 32, 14, 99);  // skills
        WriteWholeFile(WithExtension(base, ".wvr"), waivers);
    }
}

TEST(SeasonViewForm, ShowsTheRunTheFormAndTheWaiverWireAndOpensCards) {
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "SEASON", {.Seed = 9, .Teams = 6});
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
    const Three three = FirstSkaters(base);
    for (int day = 1; day <= 5; ++day) {
        PlayAGameDay(base, day, three);
        main.LoadLg(base);
    }
    main.SelectTeam(0);
    main.BriefingDue = false;  // the briefing would open by itself with the main window

    InLightAndDark([&](bool dark) {
        MainForm form(main, vars);
        ASSERT_TRUE(Activate(form));
        EXPECT_EQ(form.Season->shortcut(), QKeySequence("Ctrl+G"));
        std::vector<QString> opened;
        ui.ModalHook = [&](QDialog& dialog) {
            opened.push_back(dialog.windowTitle());
            auto* season = dynamic_cast<SeasonViewForm*>(&dialog);
            if (season == nullptr) return;  // the card a player leads to
            ASSERT_TRUE(Activate(*season));
            EXPECT_TRUE(season->lblTitle->text().contains("6 game days kept"))
                << season->lblTitle->text().toStdString();
            EXPECT_TRUE(season->lblRun->text().startsWith("Now ")) << season->lblRun->text().toStdString();
            ASSERT_EQ(season->chart->Days().size(), 6u);
            EXPECT_EQ(season->chart->Days().back().PTS - season->chart->Days().front().PTS, 10);
            EXPECT_TRUE(season->chart->accessibleName().contains("6 game day"));

            // The form over five game days: the scorer scored five, the most: hot, on top.
            QTableWidget& skaters = *season->tblSkaters;
            ASSERT_GT(skaters.rowCount(), 10);
            EXPECT_EQ(SeasonViewForm::PlayerOfRow(skaters, 0), three.Scorer);
            EXPECT_EQ(skaters.item(0, 7)->data(Qt::DisplayRole).toInt(), 5);  // PTS
            EXPECT_EQ(skaters.item(0, 0)->text(), QString::fromUtf8("\u25b2"));
            EXPECT_EQ(season->tblGoalies->columnCount(), 10);
            EXPECT_EQ(season->tblGoalies->horizontalHeaderItem(5)->text(), "W");

            // Sorting by a heading: fewest games played first puts the scorer below the top.
            skaters.sortByColumn(4, Qt::AscendingOrder);
            EXPECT_NE(SeasonViewForm::PlayerOfRow(skaters, 0), three.Scorer);
            skaters.sortByColumn(7, Qt::DescendingOrder);  // PTS
            EXPECT_EQ(SeasonViewForm::PlayerOfRow(skaters, 0), three.Scorer);

            const QStringList absences = Texts(*season->lstAbsences);
            EXPECT_TRUE(absences.filter("days 3 to 5").size() == 1) << absences.join('|').toStdString();
            const QStringList waivers = Texts(*season->lstWaivers);
            ASSERT_FALSE(waivers.empty());
            EXPECT_TRUE(waivers.front().contains("better than")) << waivers.front().toStdString();
            for (QWidget* control : std::initializer_list<QWidget*>{
                     &skaters, season->tblGoalies, season->lstAbsences, season->lstWaivers,
                     season->chart}) {
                EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
            }
            EXPECT_TRUE(SaveScreenshot(*season, dark ? "season-dark.png" : "season.png"));

            // Enter on the focused row opens the player's card; so does a double click on a
            // waived player.
            ASSERT_TRUE(skaters.hasFocus());
            skaters.setCurrentCell(0, 2);
            QTest::keyClick(&skaters, Qt::Key_Return);
            ASSERT_EQ(opened.size(), 2u);
            EXPECT_EQ(opened.back(), "Player Info");
            ASSERT_TRUE(Activate(*season));
            DoubleClickRow(*season->lstWaivers, 0);
            ASSERT_EQ(opened.size(), 3u);
            EXPECT_EQ(opened.back(), "Player Info");
            QTest::keyClick(season, Qt::Key_Escape);
        };
        QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);  // Manager > Season
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.front(), "Season");

        // The briefing leads there too.
        opened.clear();
        ui.ModalHook = [&](QDialog& dialog) {
            opened.push_back(dialog.windowTitle());
            if (auto* briefing = dynamic_cast<GameDayBriefingForm*>(&dialog)) {
                EXPECT_EQ(briefing->cmdSeason->text(), QString::fromUtf8("Season so far\u2026"));
                briefing->cmdSeason->click();
                QTest::keyClick(briefing, Qt::Key_Escape);
            }
        };
        form.Briefing->trigger();
        ASSERT_EQ(opened.size(), 2u);
        EXPECT_EQ(opened.back(), "Season");
    });
}

}  // namespace
}  // namespace korvel::test

#include "windows/main/qt/MainForm.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <vector>

#include "gui/GuiTest.h"
#include "league/LeagueFiles.h"
#include "league/RecordCodec.h"
#include "session/TeamSession.h"
#include "support/LeagueBuilder.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

// What a generated league holds, read straight from the generator's bytes.
struct ExpectedLeague {
    League Record;
    std::vector<Team> Teams;
    Bytes RosterFile;

    explicit ExpectedLeague(const gen::GeneratorOptions& options) {
        const gen::GeneratedLeague files = gen::GenerateLeague(options);
        Record = DecodeRecord<League>(files.LeagueFile);
        RosterFile = files.RosterFile;
        constexpr std::size_t size = RecordLayout<Team>::Size;
        for (int t = 0; t <= Record.LastTeam; ++t) {
            Teams.push_back(DecodeRecord<Team>(
                std::span(files.TeamFile).subspan(static_cast<std::size_t>(t) * size, size)));
        }
    }

    // Team indexes of one division, in the order the team list shows them.
    std::vector<int> TeamIndexes(int conf, int division) const {
        std::vector<int> indexes;
        for (int t = 0; t < static_cast<int>(Teams.size()); ++t) {
            if (Teams[t].Conference == conf && Teams[t].Division == division) indexes.push_back(t);
        }
        return indexes;
    }
    QStringList TeamNames(int conf, int division) const {
        QStringList names;
        for (const int t : TeamIndexes(conf, division)) names << Q(Teams[t].Name.Utf8());
        return names;
    }
    std::vector<std::string> PlayerNames(int team) const {
        constexpr std::size_t size = RecordLayout<Player>::Size;
        std::vector<std::string> names;
        for (std::size_t i = 0; i < kRosterPlaces; ++i) {
            const std::size_t record = static_cast<std::size_t>(team) * kRosterPlaces + i;
            names.push_back(DecodeRecord<Player>(std::span(RosterFile).subspan(record * size, size))
                                .Name.Str());
        }
        return names;
    }
    QStringList DivisionNames(int conf) const {
        return {Q(Record.Conferences[conf].Divisions[0].DivName.Utf8()),
                Q(Record.Conferences[conf].Divisions[1].DivName.Utf8())};
    }
};

class MainFormTest : public ::testing::Test {
  protected:
    // Starts the program in a fresh start folder; with a league, as if it had been loaded last.
    void Start(const std::optional<fs::path>& remembered) {
        fs::create_directories(startFolder);
        if (remembered)
            WriteWholeFile(DefaultsFileIn(startFolder), DefaultsFileContent(*remembered));
        RegisterWindowForms(ui);
        window = std::make_unique<Main>(session, ui, startFolder);
        window->Form_Load();
        form = std::make_unique<MainForm>(*window, vars);
        form->show();
    }

    TempFolder folder;
    fs::path startFolder = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> window;
    std::unique_ptr<MainForm> form;
};

const gen::GeneratorOptions kFirstLeague{.Seed = 11, .Teams = 20};
const gen::GeneratorOptions kSecondLeague{.Seed = 29, .Teams = 9};

TEST_F(MainFormTest, WithoutLeagueShowsDesignCaptionsAndLocksTheTeamMenus) {
    Start(std::nullopt);

    EXPECT_EQ(form->windowTitle(), "Ostervald");
    EXPECT_EQ(form->Label3->text(), "League Name");
    EXPECT_EQ(form->Label1->text(), "Conference 1");
    EXPECT_EQ(form->Label2->text(), "Conference 2");
    for (int conf = 0; conf < 2; ++conf) {
        EXPECT_EQ(form->lstDivs[conf]->count(), 0);
        EXPECT_EQ(form->lstTeams[conf]->count(), 0);
    }
    EXPECT_TRUE(form->file->menuAction()->isEnabled());
    EXPECT_TRUE(form->Info->menuAction()->isEnabled());
    EXPECT_FALSE(form->manager->menuAction()->isEnabled());
    EXPECT_FALSE(form->coach->menuAction()->isEnabled());
}

TEST_F(MainFormTest, MenusCarryTheirCaptionsAndShortcuts) {
    Start(std::nullopt);

    // The captions with their Alt letters.
    const std::vector<std::tuple<QMenu*, QString>> menus = {{form->file, "&File"},
                                                            {form->manager, "&Manager"},
                                                            {form->coach, "&Coach"},
                                                            {form->Info, "&Info"},
                                                            {form->Help, "&Help"}};
    for (const auto& [menu, title] : menus) EXPECT_EQ(menu->title(), title);
    const std::vector<std::tuple<QAction*, QString, QString>> items = {
        {form->LoadLeague, "&Load", "Ctrl+L"},    {form->exit, "E&xit", "Ctrl+Q"},
        {form->ViewTeam, "&View Team", "Ctrl+V"}, {form->SetRoster, "Set Game &Roster", "Ctrl+R"},
        {form->SetLines, "Set &Lines", "Ctrl+E"}, {form->About, "&About", ""},
        {form->KorvelHelp, "Korvel &Help", "F1"}, {form->Briefing, "&Briefing", "Ctrl+B"}};
    for (const auto& [action, text, shortcut] : items) {
        EXPECT_EQ(action->text(), text);
        EXPECT_EQ(action->shortcut(), QKeySequence(shortcut)) << text.toStdString();
    }
    EXPECT_TRUE(form->file->actions().contains(form->LoadLeague));
    EXPECT_TRUE(form->coach->actions().contains(form->SetLines));
}

TEST_F(MainFormTest, StartUpShowsTheRememberedLeague) {
    const fs::path base = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const ExpectedLeague expected(kFirstLeague);
    Start(base);

    EXPECT_EQ(form->windowTitle(), Q(base.string()));
    EXPECT_EQ(form->Label3->text(), Q(expected.Record.LeagueName.Utf8()));
    EXPECT_EQ(form->Label1->text(), Q(expected.Record.Conferences[0].ConfName.Utf8()));
    EXPECT_EQ(form->Label2->text(), Q(expected.Record.Conferences[1].ConfName.Utf8()));
    for (int conf = 0; conf < 2; ++conf) {
        EXPECT_EQ(Texts(*form->lstDivs[conf]), expected.DivisionNames(conf));
        EXPECT_EQ(form->lstDivs[conf]->currentRow(), 0);
        ASSERT_FALSE(expected.TeamNames(conf, 0).isEmpty());
        EXPECT_EQ(Texts(*form->lstTeams[conf]), expected.TeamNames(conf, 0));
        EXPECT_EQ(form->lstTeams[conf]->currentRow(), 0);
    }
    EXPECT_EQ(vars.CurrentTeam, expected.TeamIndexes(1, 0).front());
    EXPECT_TRUE(form->manager->menuAction()->isEnabled());
    EXPECT_TRUE(form->coach->menuAction()->isEnabled());
}

TEST_F(MainFormTest, ClicksAndKeysOnTeamListsChooseTheCurrentTeam) {
    const fs::path base = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const ExpectedLeague expected(kFirstLeague);
    Start(base);
    const std::vector<int> conf0 = expected.TeamIndexes(0, 0);
    const std::vector<int> conf1 = expected.TeamIndexes(1, 0);
    ASSERT_GE(conf0.size(), 4u);

    ClickRow(*form->lstTeams[0], 2);
    EXPECT_EQ(vars.CurrentTeam, conf0[2]);
    EXPECT_EQ(form->lstTeams[0]->currentRow(), 2);

    // The entry still highlighted in the other column becomes current when clicked again.
    ClickRow(*form->lstTeams[1], 0);
    EXPECT_EQ(vars.CurrentTeam, conf1[0]);

    form->lstTeams[0]->setFocus();
    QTest::keyClick(form->lstTeams[0], Qt::Key_Down);
    EXPECT_EQ(vars.CurrentTeam, conf0[3]);
}

// Tabbing into a freshly filled team list makes its first entry current, but chooses no team.
TEST_F(MainFormTest, FocusOnATeamListChoosesNoTeam) {
    const fs::path base = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const ExpectedLeague expected(kFirstLeague);
    Start(base);
    ASSERT_TRUE(Activate(*form));
    ClickRow(*form->lstDivs[0], 1);
    const int current = vars.CurrentTeam;

    ASSERT_TRUE(TabTo(*form->lstTeams[0]));
    EXPECT_EQ(vars.CurrentTeam, current);
    EXPECT_TRUE(form->lstTeams[0]->selectedItems().isEmpty());

    QTest::keyClick(form->lstTeams[0], Qt::Key_Space);
    EXPECT_EQ(vars.CurrentTeam, expected.TeamIndexes(0, 1).front());
}

// After a load that lists no team, nothing may open for the team chosen in the league before.
TEST_F(MainFormTest, LoadThatListsNoTeamLocksTheTeamMenus) {
    const fs::path first = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    LeagueBuilder hidden("Hidden Divisions");
    for (int t = 0; t < 4; ++t) hidden.AddTeam("Hidden " + std::to_string(t), t % 2, 2 + t / 2);
    hidden.Write(folder / "HIDDEN");
    Start(first);
    ASSERT_TRUE(Activate(*form));
    ClickRow(*form->lstTeams[0], 1);
    ui.OpenFileHook = [&](const FileDialog&) {
        return std::optional<fs::path>(folder / "HIDDEN.tms");
    };
    int windowsOpened = 0;
    ui.ModalHook = [&](QDialog&) { ++windowsOpened; };

    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(form->windowTitle(), Q((folder / "HIDDEN").string()));
    EXPECT_FALSE(form->manager->menuAction()->isEnabled());
    EXPECT_FALSE(form->coach->menuAction()->isEnabled());
    for (const Qt::Key key : {Qt::Key_E, Qt::Key_R, Qt::Key_V}) {
        QTest::keyClick(form.get(), key, Qt::ControlModifier);
    }
    EXPECT_EQ(windowsOpened, 0);
    const auto* status = form->statusBar()->findChild<QLabel*>();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), "No team in the divisions shown");
}

TEST_F(MainFormTest, ChoosingADivisionRefillsItsTeamListOnly) {
    const fs::path base = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const ExpectedLeague expected(kFirstLeague);
    Start(base);
    const int current = vars.CurrentTeam;

    ClickRow(*form->lstDivs[0], 1);

    EXPECT_EQ(Texts(*form->lstTeams[0]), expected.TeamNames(0, 1));
    EXPECT_EQ(form->lstTeams[0]->currentRow(), -1);
    EXPECT_EQ(Texts(*form->lstTeams[1]), expected.TeamNames(1, 0));
    EXPECT_EQ(vars.CurrentTeam, current);

    ClickRow(*form->lstTeams[0], 0);
    EXPECT_EQ(vars.CurrentTeam, expected.TeamIndexes(0, 1).front());
}

TEST_F(MainFormTest, FirstTeamClickUnlocksTheTeamMenus) {
    Start(std::nullopt);
    // Entries put into the list control the way a league load puts them.
    window->lstTeams[1].AddItem("Lakeside  ", 7);
    window->lstTeams[1].AddItem("Northport ", 12);
    form->Binder().RefreshAll();
    ASSERT_FALSE(form->manager->menuAction()->isEnabled());
    ASSERT_EQ(form->lstTeams[1]->count(), 2);

    ClickRow(*form->lstTeams[1], 1);

    EXPECT_EQ(vars.CurrentTeam, 12);
    EXPECT_TRUE(form->manager->menuAction()->isEnabled());
    EXPECT_TRUE(form->coach->menuAction()->isEnabled());
    EXPECT_TRUE(form->SetLines->isEnabled());
}

TEST_F(MainFormTest, DoubleClickOrEnterOnATeamOpensItsTeamInformation) {
    const fs::path base = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const ExpectedLeague expected(kFirstLeague);
    Start(base);
    ASSERT_TRUE(Activate(*form));
    int opened = 0;
    ui.ModalHook = [&](QDialog&) { ++opened; };
    const int team = expected.TeamIndexes(0, 0)[1];

    // Reached by the keys but not chosen, the entry is chosen and opened by Enter.
    ClickRow(*form->lstDivs[0], 1);
    ClickRow(*form->lstDivs[0], 0);
    ASSERT_TRUE(TabTo(*form->lstTeams[0]));
    QTest::keyClick(form->lstTeams[0], Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(vars.CurrentTeam, expected.TeamIndexes(0, 0)[0]);

    DoubleClickRow(*form->lstTeams[0], 1);

    EXPECT_EQ(opened, 2);
    EXPECT_EQ(vars.CurrentTeam, team);
    // The team information works on the team's players in roster slot 0.
    std::vector<std::string> slot;
    for (const Player& player : vars.Players[0]) slot.push_back(player.Name.Str());
    EXPECT_EQ(slot, expected.PlayerNames(team));
    EXPECT_TRUE(form->isVisible());
}

// A second start that names a league while a window is open: the window keeps its team, the
// status bar says what will happen, and the league loads once the window has closed.
TEST_F(MainFormTest, ALeagueAskedForUnderAnOpenWindowLoadsWhenItCloses) {
    const fs::path first = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const fs::path second = WriteGeneratedLeague(folder.Path(), "SECOND", kSecondLeague);
    Start(first);
    ASSERT_TRUE(Activate(*form));
    int opened = 0;
    ui.ModalHook = [&](QDialog&) {
        ++opened;
        form->BringForward(WithExtension(second, ".tms"));
        QTest::qWait(50);
        EXPECT_EQ(form->windowTitle(), Q(first.string()));
        const QString waiting = form->statusBar()->currentMessage();
        EXPECT_TRUE(waiting.contains("will load when the open window closes"))
            << waiting.toStdString();
    };
    DoubleClickRow(*form->lstTeams[0], 0);
    ASSERT_EQ(opened, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle() == Q(second.string()); }, 5000));
    EXPECT_EQ(ReadDefaultsFile(DefaultsFileIn(startFolder)), second);
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());

    // With no window open it loads at once.
    form->BringForward(WithExtension(first, ".tms"));
    EXPECT_EQ(form->windowTitle(), Q(first.string()));
}

TEST_F(MainFormTest, LoadThroughTheFileDialogShowsTheOtherLeague) {
    const fs::path first = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const fs::path second = WriteGeneratedLeague(folder.Path(), "SECOND", kSecondLeague);
    const ExpectedLeague expected(kSecondLeague);
    Start(first);
    EXPECT_TRUE(SaveScreenshot(*form, "main-before-load.png"));
    std::vector<FileDialog> dialogs;
    ui.OpenFileHook = [&](const FileDialog& dialog) -> std::optional<fs::path> {
        dialogs.push_back(dialog);
        return WithExtension(second, ".tms");
    };

    form->LoadLeague->trigger();

    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].Title, "Load League");
    ASSERT_EQ(dialogs[0].Filters.size(), 2u);
    EXPECT_EQ(qt::NameFilter(dialogs[0].Filters[dialogs[0].SelectedFilter]),
              "Norrik Files (*.tms)");
    EXPECT_EQ(dialogs[0].FileName, "test.tms");
    EXPECT_EQ(form->windowTitle(), Q(second.string()));
    EXPECT_EQ(form->Label3->text(), Q(expected.Record.LeagueName.Utf8()));
    EXPECT_EQ(form->Label1->text(), Q(expected.Record.Conferences[0].ConfName.Utf8()));
    for (int conf = 0; conf < 2; ++conf) {
        EXPECT_EQ(Texts(*form->lstDivs[conf]), expected.DivisionNames(conf));
        EXPECT_EQ(Texts(*form->lstTeams[conf]), expected.TeamNames(conf, 0));
    }
    EXPECT_EQ(ReadDefaultsFile(DefaultsFileIn(startFolder)), second);
    EXPECT_TRUE(SaveScreenshot(*form, "main-after-load.png"));

    // File lists the leagues loaded last, the newest first; each loads its league.
    ASSERT_GE(form->RecentLeagues.size(), 2u);
    EXPECT_TRUE(form->RecentLeagues[0]->text().endsWith(Q(second.string())));
    EXPECT_TRUE(form->RecentLeagues[1]->text().endsWith(Q(first.string())));
    form->RecentLeagues[1]->trigger();
    EXPECT_EQ(form->windowTitle(), Q(first.string()));
    EXPECT_TRUE(form->RecentLeagues[0]->text().endsWith(Q(first.string())));
}

// The manager's team comes back at the next start and after a Reload, over the first team a load
// selects.
TEST_F(MainFormTest, TheTeamIsRememberedAcrossARestartAndAReload) {
    const fs::path base = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    const ExpectedLeague expected(kFirstLeague);
    Start(base);
    ClickRow(*form->lstDivs[0], 1);
    ClickRow(*form->lstTeams[0], 1);
    const int chosen = expected.TeamIndexes(0, 1)[1];
    ASSERT_EQ(vars.CurrentTeam, chosen);

    form.reset();
    window.reset();
    vars = Variables();
    Start(base);
    EXPECT_EQ(vars.CurrentTeam, chosen);
    EXPECT_EQ(form->lstDivs[0]->currentRow(), 1);
    EXPECT_EQ(form->lstTeams[0]->currentRow(), 1);

    ClickRow(*form->lstTeams[1], 2);
    const int other = expected.TeamIndexes(1, 0)[2];
    ASSERT_EQ(vars.CurrentTeam, other);
    form->Binder().Run([&] { window->cmdReload_Click(); });
    EXPECT_EQ(vars.CurrentTeam, other);
    EXPECT_EQ(form->lstTeams[1]->currentRow(), 2);
}

TEST_F(MainFormTest, CancelledLoadKeepsTheLeagueOnScreen) {
    const fs::path first = WriteGeneratedLeague(folder.Path(), "FIRST", kFirstLeague);
    Start(first);
    const QString league = form->Label3->text();
    const QStringList teams = Texts(*form->lstTeams[0]);
    ui.OpenFileHook = [](const FileDialog&) { return std::optional<fs::path>(); };

    form->LoadLeague->trigger();

    EXPECT_EQ(form->Label3->text(), league);
    EXPECT_EQ(Texts(*form->lstTeams[0]), teams);
    EXPECT_EQ(form->windowTitle(), Q(first.string()));
}

TEST_F(MainFormTest, ExitAndTheCloseBoxUnloadTheWindow) {
    Start(std::nullopt);
    form->exit->trigger();
    EXPECT_TRUE(window->IsUnloaded());
    EXPECT_FALSE(form->isVisible());

    form.reset();
    window.reset();
    Start(std::nullopt);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(window->IsUnloaded());
}

}  // namespace
}  // namespace korvel::test

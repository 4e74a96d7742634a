#include "platform/qt/DesktopSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

#include "platform/qt/QtUi.h"
#include "platform/qt/WindowForm.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

TEST(DesktopSettings, AWindowOpensWhereItLastClosed) {
    const QRect place(40, 30, 220, 160);
    {
        QWidget first;
        qt::KeepPlacement(first, "PlacementTest");
        first.setGeometry(place);
        first.show();
        first.close();
    }
    QWidget second;
    second.setGeometry(0, 0, 100, 100);
    qt::KeepPlacement(second, "PlacementTest");
    EXPECT_EQ(second.geometry(), place);

    QWidget other;
    other.setGeometry(5, 5, 100, 100);
    qt::KeepPlacement(other, "NeverClosed");
    EXPECT_EQ(other.geometry(), QRect(5, 5, 100, 100));
}

// Each window keeps its own size and place under its caption; one kept off the screen comes back
// inside it.
TEST(DesktopSettings, EachWindowReopensWhereItClosedInsideTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto reopened = [](const char* caption, const QRect& closedAt) {
        Window window(caption);
        {
            qt::DialogForm form(window, nullptr, false);
            form.show();
            form.setGeometry(closedAt);
            form.hide();
        }
        qt::DialogForm form(window, nullptr, false);
        form.show();
        EXPECT_TRUE(
            QGuiApplication::primaryScreen()->availableGeometry().contains(form.frameGeometry()))
            << caption;
        return form.geometry();
    };
    const QRect inside(screen.left() + 40, screen.top() + 50, 220, 160);
    EXPECT_EQ(reopened("Placement One", inside), inside);
    const QRect beyond = reopened("Placement Two", inside.translated(screen.width() - 100, 0));
    EXPECT_EQ(beyond.size(), inside.size());
}

TEST(DesktopSettings, AFileDialogOpensInTheFolderItLastChoseFrom) {
    TempFolder start;
    const fs::path leagues = start / "leagues";
    fs::create_directory(leagues);
    qt::QtUi ui;
    std::vector<fs::path> openedIn;
    std::optional<fs::path> answer = leagues / "DEMO.tms";
    ui.OpenFileHook = [&](const FileDialog& dialog) {
        openedIn.push_back(ChooseInitialFolder(dialog));
        return answer;
    };
    FileDialog load;
    load.Title = "Folder Memory Test";
    load.InitialFolder = "c:\\vessa\\";
    load.FallbackFolders = {start.Path()};

    ui.OpenFile(load);  // chooses leagues/DEMO.tms
    answer.reset();
    ui.OpenFile(load);  // cancelled: the folder stays remembered
    ui.OpenFile(load);
    FileDialog other = load;
    other.Title = "Another Dialog";
    ui.OpenFile(other);
    fs::remove(leagues);
    ui.OpenFile(load);

    // The other dialog keeps its own folder; the last one's remembered folder is gone.
    EXPECT_EQ(openedIn,
              (std::vector<fs::path>{start.Path(), leagues, leagues, start.Path(), start.Path()}));
}

TEST(DesktopSettings, ATableSortIsKeptAndAColumnTheTableLacksGivesItsOwnOrder) {
    EXPECT_EQ(qt::RememberedSort("SortTest", 6).Column, -1);
    qt::RememberSort("SortTest", {2, true});
    EXPECT_EQ(qt::RememberedSort("SortTest", 6).Column, 2);
    EXPECT_TRUE(qt::RememberedSort("SortTest", 6).Descending);
    qt::RememberSort("SortTest", {6, false});
    EXPECT_EQ(qt::RememberedSort("SortTest", 6).Column, -1);
}

}  // namespace
}  // namespace korvel::test

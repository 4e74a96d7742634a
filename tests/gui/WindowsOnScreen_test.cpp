// Every window on a real desktop: opened by the keyboard it lies entirely on the screen, and with a
// light or a dark palette every text stands out from what is behind it.

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiTest.h"
#include "league/LeagueFiles.h"
#include "league/RosterSlots.h"
#include "platform/qt/Palettes.h"
#include "platform/qt/QtUi.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/briefing/GameDayBriefing.h"
#include "windows/lines/qt/CandidateTable.h"
#include "windows/main/Main.h"
#include "windows/main/qt/HelpKey.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/PlayerInfo.h"
#include "windows/roster/AddPlayer.h"
#include "windows/roster/Roster.h"
#include "windows/roster/qt/RosterTable.h"
#include "windows/standings/Standings.h"
#include "windows/team/DisplayTeam.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

// The program started on a generated league with its first team chosen; questions are answered
// No and windows opened modally are handed to `OnWindow`.
class Desktop : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base =
            WriteGeneratedLeague(folder.Path(), "SCREEN", {.Seed = 5, .Teams = 8});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [](const std::string&, Buttons buttons, Icon, const std::string&) {
            return buttons == Buttons::OK ? Answer::OK : Answer::No;
        };
        ui.ModalHook = [this](QDialog& form) { OnWindow(form); };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        form = std::make_unique<MainForm>(*main, vars);
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
    std::unique_ptr<MainForm> form;
    std::function<void(QDialog&)> OnWindow = [](QDialog&) {};
};

// The frame as the window system tells it now: QWidget::frameGeometry() keeps the one it learnt at
// the window's last move or resize, which may come before the window manager's frame.
QRect FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameGeometry() : window.frameGeometry();
}

// Shows the window and gives it the keyboard, also on an X server without a window manager. With
// one (tests/gui/on-desktop.sh says so), waits until the window has a title bar that stayed put for
// a moment: the frame's size and its place arrive in separate events.
bool ShowActive(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) return false;
    if (!qEnvironmentVariableIsSet("KORVEL_WINDOW_MANAGER")) return true;
    QRect last;
    QElapsedTimer steady;
    steady.start();
    const bool framed = QTest::qWaitFor(
        [&] {
            const QRect frame = FrameOf(window);
            if (frame.height() <= window.height() || frame != last) steady.restart();
            last = frame;
            return frame.height() > window.height() && steady.elapsed() >= 200;
        },
        15000);
    EXPECT_TRUE(framed) << window.windowTitle().toStdString() << ": no frame after 15 s";
    return framed;
}

// A picture of the whole screen the window is on, for people to look at.
void SaveScreen(const QWidget& window, const std::string& name) {
    const fs::path folder = KORVEL_SCREENSHOT_DIR;
    window.screen()->grabWindow(0).save(QString::fromStdString((folder / name).string()), "PNG");
}

// Where the window lies and whether it is laid out at least at the size its layout needs.
void ExpectOnScreen(const QWidget& window) {
    SCOPED_TRACE(window.windowTitle().toStdString());
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = FrameOf(window);
    EXPECT_TRUE(screen.contains(frame))
        << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
        << frame.height() << " (title bar and border " << frame.height() - window.height()
        << " px) on a screen of " << screen.width() << "x" << screen.height();
    const QLayout* layout = window.layout();
    if (layout != nullptr) {
        const QSize needed = layout->totalMinimumSize();
        // At a fractional scale the window system gives whole device pixels, which can come back
        // as one point less than the layout asked for.
        const double ratio = window.devicePixelRatioF();
        const int rounding = ratio == static_cast<int>(ratio) ? 0 : 1;
        EXPECT_GE(window.width() + rounding, needed.width());
        EXPECT_GE(window.height() + rounding, needed.height());
    }
}

// On a screen of 768 points or more the lines window has room for a game roster of 20 in its
// list, and shows every player it lists; so does the roster window's game roster, whatever the
// desktop's style makes of a row's height.
void ExpectWholeListOfCandidates(const QWidget& window) {
    if (window.screen()->availableGeometry().height() < 768) return;
    std::vector<const QTreeWidget*> lists;
    // Neither table declares a meta-object of its own, so findChildren would take any tree for
    // either: the type is asked of the object itself.
    for (const QTreeWidget* tree : window.findChildren<QTreeWidget*>()) {
        if (dynamic_cast<const CandidateTable*>(tree) != nullptr) lists.push_back(tree);
        const auto* list = dynamic_cast<const RosterTable*>(tree);
        if (list != nullptr && list->Place() == Dressed) lists.push_back(list);
    }
    for (const QTreeWidget* list : lists) {
        SCOPED_TRACE(list->objectName().toStdString());
        ASSERT_GT(list->topLevelItemCount(), 0);
        const QRect last = list->visualItemRect(list->topLevelItem(list->topLevelItemCount() - 1));
        EXPECT_TRUE(list->viewport()->rect().contains(last));
        EXPECT_GE(list->viewport()->height(), 20 * last.height());
    }
}

// Run under a real X server with a window manager by ctest: 1024x768, 1366x768 at 125 % under a
// panel of 48 pixels (a work area of 576 points), 1920x1080 at 150 % and 2048x1536 at 200 %;
// smaller screens (the offscreen platform's) are not what the windows are made for.
TEST_F(Desktop, KeyboardOpensEveryWindowEntirelyOnTheScreen) {
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    if (screen.width() < 1000 || screen.height() < 560) GTEST_SKIP() << "screen too small";
    ASSERT_TRUE(ShowActive(*form));
    ExpectOnScreen(*form);
    ASSERT_TRUE(form->ViewTeam->isEnabled());

    std::vector<QString> opened;
    OnWindow = [&](QDialog& window) {
        EXPECT_TRUE(ShowActive(window));
        opened.push_back(window.windowTitle());
        ExpectOnScreen(window);
        ExpectWholeListOfCandidates(window);
        SaveScreen(window, "screen-" + std::to_string(opened.size()) + ".png");
        // From the roster: Enter shows the player's card, Ctrl+N the window to add a player.
        if (window.windowTitle() != Roster::kCaption) return;
        for (const auto& [key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                            std::pair{Qt::Key_N, Qt::ControlModifier}}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifier);
            ASSERT_TRUE(ShowActive(window));
        }
    };
    for (const Qt::Key key : {Qt::Key_V, Qt::Key_R, Qt::Key_E, Qt::Key_T, Qt::Key_B}) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        ASSERT_TRUE(ShowActive(*form));
    }
    ASSERT_EQ(opened.size(), 7u);
    EXPECT_TRUE(opened.back().startsWith(GameDayBriefing::kCaption)) << opened.back().toStdString();
    opened.pop_back();
    EXPECT_EQ(opened,
              (std::vector<QString>{DisplayTeam::kCaption, Roster::kCaption, PlayerInfo::kCaption,
                                    AddPlayer::kCaption, Lines::kCaption, Standings::kCaption}));
    SaveScreen(*form, "screen-main.png");
}

double Luminance(QRgb colour) {
    const auto channel = [](int value) {
        const double share = value / 255.0;
        return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

// The contrast between the lightest and the darkest pixel of `area`: 1 when it is all one
// colour, 21 for black on white. Text shows as its own pixels against its background.
double Contrast(const QImage& picture, const QRect& area) {
    double darkest = 1.0;
    double lightest = 0.0;
    for (int y = std::max(0, area.top()); y <= std::min(picture.height() - 1, area.bottom()); ++y) {
        for (int x = std::max(0, area.left()); x <= std::min(picture.width() - 1, area.right());
             ++x) {
            const double luminance = Luminance(picture.pixel(x, y));
            darkest = std::min(darkest, luminance);
            lightest = std::max(lightest, luminance);
        }
    }
    return (lightest + 0.05) / (darkest + 0.05);
}

// Every text of the window - labels and the first rows of lists - stands out from its background.
void ExpectReadable(QWidget& window, const std::string& picture) {
    EXPECT_TRUE(SaveScreenshot(window, picture));
    const QImage image = window.grab().toImage();
    const double scale = image.width() / static_cast<double>(window.width());
    const auto areaOf = [&](const QWidget& widget, const QRect& rect) {
        const QRect inWindow(widget.mapTo(&window, rect.topLeft()), rect.size());
        return QRect((QRectF(inWindow).topLeft() * scale).toPoint(),
                     (QSizeF(inWindow.size()) * scale).toSize());
    };
    constexpr double kReadable = 4.5;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().trimmed().isEmpty()) continue;
        EXPECT_GE(Contrast(image, areaOf(*label, label->contentsRect())), kReadable)
            << picture << ": " << label->objectName().toStdString() << " \""
            << label->text().toStdString() << "\"";
    }
    for (const QAbstractItemView* list : window.findChildren<QAbstractItemView*>()) {
        const bool header = qobject_cast<const QHeaderView*>(list) != nullptr;
        if (header || !list->isVisibleTo(&window) || list->model() == nullptr) continue;
        for (int row = 0; row < std::min(3, list->model()->rowCount()); ++row) {
            const QModelIndex entry = list->model()->index(row, 0);
            QRect rect = list->visualRect(entry);
            rect.setRight(list->viewport()->width() - 1);  // the whole row of a table
            EXPECT_GE(Contrast(image, areaOf(*list->viewport(), rect)), kReadable)
                << picture << ": \"" << entry.data().toString().toStdString() << "\"";
        }
    }
}

// The desktop's style and palette for the length of a test.
class DesktopLook {
  public:
    DesktopLook(const QString& style, const QPalette& palette)
        : style_(QApplication::style()->name()), palette_(QApplication::palette()) {
        // The palette first, as a desktop starts the program: setting the style then polishes the
        // open windows with it.
        QApplication::setPalette(qt::ReadablePalette(palette));
        QApplication::setStyle(style);
    }
    ~DesktopLook() {
        QApplication::setStyle(style_);
        QApplication::setPalette(palette_);
    }

  private:
    QString style_;
    QPalette palette_;
};

TEST_F(Desktop, EveryWindowIsReadableWithADarkAndALightPalette) {
    const std::vector<std::pair<std::string, QPalette>> looks = {
        {"light", QApplication::style()->standardPalette()}, {"dark", qt::DarkPalette()}};
    for (const auto& [name, palette] : looks) {
        SCOPED_TRACE(name);
        const DesktopLook look("Fusion", palette);
        // Made under the desktop's palette, as at a start.
        form = std::make_unique<MainForm>(*main, vars);
        form->show();
        ExpectReadable(*form, "main-" + name + ".png");
        std::string window;
        OnWindow = [&](QDialog& shown) { ExpectReadable(shown, window + "-" + name + ".png"); };
        for (const auto& [file, action] : {std::pair{"team-info", form->ViewTeam},
                                           {"roster", form->SetRoster},
                                           {"lines", form->SetLines},
                                           {"briefing", form->Briefing}}) {
            window = file;
            LoadTeam(vars, vars.CurrentTeam, 0);
            action->trigger();
        }
        window = "player-card";
        vars.CurrentPlayerIndex = 0;
        PlayerInfo card(vars);
        ui.ShowModal(card);
        window = "add-player";
        AddPlayer add(vars, ui);
        ui.ShowModal(add);
    }
}

// F1 in each window opens the manual's help window scrolled to that window's part.
TEST_F(Desktop, F1InEveryWindowOpensItsPartOfTheManual) {
    std::vector<std::string> headings;
    OnWindow = [&](QDialog& window) {
        QTest::keyClick(&window, Qt::Key_F1);
        auto* help = window.findChild<QDialog*>("KorvelHelp");
        ASSERT_NE(help, nullptr);
        const auto* page = help->findChild<QTextBrowser*>();
        ASSERT_NE(page, nullptr);
        headings.push_back(
            page->cursorForPosition(QPoint(4, 4)).block().text().trimmed().toStdString());
        EXPECT_TRUE(SaveScreenshot(*help, "help-" + HelpSection(window).toStdString() + ".png"));
        help->close();
    };
    for (QAction* action :
         {form->ViewTeam, form->SetRoster, form->SetLines, form->Standings, form->Briefing}) {
        LoadTeam(vars, vars.CurrentTeam, 0);
        action->trigger();
    }
    vars.CurrentPlayerIndex = 0;
    PlayerInfo card(vars);
    ui.ShowModal(card);
    AddPlayer add(vars, ui);
    ui.ShowModal(add);
    EXPECT_EQ(headings, (std::vector<std::string>{"Team Info", "Game roster", "Lines", "Standings",
                                                  "Briefing", "Player card", "Add Player"}));
}

}  // namespace
}  // namespace korvel::test

#include "windows/main/qt/MainForm.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <utility>

#include "platform/qt/FocusRing.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/LeagueMemory.h"
#include "platform/qt/QtText.h"
#include "platform/qt/RinkPicture.h"
#include "platform/qt/Translate.h"
#include "windows/briefing/qt/GameDayBriefingForm.h"
#include "windows/lines/Lines.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/main/qt/AboutBox.h"
#include "windows/main/qt/HelpKey.h"
#include "windows/main/qt/LeagueWatch.h"
#include "windows/player/qt/PlayerInfoForm.h"
#include "windows/roster/qt/AddPlayerForm.h"
#include "windows/roster/qt/RosterForm.h"
#include "windows/season/qt/SeasonViewForm.h"
#include "windows/standings/qt/StandingsForm.h"
#include "windows/team/DisplayTeam.h"
#include "windows/team/qt/DisplayTeamForm.h"

namespace korvel {

namespace {

// Lists sized for their entries in the desktop's font: team names are up to 10 characters.
constexpr int kNameCharacters = 14;
constexpr int kDivisionRows = 2;
constexpr int kTeamRows = 7;
// How long a notice stays in the status bar.
constexpr int kNoticeMilliseconds = 30000;

QListWidget* MakeList(QWidget* parent, int rows) {
    auto* list = new QListWidget(parent);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setSpacing(2);
    list->setItemDelegate(new qt::FocusRingDelegate(list));
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.averageCharWidth() * kNameCharacters + 24);
    // An entry is a line of text and the spacing around it.
    const int rowHeight = metrics.height() + 8;
    list->setMinimumHeight(rowHeight * rows + 8);
    return list;
}

// The titles' bold face is drawn unhinted: at these sizes it looks the same, and it spares the
// start the font library's analysis of a second face and the hinting of every title glyph.
QFont Emphasised(QFont font, double scale) {
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (scale != 1.0) font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// A selection left in a list that does not hold the current team shows as an ordinary entry
// with the focus colours only: the palette's highlight is the list's base there.
void ShowStale(QListWidget& list, bool stale) {
    QPalette palette =
        list.parent() != nullptr ? static_cast<QWidget*>(list.parent())->palette() : list.palette();
    if (stale) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Highlight, palette.color(group, QPalette::Midlight));
            palette.setColor(group, QPalette::HighlightedText,
                             palette.color(group, QPalette::Text));
        }
        list.setPalette(palette);
    } else if (list.testAttribute(Qt::WA_SetPalette)) {
        list.setPalette(QPalette());
    }
}

}  // namespace

void RegisterWindowForms(qt::QtUi& ui) {
    ui.RegisterForm<Lines, LinesForm>();
    ui.RegisterForm<PlayerInfo, PlayerInfoForm>();
    ui.RegisterForm<DisplayTeam, DisplayTeamForm>();
    ui.RegisterForm<Roster, RosterForm>();
    ui.RegisterForm<AddPlayer, AddPlayerForm>();
    ui.RegisterForm<Standings, StandingsForm>();
    ui.RegisterForm<GameDayBriefing, GameDayBriefingForm>();
    ui.RegisterForm<SeasonView, SeasonViewForm>();
}

MainForm::MainForm(Main& window, const Variables& vars, QWidget* parent)
    : qt::MainWindowForm(window, parent, false), window_(window), vars_(vars) {
    // The manager's team of each league is selected after every load, the first one included.
    window_.RememberedTeam = qt::RememberedTeam;
    if (vars_.LeagueLoaded()) {
        if (const auto team = qt::RememberedTeam(vars_.LeaguePath)) window_.SelectTeam(*team);
    }
    CreateWidgets();
    CreateMenus();
    ShowRecentLeagues();
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel(statusBar());
    statusBar()->addWidget(status_, 1);
    watch_ = new LeagueWatch(this, [this] { LeagueTouched(); });
    new HelpKey(this);
    Binder().OnRefresh([this] {
        ShowStatus();
        RememberChoices();
        watch_->Watch(vars_.LeagueLoaded() ? vars_.LeaguePath : std::filesystem::path());
    });
    // A load's news of the game days waits until the load's handler has finished.
    Binder().OnRefresh([this] {
        if (gameDayNewsPosted_ || (window_.GameDayNotice.empty() && !window_.BriefingDue)) return;
        gameDayNewsPosted_ = true;
        QTimer::singleShot(0, this, [this] {
            gameDayNewsPosted_ = false;
            Binder().Run([this] { window_.GameDayNews(BriefingShowsAtStart()); });
        });
    });
    // A league another start asked for while a window was open loads once the handler that
    // showed the window has finished.
    Binder().OnRefresh([this] {
        if (!queuedLeague_.empty()) QTimer::singleShot(0, this, [this] { LoadQueuedLeague(); });
    });
    Binder().RefreshAll();
}

// Never under an open window: it has the team's data in hand. The look waits until this window is
// active again.
void MainForm::LeagueTouched() {
    if (QApplication::activeModalWidget() != nullptr) {
        leagueTouched_ = true;
        return;
    }
    leagueTouched_ = false;
    CheckLeagueFiles();
}

void MainForm::changeEvent(QEvent* event) {
    qt::MainWindowForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && leagueTouched_) {
        LeagueTouched();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !queuedLeague_.empty()) {
        QTimer::singleShot(0, this, [this] { LoadQueuedLeague(); });
    }
}

void MainForm::BringForward(const std::filesystem::path& league) {
    QWidget* front = QApplication::activeModalWidget();
    if (!league.empty()) {
        // The last league asked for is the one loaded; the open window keeps its team until the
        // manager closes it.
        queuedLeague_ = league;
        if (front != nullptr) {
            const QString waiting = QCoreApplication::translate(
                "MainForm", "%1 will load when the open window closes.");
            statusBar()->showMessage(
                waiting.arg(QDir::toNativeSeparators(qt::PathToQString(league))));
        }
        LoadQueuedLeague();
    }
    for (QWidget* window : {static_cast<QWidget*>(this), front}) {
        if (window == nullptr) continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void MainForm::LoadQueuedLeague() {
    if (queuedLeague_.empty() || QApplication::activeModalWidget() != nullptr) return;
    const std::filesystem::path league = std::exchange(queuedLeague_, {});
    statusBar()->clearMessage();
    Binder().Run([this, league] { window_.LoadLeagueFile(league); });
}

void MainForm::ShowNotice(const QString& text) {
    statusBar()->showMessage(text, kNoticeMilliseconds);
}

// The team chosen and the league loaded are kept for the next start and the next load.
void MainForm::RememberChoices() {
    if (!vars_.LeagueLoaded()) return;
    const bool newLeague = vars_.LeaguePath != rememberedLeague_;
    if (window_.manager.Enabled && (newLeague || vars_.CurrentTeam != rememberedTeam_)) {
        rememberedTeam_ = vars_.CurrentTeam;
        qt::RememberTeam(vars_.LeaguePath, rememberedTeam_);
    }
    if (!newLeague) return;
    rememberedLeague_ = vars_.LeaguePath;
    qt::AddRecentLeague(vars_.LeaguePath);
    ShowRecentLeagues();
}

void MainForm::ShowRecentLeagues() {
    const std::vector<std::filesystem::path> leagues = qt::RecentLeagues();
    if (leagues == recentShown_) return;
    recentShown_ = leagues;
    // Later, not now: the entry chosen may be the one whose load brought the change.
    if (recentSeparator_ != nullptr) RecentLeagues.push_back(recentSeparator_);
    for (QAction* action : RecentLeagues) {
        file->removeAction(action);
        action->deleteLater();
    }
    RecentLeagues.clear();
    recentSeparator_ = nullptr;
    QAction* before = exit;
    for (std::size_t n = 0; n < leagues.size(); ++n) {
        QString shown = qt::PathToQString(leagues[n]);
        shown.replace('&', "&&");
        auto* action = new QAction(QString("&%1 %2").arg(n + 1).arg(shown), file);
        action->setToolTip(
            QCoreApplication::translate("MainForm", "Load this league, as Load does"));
        const std::filesystem::path league = leagues[n];
        connect(action, &QAction::triggered, this, [this, league] {
            Binder().Run([this, league] { window_.LoadLeagueFile(league); });
        });
        file->insertAction(before, action);
        RecentLeagues.push_back(action);
    }
    if (!RecentLeagues.empty()) recentSeparator_ = file->insertSeparator(before);
}

// Enter on a team does what a double click does; an entry the keys reached but did not select is
// chosen first.
void MainForm::OpenOnEnter(QListWidget& list, int conf) {
    auto* enter =
        new QShortcut(QKeySequence(Qt::Key_Return), &list, nullptr, nullptr, Qt::WidgetShortcut);
    auto* keypadEnter =
        new QShortcut(QKeySequence(Qt::Key_Enter), &list, nullptr, nullptr, Qt::WidgetShortcut);
    for (QShortcut* key : {enter, keypadEnter}) {
        connect(key, &QShortcut::activated, this, [this, &list, conf] {
            QListWidgetItem* item = list.currentItem();
            if (item == nullptr) return;
            if (!item->isSelected()) list.setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            if (window_.lstTeams[conf].HasSelection()) emit list.itemDoubleClicked(item);
        });
    }
}

void MainForm::CheckLeagueFiles() {
    const bool shown = window_.lblLeagueChanged.Visible;
    window_.CheckLeagueFiles();
    if (window_.lblLeagueChanged.Visible != shown) Binder().RefreshAll();
}

// Information colours of the palette (those of tool tips), so that it reads in light and dark.
QWidget* MainForm::MakeLeagueChangedBar(QWidget* parent) {
    LeagueChangedBar = new QFrame(parent);
    LeagueChangedBar->setObjectName("leagueChangedBar");
    LeagueChangedBar->setFrameShape(QFrame::StyledPanel);
    LeagueChangedBar->setAutoFillBackground(true);
    // Roles, not colours: the bar follows a change of the desktop's palette.
    LeagueChangedBar->setBackgroundRole(QPalette::ToolTipBase);
    lblLeagueChanged = new QLabel(LeagueChangedBar);
    lblLeagueChanged->setForegroundRole(QPalette::ToolTipText);
    lblLeagueChanged->setWordWrap(true);
    cmdReload = new QPushButton(LeagueChangedBar);
    cmdReload->setToolTip(QCoreApplication::translate(
        "MainForm", "Loads the league again from its files, as File > Load does (F5)."));
    // Not the button's own shortcut: showing its caption resets that.
    auto* reloadKey = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(reloadKey, &QShortcut::activated, this, [this] {
        if (cmdReload->isVisible() && cmdReload->isEnabled()) cmdReload->click();
    });
    auto* layout = new QHBoxLayout(LeagueChangedBar);
    layout->setContentsMargins(10, 6, 6, 6);
    layout->addWidget(lblLeagueChanged, 1);
    layout->addWidget(cmdReload);
    Binder().Bind(*cmdReload, window_.cmdReload, [this] { window_.cmdReload_Click(); });
    Binder().OnRefresh([this] {
        lblLeagueChanged->setText(qt::Translated(window_.lblLeagueChanged.Caption));
        LeagueChangedBar->setVisible(window_.lblLeagueChanged.Visible);
    });
    return LeagueChangedBar;
}

void MainForm::CreateWidgets() {
    auto* background = new qt::RinkBackground(this);
    setCentralWidget(background);

    Label3 = new QLabel(background);
    Label3->setFont(Emphasised(font(), 1.15));
    Label1 = new QLabel(background);
    Label2 = new QLabel(background);
    auto* layout = new QVBoxLayout(background);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(14);
    layout->addWidget(Label3);
    background->SetBanner(Label3);
    layout->addWidget(MakeLeagueChangedBar(background));

    // One column per conference: its name, its divisions, the teams of the division chosen.
    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    const std::array<QLabel*, 2> conferences{Label1, Label2};
    for (int conf = 0; conf < 2; ++conf) {
        conferences[conf]->setFont(Emphasised(font(), 1.0));
        lstDivs[conf] = MakeList(background, kDivisionRows);
        lstDivs[conf]->setMaximumHeight(lstDivs[conf]->minimumHeight());
        lstTeams[conf] = MakeList(background, kTeamRows);
        auto* column = new QVBoxLayout;
        column->setSpacing(6);
        column->addWidget(conferences[conf]);
        column->addWidget(lstDivs[conf]);
        column->addWidget(lstTeams[conf], 1);
        columns->addLayout(column);
    }
    layout->addLayout(columns, 1);

    auto& binder = Binder();
    binder.Bind(*Label3, window_.Label3);
    binder.Bind(*Label1, window_.Label1);
    binder.Bind(*Label2, window_.Label2);
    for (int conf = 0; conf < 2; ++conf) {
        binder.Bind(*lstDivs[conf], window_.lstDivs[conf],
                    [this, conf] { window_.lstDivs_Click(conf); });
        binder.Bind(
            *lstTeams[conf], window_.lstTeams[conf], [this, conf] { window_.lstTeams_Click(conf); },
            [this, conf] { window_.lstTeams_DblClick(conf); });
        OpenOnEnter(*lstTeams[conf], conf);
    }
    binder.OnRefresh([this] { NameLists(); });
}

// A screen reader names each list after the conference over it and the division chosen.
void MainForm::NameLists() {
    const std::array<const QLabel*, 2> conferences{Label1, Label2};
    for (int conf = 0; conf < 2; ++conf) {
        const QString conference = conferences[conf]->text();
        const QListWidgetItem* division = lstDivs[conf]->currentItem();
        lstDivs[conf]->setAccessibleName(QCoreApplication::translate("korvel::MainForm", "Divisions of %1").arg(conference));
        lstTeams[conf]->setAccessibleName(
            division != nullptr && lstDivs[conf]->currentRow() >= 0
                ? QCoreApplication::translate("korvel::MainForm", "Teams of %1").arg(division->text().trimmed())
                : QCoreApplication::translate("korvel::MainForm", "Teams of %1").arg(conference));
    }
}

void MainForm::CreateMenus() {
    auto& binder = Binder();
    // Each menu and item has its Alt letter: Alt+C, then L opens Set Lines.
    auto addMenu = [&](MenuItem& control, QChar mnemonic) {
        QMenu* menu = menuBar()->addMenu(QString());
        binder.Bind(*menu, control, mnemonic);
        return menu;
    };
    auto addItem = [&](QMenu* menu, MenuItem& control, QChar mnemonic,
                       qt::FormBinder::Handler click) {
        QAction* action = menu->addAction(QString());
        binder.Bind(*action, control, std::move(click), mnemonic);
        return action;
    };

    file = addMenu(window_.file, 'F');
    LoadLeague = addItem(file, window_.LoadLeague, 'L', [this] { window_.LoadLeague_Click(); });
    file->addSeparator();
    exit = addItem(file, window_.exit, 'x', [this] { window_.exit_Click(); });
    manager = addMenu(window_.manager, 'M');
    ViewTeam = addItem(manager, window_.ViewTeam, 'V', [this] { window_.ViewTeam_Click(); });
    Standings = addItem(manager, window_.Standings, 'S', [this] { window_.Standings_Click(); });
    Briefing = addItem(manager, window_.Briefing, 'B', [this] { window_.Briefing_Click(); });
    Season = addItem(manager, window_.Season, 'e', [this] { window_.Season_Click(); });
    coach = addMenu(window_.coach, 'C');
    SetRoster = addItem(coach, window_.SetRoster, 'R', [this] { window_.SetRoster_Click(); });
    SetLines = addItem(coach, window_.SetLines, 'L', [this] { window_.SetLines_Click(); });
    Info = addMenu(window_.Info, 'I');
    About = addItem(Info, window_.About, 'A', [this] {
        window_.About_Click();
        ShowAboutBox(this);
    });
    Info->addAction(QCoreApplication::translate("MainForm", "About &Qt"), qApp,
                    &QApplication::aboutQt);
    Help = menuBar()->addMenu(QCoreApplication::translate("MainForm", "&Help"));
    KorvelHelp = Help->addAction(QCoreApplication::translate("MainForm", "Korvel &Help"), this,
                                 [this] { qt::ShowHelp(*this, {}); });
    KorvelHelp->setShortcut(QKeySequence(Qt::Key_F1));
}

void MainForm::ShowStatus() {
    QString status;
    if (!vars_.LeagueLoaded()) {
        status = QCoreApplication::translate("MainForm", "Open a league with File > Load");
    } else if (window_.lstTeams[0].ListCount() == 0 && window_.lstTeams[1].ListCount() == 0) {
        status = QCoreApplication::translate("MainForm", "No team in the divisions shown");
    } else if (!window_.manager.Enabled) {
        status = QCoreApplication::translate("MainForm", "Select a team");
    } else {
        status = QCoreApplication::translate("MainForm", "Current team: %1")
                     .arg(qt::ToQString(vars_.CurrentTeamRecord().Name.Utf8()).trimmed());
    }
    status_->setText(status);
    // Only the column of the current team shows its selection as chosen: a selection left in the
    // other column from before is drawn as a mere outline.
    const bool chosen = vars_.LeagueLoaded() && window_.manager.Enabled;
    for (int conf = 0; conf < 2; ++conf) {
        const bool current = chosen && vars_.CurrentTeamRecord().Conference == conf;
        ShowStale(*lstTeams[conf], !current);
    }
}

}  // namespace korvel

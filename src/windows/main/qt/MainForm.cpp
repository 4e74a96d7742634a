#include "windows/main/qt/MainForm.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/qt/QtText.h"
#include "platform/qt/RinkPicture.h"
#include "windows/lines/Lines.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/player/qt/PlayerInfoForm.h"
#include "windows/roster/qt/AddPlayerForm.h"
#include "windows/roster/qt/RosterForm.h"
#include "windows/team/DisplayTeam.h"
#include "windows/team/qt/DisplayTeamForm.h"

namespace korvel {

namespace {

// Positions are laid out in twips, 15 to a pixel.
QRect Twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

constexpr QSize kClientSize(410, 224);
constexpr int kBannerHeight = 40;

QFont WithPixelSize(QFont font, int pixels, bool bold) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QListWidget* MakeList(QWidget* parent, const QRect& geometry, int fontPixels) {
    auto* list = new QListWidget(parent);
    list->setGeometry(geometry);
    list->setFont(WithPixelSize(list->font(), fontPixels, false));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    return list;
}

}  // namespace

void RegisterWindowForms(qt::QtUi& ui) {
    ui.RegisterForm<Lines, LinesForm>();
    ui.RegisterForm<PlayerInfo, PlayerInfoForm>();
    ui.RegisterForm<DisplayTeam, DisplayTeamForm>();
    ui.RegisterForm<Roster, RosterForm>();
    ui.RegisterForm<AddPlayer, AddPlayerForm>();
}

MainForm::MainForm(Main& window, const Variables& vars, QWidget* parent)
    : qt::MainWindowForm(window, parent), window_(window), vars_(vars) {
    CreateWidgets();
    CreateMenus();
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel(statusBar());
    statusBar()->addWidget(status_, 1);
    Binder().OnRefresh([this] { ShowStatus(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Binder().RefreshAll();
}

void MainForm::CreateWidgets() {
    auto* background = new qt::RinkBackground(this);
    background->setFixedSize(kClientSize);
    background->SetBannerHeight(kBannerHeight);
    background->SetRinkArea(QRect(4, kBannerHeight + 8, kClientSize.width() - 8,
                                  kClientSize.height() - kBannerHeight - 12));
    setCentralWidget(background);

    Label3 = new QLabel(background);
    Label3->setGeometry(Twips(120, 120, 5895, 375));
    Label3->setFont(WithPixelSize(Label3->font(), 17, true));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1 = new QLabel(background);
    Label1->setGeometry(Twips(120, 900, 1575, 255));
    Label2 = new QLabel(background);
    Label2->setGeometry(Twips(1920, 900, 1335, 255));
    for (QLabel* conference : {Label1, Label2}) {
        conference->setFont(WithPixelSize(conference->font(), 11, true));
        conference->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }

    lstDivs[0] = MakeList(background, Twips(120, 1200, 1575, 450), 11);
    lstDivs[1] = MakeList(background, Twips(1920, 1200, 1575, 450), 11);
    lstTeams[0] = MakeList(background, Twips(120, 1800, 1575, 1425), 11);
    lstTeams[1] = MakeList(background, Twips(1920, 1800, 1575, 1425), 11);

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
    }
}

void MainForm::CreateMenus() {
    auto& binder = Binder();
    auto addMenu = [&](MenuItem& control) {
        QMenu* menu = menuBar()->addMenu(QString());
        binder.Bind(*menu, control);
        return menu;
    };
    auto addItem = [&](QMenu* menu, MenuItem& control, qt::FormBinder::Handler click) {
        QAction* action = menu->addAction(QString());
        binder.Bind(*action, control, std::move(click));
        return action;
    };

    file = addMenu(window_.file);
    LoadLeague = addItem(file, window_.LoadLeague, [this] { window_.LoadLeague_Click(); });
    file->addSeparator();
    exit = addItem(file, window_.exit, [this] { window_.exit_Click(); });
    manager = addMenu(window_.manager);
    ViewTeam = addItem(manager, window_.ViewTeam, [this] { window_.ViewTeam_Click(); });
    coach = addMenu(window_.coach);
    SetRoster = addItem(coach, window_.SetRoster, [this] { window_.SetRoster_Click(); });
    SetLines = addItem(coach, window_.SetLines, [this] { window_.SetLines_Click(); });
    Info = addMenu(window_.Info);
    About = addItem(Info, window_.About, [this] { window_.About_Click(); });
}

void MainForm::ShowStatus() {
    QString status;
    if (window_.lstTeams[0].ListCount() == 0 && window_.lstTeams[1].ListCount() == 0) {
        status = "Open a league with File > Load";
    } else if (!window_.manager.Enabled) {
        status = "Select a team";
    } else {
        status = "Current team: " + qt::ToQString(vars_.CurrentTeamRecord().Name.Utf8()).trimmed();
    }
    status_->setText(status);
}

}  // namespace korvel

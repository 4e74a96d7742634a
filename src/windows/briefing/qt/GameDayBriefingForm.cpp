#include "windows/briefing/qt/GameDayBriefingForm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"
#include "platform/qt/ScreenReader.h"

namespace korvel {
namespace {

constexpr const char* kShowAtStartKey = "briefing/showAtStart";
// Headings with the letter Alt takes to their list.
constexpr std::array<const char*, GameDayBriefing::kSections> kMnemonics = {"I", "S", "A",
                                                                            "L", "W", "R"};
constexpr int kListRows = 4;
constexpr int kListCharacters = 46;

// A heading in the desktop's language: the briefing's own word first, as "Left" is also a hand
// elsewhere.
QString Heading(const std::string& caption) {
    const QString own = QCoreApplication::translate("GameDayBriefing", caption.c_str());
    return own != qt::ToQString(caption) ? own : qt::Translated(caption);
}

// The heading with its Alt letter: the English one where the heading has it, else its first.
QString WithMnemonic(const std::string& caption, const char* letter) {
    QString text = Heading(caption);
    const int at = text.indexOf(QLatin1String(letter), 0, Qt::CaseInsensitive);
    text.insert(std::max(at, 0), '&');
    return text;
}

QFont Bold(QFont font, double scale) {
    font.setBold(true);
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

}  // namespace

bool BriefingShowsAtStart() {
    return QSettings().value(kShowAtStartKey, true).toBool();
}

GameDayBriefingForm::GameDayBriefingForm(GameDayBriefing& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    window_.chkShowAtStart.Value = BriefingShowsAtStart();
    lblTitle = new QLabel(this);
    lblTitle->setFont(Bold(font(), 1.2));
    lblRecord = new QLabel(this);
    lblRank = new QLabel(this);
    auto& binder = Binder();
    binder.Bind(*lblTitle, window_.lblTitle);
    binder.Bind(*lblRecord, window_.lblRecord);
    binder.Bind(*lblRank, window_.lblRank);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    for (int section = 0; section < GameDayBriefing::kSections; ++section) {
        grid->addWidget(MakeSection(section, this), section / 2, section % 2);
    }

    chkShowAtStart = new QCheckBox(this);
    chkShowAtStart->setToolTip(QCoreApplication::translate(
        "GameDayBriefingForm", "Open the briefing by itself when a load finds a new game day."));
    binder.Bind(*chkShowAtStart, window_.chkShowAtStart,
                [this] { QSettings().setValue(kShowAtStartKey, window_.chkShowAtStart.Value); });
    cmdSeason = new QPushButton(this);
    cmdSeason->setToolTip(QCoreApplication::translate(
        "GameDayBriefingForm",
        "The team's run, each player's form, absences and the waiver wire."));
    binder.Bind(*cmdSeason, window_.cmdSeason, [this] { window_.cmdSeason_Click(); });
    cmdExit = new QPushButton(this);
    binder.Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkShowAtStart);
    bottom->addStretch(1);
    bottom->addWidget(cmdSeason);
    bottom->addWidget(cmdExit);

    auto* root = new QVBoxLayout(this);
    root->addWidget(lblTitle);
    root->addWidget(lblRecord);
    root->addWidget(lblRank);
    root->addLayout(grid, 1);
    root->addLayout(bottom);

    binder.OnRefresh([this] {
        for (int section = 0; section < GameDayBriefing::kSections; ++section) {
            const bool shown = window_.SectionShown[static_cast<std::size_t>(section)];
            // A heading without a list has nothing for Alt to go to.
            lblSection[section]->setText(
                shown ? WithMnemonic(window_.lblSection[section].Caption, kMnemonics[section])
                      : Heading(window_.lblSection[section].Caption));
            lblSection[section]->setFont(shown ? Bold(font(), 1.0) : font());
            lstSection[section]->setVisible(shown);
            FitWidth(*lstSection[section]);
        }
    });
    for (int section = 0; section < GameDayBriefing::kSections; ++section) {
        qt::NameAfterHeading(binder, *lstSection[section], *lblSection[section]);
    }
    binder.RefreshAll();
    SetExitButton(*cmdExit);
    std::vector<QWidget*> chain(lstSection.begin(), lstSection.end());
    chain.push_back(chkShowAtStart);
    chain.push_back(cmdSeason);
    chain.push_back(cmdExit);
    qt::SetTabChain(chain);
    // The first list with entries; with none, Exit.
    QWidget* first = cmdExit;
    for (QListWidget* list : lstSection) {
        if (!list->isHidden()) {
            first = list;
            break;
        }
    }
    first->setFocus();
    adjustSize();
}

QWidget* GameDayBriefingForm::MakeSection(int section, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto* heading = new QLabel(box);
    heading->setFont(Bold(heading->font(), 1.0));
    auto* list = new QListWidget(box);
    list->setObjectName(QString("briefing-%1").arg(section));
    list->setToolTip(QCoreApplication::translate(
        "GameDayBriefingForm", "Enter or a double click opens what the entry leads to."));
    // The window wraps long entries into lines of its own; the list shows them whole.
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideNone);
    list->setSpacing(2);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.averageCharWidth() * kListCharacters);
    list->setMinimumHeight((metrics.height() + 4) * kListRows + 8);
    heading->setBuddy(list);
    Binder().Bind(*list, window_.lstSection[section], {},
                  [this, section] { window_.lstSection_DblClick(section); });
    list->installEventFilter(this);
    layout->addWidget(heading);
    layout->addWidget(list, 1);
    lblSection[section] = heading;
    lstSection[section] = list;
    return box;
}

// Wide enough for the widest line of its entries, which the window has already wrapped.
void GameDayBriefingForm::FitWidth(QListWidget& list) {
    const QFontMetrics metrics(list.font());
    int widest = metrics.averageCharWidth() * kListCharacters;
    for (int row = 0; row < list.count(); ++row) {
        for (const QString& line : list.item(row)->text().split('\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int frame = 2 * list.frameWidth() + 2 * list.spacing() + 12;
    list.setMinimumWidth(widest + frame + list.verticalScrollBar()->sizeHint().width());
}

void GameDayBriefingForm::Activate(int section) {
    QListWidget* list = lstSection[section];
    if (list->currentRow() < 0) return;
    window_.lstSection[section].ListIndex = list->currentRow();
    Binder().Run([this, section] { window_.lstSection_DblClick(section); });
}

// Enter on a list opens its focused entry, as a double click does, instead of pressing Exit.
bool GameDayBriefingForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int section = 0; section < GameDayBriefing::kSections; ++section) {
            if (watched == lstSection[section] && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                Activate(section);
                return true;
            }
        }
    }
    return qt::DialogForm::eventFilter(watched, event);
}

}  // namespace korvel

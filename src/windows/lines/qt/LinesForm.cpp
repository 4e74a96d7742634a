#include "windows/lines/qt/LinesForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "platform/qt/PositionBadge.h"
#include "platform/qt/QtText.h"
#include "platform/qt/RinkPicture.h"
#include "platform/qt/Style.h"

namespace korvel {

namespace {

constexpr QSize kClientSize(960, 600);
constexpr int kBannerHeight = 64;

// The four view blocks: two pairs one above the other, each slot row under its block's caption.
constexpr int kLettersLeft = 244;
constexpr int kLetterSize = 30;
constexpr std::array<int, 2> kBlockLeft{282, 496};
constexpr std::array<int, 2> kPairTop{88, 330};
constexpr int kBlockWidth = 200;
constexpr int kSlotHeight = 30;
constexpr int kSlotPitch = 38;
constexpr int kCaptionHeight = 24;
constexpr int kFirstSlotBelowCaption = 32;

constexpr int kLeftColumn = 16;
constexpr int kLeftWidth = 200;
constexpr int kRightColumn = 720;
constexpr int kRightWidth = 224;

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const char* styleRole) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setProperty(styleRole, true);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QRect& geometry, const char* name) {
    auto* button = new QPushButton(parent);
    button->setGeometry(geometry);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

LinesForm::LinesForm(Lines& window, QWidget* parent)
    : qt::DialogForm(window, parent), window_(window) {
    CreateWidgets();
    CreateSlots();
    CreateChoosers();
    CreateShortcuts();
    Binder().OnRefresh([this] { ShowStyles(); });
    setFixedSize(kClientSize);
    Binder().RefreshAll();
}

void LinesForm::CreateWidgets() {
    auto* background = new qt::RinkBackground(this);
    background->setGeometry(QRect(QPoint(0, 0), kClientSize));
    background->SetBannerHeight(kBannerHeight);
    background->SetRinkArea(QRect(8, kBannerHeight + 8, kClientSize.width() - 16,
                                  kClientSize.height() - kBannerHeight - 16));

    Label6 = new QLabel(this);
    Label6->setProperty("title", true);
    Label6->setGeometry(20, 6, 460, 32);
    Label6->setToolTip("Click to redraw the lines");
    Label5 = new QLabel(this);
    Label5->setProperty("subtitle", true);
    Label5->setGeometry(20, 38, 460, 20);

    Label3 = MakeLabel(this, QRect(kLeftColumn, 88, kLeftWidth, 24), "heading");
    Label4 = MakeLabel(this, QRect(kLeftColumn, 170, kLeftWidth, 24), "heading");

    for (int v = 0; v < 4; ++v) {
        const int top = kPairTop[static_cast<std::size_t>(v / 2)];
        Label1[v] = MakeLabel(
            this,
            QRect(kBlockLeft[static_cast<std::size_t>(v % 2)], top, kBlockWidth, kCaptionHeight),
            "rowCaption");
    }
    for (int k = 0; k < 10; ++k) {
        const int top = kPairTop[static_cast<std::size_t>(k / 5)] + kFirstSlotBelowCaption +
                        (k % 5) * kSlotPitch;
        Label2[k] = new qt::PositionBadgeLabel(this);
        Label2[k]->setGeometry(kLettersLeft, top, kLetterSize, kLetterSize);
    }

    List2 = new QListWidget(this);
    List2->setGeometry(kRightColumn, 128, kRightWidth, 416);
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List2->setDragEnabled(true);
    List2->setDragDropMode(QAbstractItemView::DragOnly);
    List2->setDefaultDropAction(Qt::CopyAction);
    List2->setItemDelegate(new qt::PositionBadgeDelegate(
        [this](int row) -> int {
            if (row < 0 || row >= static_cast<int>(window_.ListMap.size())) return -1;
            const std::uint8_t roster = window_.ListMap[static_cast<std::size_t>(row)];
            return roster < kRosterPlaces ? window_.RosterPlayer(roster).Position : -1;
        },
        List2));

    auto* hint =
        new QLabel("Select a player, then click a slot,\nor drag him onto the slot.", this);
    hint->setProperty("hint", true);
    hint->setGeometry(kRightColumn, 550, kRightWidth, 36);

    auto& binder = Binder();
    binder.Bind(*Label6, window_.Label6, [this] { window_.Label6_Click(); });
    binder.Bind(*Label5, window_.Label5);
    binder.Bind(*Label3, window_.Label3);
    binder.Bind(*Label4, window_.Label4);
    for (int v = 0; v < 4; ++v) binder.Bind(*Label1[v], window_.Label1[v]);
    for (int k = 0; k < 10; ++k) binder.Bind(*Label2[k], window_.Label2[k]);
    binder.Bind(*List2, window_.List2);
}

void LinesForm::CreateSlots() {
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        QRect geometry;
        if (n < Lines::kGoalieLabel) {
            const int v = n / 5;
            const int c = n % 5;
            geometry = QRect(
                kBlockLeft[static_cast<std::size_t>(v % 2)],
                kPairTop[static_cast<std::size_t>(v / 2)] + kFirstSlotBelowCaption + c * kSlotPitch,
                kBlockWidth, kSlotHeight);
        } else if (n == Lines::kGoalieLabel) {
            geometry = QRect(kLeftColumn, 120, kLeftWidth, kSlotHeight);
        } else {
            geometry = QRect(kLeftColumn, 202 + (n - 21) * kSlotPitch, kLeftWidth, kSlotHeight);
        }
        auto* slot = new qt::SlotLabel(this);
        slot->setGeometry(geometry);
        slot->DragSource = List2;
        slot->OnDrop = [this, n](int row) { DropOnSlot(n, row); };
        lblPlayer[n] = slot;
        Binder().Bind(*slot, window_.lblPlayer[n], [this, n] { window_.lblPlayer_Click(n); });
    }
}

void LinesForm::CreateChoosers() {
    auto& binder = Binder();
    constexpr int kFilterWidth = 40;
    constexpr std::array<const char*, 5> kFilterPositions{"C", "LW", "RW", "D", "G"};
    for (int p = 0; p < 5; ++p) {
        Check1[p] = MakeButton(
            this, QRect(kRightColumn + p * (kFilterWidth + 6), 88, kFilterWidth, 28), "Check1");
        Check1[p]->setProperty("filter", true);
        Check1[p]->setProperty("position", kFilterPositions[static_cast<std::size_t>(p)]);
        Check1[p]->setToolTip("Show or hide this position in the list");
        binder.Bind(*Check1[p], window_.Check1[p], [this, p] { window_.Check1_Click(p); });
    }

    optEven = MakeButton(this, QRect(kRightColumn, 16, 70, 32), "optEven");
    optPP = MakeButton(this, QRect(kRightColumn + 77, 16, 70, 32), "optPP");
    optPK = MakeButton(this, QRect(kRightColumn + 154, 16, 70, 32), "optPK");
    for (QPushButton* option : {optEven, optPP, optPK}) option->setProperty("view", true);
    binder.Bind(*optEven, window_.optEven, [this] { window_.optEven_Click(); });
    binder.Bind(*optPP, window_.optPP, [this] { window_.optPP_Click(); });
    binder.Bind(*optPK, window_.optPK, [this] { window_.optPK_Click(); });

    cmdAuto = MakeButton(this, QRect(kLeftColumn, 330, kLeftWidth, 38), "cmdAuto");
    cmdAuto->setProperty("primary", true);
    cmdLoadLines = MakeButton(this, QRect(kLeftColumn, 384, kLeftWidth, 34), "cmdLoadLines");
    cmdSaveLines = MakeButton(this, QRect(kLeftColumn, 426, kLeftWidth, 34), "cmdSaveLines");
    cmdExit = MakeButton(this, QRect(kLeftColumn, 506, kLeftWidth, 38), "cmdExit");
    binder.Bind(*cmdAuto, window_.cmdAuto, [this] { window_.cmdAuto_Click(); });
    binder.Bind(*cmdLoadLines, window_.cmdLoadLines, [this] { window_.cmdLoadLines_Click(); });
    binder.Bind(*cmdSaveLines, window_.cmdSaveLines, [this] { window_.cmdSaveLines_Click(); });
    binder.Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });
}

// Each shortcut clicks its button, so it runs exactly what the mouse would and respects a
// disabled button.
void LinesForm::CreateShortcuts() {
    struct Key {
        QPushButton* Button;
        const char* Sequence;
        const char* Purpose;
    };
    const std::array<Key, 7> keys{{
        {optEven, "Ctrl+1", "Even strength lines"},
        {optPP, "Ctrl+2", "Power play lines"},
        {optPK, "Ctrl+3", "Penalty kill lines"},
        {cmdAuto, "Ctrl+U", "Set all lines automatically"},
        {cmdLoadLines, "Ctrl+O", "Import a lines file"},
        {cmdSaveLines, "Ctrl+S", "Save the lines file for the league"},
        {cmdExit, "Ctrl+Q", "Keep or drop the changes and close"},
    }};
    for (const Key& key : keys) {
        const QKeySequence sequence(key.Sequence);
        auto* shortcut = new QShortcut(sequence, this);
        QPushButton* button = key.Button;
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled()) button->click();
        });
        button->setToolTip(
            QString("%1 (%2)").arg(key.Purpose, sequence.toString(QKeySequence::NativeText)));
    }
}

void LinesForm::ShowStyles() {
    for (qt::SlotLabel* slot : lblPlayer) slot->ShowFilled();
}

void LinesForm::DropOnSlot(int n, int row) {
    Binder().Run([this, n, row] {
        if (row >= window_.List2.ListCount()) return;
        window_.List2.ListIndex = row;
        window_.lblPlayer_Click(n);
    });
}

}  // namespace korvel

#include "windows/lines/qt/LinesForm.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include "platform/qt/FlatButton.h"
#include "platform/qt/PositionBadge.h"
#include "platform/qt/QtText.h"
#include "platform/qt/RinkPicture.h"
#include "platform/qt/Style.h"
#include "platform/qt/UndoMenu.h"
#include "windows/lines/qt/RowCaption.h"
#include "windows/lines/qt/SlotEditing.h"

namespace korvel {

namespace {

// The candidate list is wide enough for a name (22 characters) and its position badge.
constexpr int kNameCharacters = 22;
constexpr int kListRows = 10;

// A label in one of the window's roles; a title and a heading are bold.
QLabel* MakeLabel(QWidget* parent, const char* styleRole, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setProperty(styleRole, true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

qt::FlatButton* MakeButton(QWidget* parent, const char* name, QMargins padding = {10, 4, 10, 4}) {
    auto* button = new qt::FlatButton(parent, padding);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

LinesForm::LinesForm(Lines& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    CreateWidgets();
    CreateSlots();
    CreateChoosers();
    CreateShortcuts();
    LayOut();
    CreateSlotEditing();
    CreateEditState();
    // Tab: the views at the top, the left column down, the lines one by one, then the list.
    std::vector<QWidget*> chain{optEven, optPP, optPK};
    for (int n = Lines::kGoalieLabel; n < Lines::kSlotLabels; ++n) chain.push_back(lblPlayer[n]);
    chain.insert(chain.end(), {cmdAuto, cmdLoadLines, cmdSaveLines, cmdExit});
    for (int n = 0; n < Lines::kGoalieLabel; ++n) chain.push_back(lblPlayer[n]);
    chain.insert(chain.end(), Check1.begin(), Check1.end());
    chain.push_back(List2);
    qt::SetTabChain(chain);
    Binder().OnRefresh([this] { ShowStyles(); });
    Binder().RefreshAll();
    // As large as the content asks at the desktop's font and scale; the form cuts it to the screen.
    resize(sizeHint());
}

void LinesForm::CreateEditState() {
    qt::AddUndoMenu(*this, Binder(),
                    {window_.mnuEdit, window_.mnuUndo, [this] { window_.mnuUndo_Click(); },
                     window_.mnuRedo, [this] { window_.mnuRedo_Click(); }});
    lblReady = new QLabel(this);
    lblReady->setObjectName("lblReady");
    lblReady->setContentsMargins(8, 2, 8, 4);
    layout()->addWidget(lblReady);
    Binder().Bind(*lblReady, window_.lblReady);
}

void LinesForm::CreateWidgets() {
    background_ = new qt::RinkBackground(this);

    Label6 = MakeLabel(background_, "title", true);
    Label6->setToolTip("Click to redraw the lines");
    Label5 = MakeLabel(background_, "subtitle");
    Label3 = MakeLabel(background_, "heading", true);
    Label4 = MakeLabel(background_, "heading", true);
    for (QLabel*& caption : Label1) caption = new RowCaption(background_);
    for (QLabel*& letter : Label2) letter = new qt::PositionBadgeLabel(background_);

    // The list alone keeps its rules of the shared style sheet: its entries' padding and
    // selection.
    List2 = new QListWidget(background_);
    if (qt::Decorations()) List2->setStyleSheet(qt::StyleSheetOf("QListWidget"));
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

    const QFontMetrics metrics = List2->fontMetrics();
    List2->setMinimumSize(metrics.averageCharWidth() * kNameCharacters +
                              qt::PositionBadgeSize(List2->font()).width() + 40,
                          (metrics.height() + 8) * kListRows);

    hint_ = new QLabel(
        "Select a player, then click a slot or press Enter on it,\nor drag him onto the slot.",
        background_);
    hint_->setProperty("hint", true);

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
        auto* slot = new qt::SlotLabel(background_);
        slot->DragSource = List2;
        slot->OnDrop = [this, n](int row) { DropOnSlot(n, row); };
        slot->Takes = [this, n](int row) { return window_.SlotTakes(n, row); };
        lblPlayer[n] = slot;
        Binder().Bind(*slot, window_.lblPlayer[n], [this, n] { window_.lblPlayer_Click(n); });
    }
}

void LinesForm::CreateChoosers() {
    auto& binder = Binder();
    for (int p = 0; p < 5; ++p) {
        auto* filter = MakeButton(background_, "Check1", {6, 4, 6, 4});
        filter->SetKind(qt::FlatButton::Kind::Filter, qt::LookOfPosition(p)->Colour);
        Check1[p] = filter;
        Check1[p]->setProperty("filter", true);
        Check1[p]->setProperty("position", qt::LookOfPosition(p)->Name);
        Check1[p]->setToolTip("Show or hide this position in the list");
        binder.Bind(*Check1[p], window_.Check1[p], [this, p] { window_.Check1_Click(p); });
    }

    const auto makeView = [this](const char* name) {
        auto* button = MakeButton(background_, name);
        button->SetKind(qt::FlatButton::Kind::View);
        button->setProperty("view", true);
        return button;
    };
    optEven = makeView("optEven");
    optPP = makeView("optPP");
    optPK = makeView("optPK");
    binder.Bind(*optEven, window_.optEven, [this] { window_.optEven_Click(); });
    binder.Bind(*optPP, window_.optPP, [this] { window_.optPP_Click(); });
    binder.Bind(*optPK, window_.optPK, [this] { window_.optPK_Click(); });

    auto* automatic = MakeButton(background_, "cmdAuto");
    automatic->SetKind(qt::FlatButton::Kind::Primary);
    automatic->setProperty("primary", true);
    cmdAuto = automatic;
    cmdLoadLines = MakeButton(background_, "cmdLoadLines");
    cmdSaveLines = MakeButton(background_, "cmdSaveLines");
    cmdExit = MakeButton(background_, "cmdExit");
    binder.Bind(*cmdAuto, window_.cmdAuto, [this] { window_.cmdAuto_Click(); });
    binder.Bind(*cmdLoadLines, window_.cmdLoadLines, [this] { window_.cmdLoadLines_Click(); });
    binder.Bind(*cmdSaveLines, window_.cmdSaveLines, [this] { window_.cmdSaveLines_Click(); });
    binder.Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });
    SetExitButton(*cmdExit);
}

// The arrangement: the title and the view buttons in the banner; below it the goalie, the extra
// skaters and the buttons at the left, the four view rows in two pairs of blocks (letters beside
// them) in the middle, the position filters and the candidates at the right.
void LinesForm::LayOut() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background_);

    auto* root = new QVBoxLayout(background_);
    root->setContentsMargins(16, 8, 16, 12);
    root->setSpacing(18);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(Label6);
    titles->addWidget(Label5);
    auto* banner = new QHBoxLayout;
    banner->addLayout(titles);
    banner->addStretch(1);
    for (QPushButton* view : {optEven, optPP, optPK}) banner->addWidget(view);
    root->addLayout(banner);
    background_->SetBanner(Label5);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(Label3);
    left->addWidget(lblPlayer[Lines::kGoalieLabel]);
    left->addSpacing(12);
    left->addWidget(Label4);
    left->addWidget(lblPlayer[Lines::kGoalieLabel + 1]);
    left->addWidget(lblPlayer[Lines::kGoalieLabel + 2]);
    left->addStretch(1);
    for (QPushButton* button : {cmdAuto, cmdLoadLines, cmdSaveLines}) left->addWidget(button);
    left->addStretch(1);
    left->addWidget(cmdExit);

    auto* blocks = new QGridLayout;
    blocks->setHorizontalSpacing(12);
    blocks->setVerticalSpacing(6);
    constexpr int kPairRows = 7;  // the captions, five slots and a gap
    for (int v = 0; v < 4; ++v) {
        const int top = (v / 2) * kPairRows;
        const int column = 1 + v % 2;
        blocks->addWidget(Label1[v], top, column);
        for (int c = 0; c < 5; ++c) blocks->addWidget(lblPlayer[5 * v + c], top + 1 + c, column);
    }
    for (int k = 0; k < 10; ++k) {
        blocks->addWidget(Label2[k], (k / 5) * kPairRows + 1 + k % 5, 0, Qt::AlignCenter);
    }
    blocks->setRowMinimumHeight(kPairRows - 1, 8);
    blocks->setRowStretch(kPairRows - 1, 1);
    blocks->setRowStretch(2 * kPairRows - 1, 1);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    for (QPushButton* filter : Check1) filters->addWidget(filter);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addLayout(filters);
    right->addWidget(List2, 1);
    right->addWidget(hint_);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(left);
    body->addLayout(blocks);
    body->addLayout(right, 1);
    root->addLayout(body, 1);
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

namespace {

// A small round mark in palette colours: a ring for an unused player, a dot for a player used
// once, two dots for a player used several times.
QIcon UseMark(LineUse use, const QPalette& palette, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = size / 4.0;
    const QColor ink = palette.color(QPalette::Text);
    if (use == LineUse::Unused) {
        painter.setPen(QPen(palette.color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        if (use == LineUse::Once) {
            painter.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
        } else {
            painter.drawEllipse(QPointF(size / 2.0 - r, size / 2.0), r * 0.8, r * 0.8);
            painter.drawEllipse(QPointF(size / 2.0 + r, size / 2.0), r * 0.8, r * 0.8);
        }
    }
    return QIcon(pixmap);
}

const char* UseText(LineUse use) {
    switch (use) {
        case LineUse::Unused:
            return "Not in the lines shown";
        case LineUse::Once:
            return "In one place of the lines shown";
        case LineUse::Several:
            return "In several places of the lines shown";
    }
    return "";
}

}  // namespace

void LinesForm::CreateSlotEditing() {
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        auto* editing = new SlotEditing(*lblPlayer[n], n);
        editing->OnClear = [this, n] { Binder().Run([this, n] { window_.ClearSlot(n); }); };
        editing->OnSwap = [this, n](int from) {
            Binder().Run([this, from, n] { window_.SwapSlots(from, n); });
        };
        lblPlayer[n]->setToolTip(
            "Drag onto another slot to exchange the two; Delete or the context menu clears it");
    }
    Binder().OnRefresh([this] { ShowCandidateUse(); });
}

void LinesForm::ShowCandidateUse() {
    const int size = List2->fontMetrics().height();
    List2->setIconSize(QSize(size, size));
    for (int row = 0; row < List2->count(); ++row) {
        const bool known = row < static_cast<int>(window_.ListUse.size());
        const LineUse use =
            known ? window_.ListUse[static_cast<std::size_t>(row)] : LineUse::Unused;
        QListWidgetItem* item = List2->item(row);
        item->setIcon(UseMark(use, List2->palette(), size));
        item->setToolTip(UseText(use));
        item->setData(kUseRole, static_cast<int>(use));
    }
}

}  // namespace korvel

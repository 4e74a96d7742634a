#include "windows/lines/qt/LinesForm.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QShortcut>

#include <cstdlib>
#include <limits>

#include "platform/qt/FlatButton.h"
#include "platform/qt/PositionBadge.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScreenReader.h"
#include "platform/qt/Style.h"
#include "platform/qt/UndoMenu.h"
#include "windows/lines/qt/RowCaption.h"
#include "windows/lines/qt/SlotEditing.h"

namespace korvel {

namespace {

constexpr const char* kSlotHelp = QT_TRANSLATE_NOOP("LinesForm",
                                                    "Enter or Space: put the player selected in "
                                                    "the list here\n"
                                                    "Delete: clear the slot\n"
                                                    "Arrows: go to the next slot; Alt+Arrow: "
                                                    "exchange with it\n"
                                                    "X: mark the slot, then X on another slot "
                                                    "exchanges the two\n"
                                                    "F6: to the list and back\n"
                                                    "Drag onto another slot to exchange the two");

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

// The longest name of the team's players, as the slots should show it whole.
QString LongestName(const Lines& window) {
    QString longest;
    for (int i = 0; i < kRosterPlaces; ++i) {
        const QString name = qt::ToQString(window.RosterPlayer(i).Name.Utf8()).trimmed();
        if (name.size() > longest.size()) longest = name;
    }
    return longest;
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
    chain.insert(chain.end(), {List2, SortOrder});
    qt::SetTabChain(chain);
    Binder().OnRefresh([this] { ShowStyles(); });
    Binder().RefreshAll();
    KeepNamesWhole();
    // The window opens at the list of players to choose from: choosing comes before placing.
    List2->setFocus(Qt::OtherFocusReason);
    // As large as the content asks at the desktop's font and scale; the form cuts it to the screen.
    resize(sizeHint());
}

// The window shrinks no further than its slots show the longest name of the roster whole, in the
// font the style gives them.
void LinesForm::KeepNamesWhole() {
    ensurePolished();
    for (qt::SlotLabel* slot : lblPlayer) slot->setMinimumWidth(slot->sizeHint().width());
}

void LinesForm::CreateEditState() {
    qt::AddUndoMenu(*this, Binder(),
                    {window_.mnuEdit, window_.mnuUndo, [this] { window_.mnuUndo_Click(); },
                     window_.mnuRedo, [this] { window_.mnuRedo_Click(); }});
    lblReady = new qt::ReadinessLabel(this);
    lblReady->setObjectName("lblReady");
    layout()->addWidget(lblReady);
    Binder().OnRefresh([this] { lblReady->Show(window_.lblReady.Caption, window_.Ready); });
}

void LinesForm::CreateWidgets() {
    background_ = new qt::RinkBackground(this);
    ice_ = new QWidget(background_);
    rinkArea_ = new QWidget(ice_);

    Label6 = MakeLabel(background_, "title", true);
    Label6->setToolTip(QCoreApplication::translate("LinesForm", "Click to redraw the lines"));
    Label5 = MakeLabel(background_, "subtitle");
    Label3 = MakeLabel(rinkArea_, "heading", true);
    Label4 = MakeLabel(rinkArea_, "heading", true);
    for (QLabel*& caption : Label1) caption = new RowCaption(rinkArea_);
    for (QLabel*& letter : Label2) letter = new qt::PositionBadgeLabel(rinkArea_);

    List2 = new CandidateTable(window_, background_);
    // As wide as its names and ratings ask; the rink takes the room to spare.
    List2->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    if (qt::Decorations()) List2->setStyleSheet(qt::StyleSheetOf("QTreeView"));
    List2->setToolTip(QCoreApplication::translate("LinesForm", "F6: to the slots and back"));
    List2->setAccessibleName(QCoreApplication::translate("korvel::LinesForm", "Dressed players"));
    List2->setAccessibleDescription(QCoreApplication::translate(
        "korvel::LinesForm", "Pick a player, then press Enter on a slot; F6 goes to the slots and back"));
    connect(List2, &QTreeWidget::itemSelectionChanged, this, [this] { ReadSelection(); });

    SortOrder = new QComboBox(background_);
    SortOrder->setObjectName("SortOrder");
    SortOrder->addItems({QCoreApplication::translate("LinesForm", "Roster order"),
                         QCoreApplication::translate("LinesForm", "Name"),
                         QCoreApplication::translate("LinesForm", "Position"),
                         QCoreApplication::translate("LinesForm", "Overall"),
                         QCoreApplication::translate("LinesForm", "Offence"),
                         QCoreApplication::translate("LinesForm", "Defence")});
    SortOrder->setCurrentIndex(List2->SortColumn() + 1);
    SortOrder->setToolTip(QCoreApplication::translate(
        "LinesForm", "The order of the players (Alt+B); a click on a column header does the same"));
    connect(SortOrder, &QComboBox::activated, this, [this](int choice) {
        List2->SortBy(choice - 1);
        Binder().RefreshAll();
    });
    List2->OnSortChanged = [this] {
        SortOrder->setCurrentIndex(List2->SortColumn() + 1);
        Binder().RefreshAll();
    };

    hint_ =
        new QLabel(QCoreApplication::translate("LinesForm",
                                               "Pick a player, then press Enter on a slot (F6 goes "
                                               "there), click it or drag him onto it."),
                   background_);
    hint_->setProperty("hint", true);
    hint_->setWordWrap(true);
    hint_->setForegroundRole(QPalette::PlaceholderText);

    auto& binder = Binder();
    binder.Bind(*Label6, window_.Label6, [this] { window_.Label6_Click(); });
    binder.Bind(*Label5, window_.Label5);
    binder.Bind(*Label3, window_.Label3);
    binder.Bind(*Label4, window_.Label4);
    for (int v = 0; v < 4; ++v) binder.Bind(*Label1[v], window_.Label1[v]);
    for (int k = 0; k < 10; ++k) binder.Bind(*Label2[k], window_.Label2[k]);
    binder.OnRefresh([this] { List2->ShowList(window_.List2, window_.ListUse); });
}

void LinesForm::ReadSelection() {
    window_.List2.ListIndex = List2->SelectedLine();
}

void LinesForm::CreateSlots() {
    const QString longest = LongestName(window_);
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        auto* slot = new qt::SlotLabel(rinkArea_);
        slot->setObjectName(QString("lblPlayer(%1)").arg(n));
        slot->SetWidestCaption(longest);
        slot->SetHelp(QCoreApplication::translate("LinesForm", kSlotHelp));
        slot->DragSource = List2;
        slot->OnDrop = [this, n](int row) { DropOnSlot(n, row); };
        slot->Takes = [this, n](int row) { return window_.SlotTakes(n, List2->LineOfRow(row)); };
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
        Check1[p]->setToolTip(
            QCoreApplication::translate("LinesForm", "Show or hide this position in the list"));
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

    auto* automatic = MakeButton(rinkArea_, "cmdAuto");
    automatic->SetKind(qt::FlatButton::Kind::Primary);
    automatic->setProperty("primary", true);
    cmdAuto = automatic;
    cmdLoadLines = MakeButton(rinkArea_, "cmdLoadLines");
    cmdSaveLines = MakeButton(rinkArea_, "cmdSaveLines");
    cmdExit = MakeButton(rinkArea_, "cmdExit");
    binder.Bind(*cmdAuto, window_.cmdAuto, [this] { window_.cmdAuto_Click(); });
    binder.Bind(*cmdLoadLines, window_.cmdLoadLines, [this] { window_.cmdLoadLines_Click(); });
    binder.Bind(*cmdSaveLines, window_.cmdSaveLines, [this] { window_.cmdSaveLines_Click(); });
    binder.Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });
    SetExitButton(*cmdExit);
}

// The arrangement: the title and the view buttons in the banner; below it, over the rink, the
// goalie, the extra skaters and the buttons at the left of the four view rows in two pairs of
// blocks (letters beside them); the position filters and the candidates at the right. What
// stands on the rink keeps its size and stays in the middle of it; the rink grows with the room
// the window has to spare, the list with its height.
void LinesForm::LayOut() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background_);

    auto* root = new QVBoxLayout(background_);
    root->setContentsMargins(12, 8, 12, 10);
    root->setSpacing(12);

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
    left->addSpacing(24);
    for (QPushButton* button : {cmdAuto, cmdLoadLines, cmdSaveLines}) left->addWidget(button);
    left->addStretch(1);
    left->addWidget(cmdExit);

    auto* blocks = new QGridLayout;
    blocks->setHorizontalSpacing(10);
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
    blocks->setRowMinimumHeight(kPairRows - 1, 6);

    auto* onRink = new QHBoxLayout(rinkArea_);
    onRink->setContentsMargins(0, 12, 0, 12);
    onRink->setSpacing(12);
    onRink->addLayout(left);
    onRink->addLayout(blocks);
    rinkArea_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    // The slots and buttons stay together in the middle of the ice, which grows with the window.
    auto* middle = new QGridLayout(ice_);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(rinkArea_, 0, 0, Qt::AlignCenter);
    ice_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    background_->SetRinkArea(ice_, rinkArea_);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    for (QPushButton* filter : Check1) filters->addWidget(filter);
    filters->setAlignment(Qt::AlignLeft);
    auto* order = new QHBoxLayout;
    auto* orderLabel =
        new QLabel(QCoreApplication::translate("LinesForm", "Sort &by:"), background_);
    orderLabel->setBuddy(SortOrder);
    qt::NameChoiceList(*SortOrder);
    order->addWidget(orderLabel);
    order->addWidget(SortOrder, 1);
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addLayout(filters);
    right->addWidget(List2, 1);
    right->addLayout(order);
    right->addWidget(hint_);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(ice_, 1);
    body->addLayout(right);
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
        {optEven, "Ctrl+1", QT_TRANSLATE_NOOP("LinesForm", "Even strength lines")},
        {optPP, "Ctrl+2", QT_TRANSLATE_NOOP("LinesForm", "Power play lines")},
        {optPK, "Ctrl+3", QT_TRANSLATE_NOOP("LinesForm", "Penalty kill lines")},
        {cmdAuto, "Ctrl+U", QT_TRANSLATE_NOOP("LinesForm", "Set all lines automatically")},
        {cmdLoadLines, "Ctrl+O", QT_TRANSLATE_NOOP("LinesForm", "Import a lines file")},
        {cmdSaveLines, "Ctrl+S",
         QT_TRANSLATE_NOOP("LinesForm", "Save the lines file for the league")},
        {cmdExit, "Ctrl+Q", QT_TRANSLATE_NOOP("LinesForm", "Keep or drop the changes and close")},
    }};
    for (const Key& key : keys) {
        const QKeySequence sequence(key.Sequence);
        auto* shortcut = new QShortcut(sequence, this);
        QPushButton* button = key.Button;
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled()) button->click();
        });
        button->setToolTip(
            QString("%1 (%2)").arg(QCoreApplication::translate("LinesForm", key.Purpose),
                                   sequence.toString(QKeySequence::NativeText)));
    }
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(toggle, &QShortcut::activated, this, [this] { ToggleListAndSlots(); });
}

void LinesForm::ShowStyles() {
    // A mark belongs to a slot of the view it was made in.
    if (marked_ >= 0 && (markedView_ != window_.FirstViewRow() || !lblPlayer[marked_]->isVisible()))
        Unmark();
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        lblPlayer[n]->SetPlaceName(qt::ToQString(window_.SlotPlaceName(n)));
        lblPlayer[n]->ShowFilled();
        lblPlayer[n]->ShowOut(qt::ToQString(window_.SlotOut[static_cast<std::size_t>(n)]));
    }
}

void LinesForm::DropOnSlot(int n, int row) {
    Binder().Run([this, n, row] {
        const int line = List2->LineOfRow(row);
        if (line < 0 || line >= window_.List2.ListCount()) return;
        window_.List2.ListIndex = line;
        window_.lblPlayer_Click(n);
    });
}

void LinesForm::CreateSlotEditing() {
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        auto* editing = new SlotEditing(*lblPlayer[n], n);
        editing->OnClear = [this, n] { Binder().Run([this, n] { window_.ClearSlot(n); }); };
        editing->OnSwap = [this, n](int from) {
            Binder().Run([this, from, n] { window_.SwapSlots(from, n); });
        };
        editing->OnMove = [this, n](int key) {
            const int next = Neighbour(n, key);
            if (next >= 0) lblPlayer[next]->setFocus(Qt::OtherFocusReason);
        };
        editing->OnExchange = [this, n](int key) { ExchangeWithNeighbour(n, key); };
        editing->OnMark = [this, n] { MarkOrExchange(n); };
        editing->OnEscape = [this] {
            if (marked_ < 0) return false;
            Unmark();
            return true;
        };
        editing->OnFocused = [this, n] { lastSlot_ = n; };
    }
}

int LinesForm::Neighbour(int n, int arrowKey) const {
    const auto placeOf = [this](int slot) {
        return QRect(lblPlayer[slot]->mapTo(this, QPoint(0, 0)), lblPlayer[slot]->size());
    };
    const QRect from = placeOf(n);
    int best = -1;
    int bestScore = std::numeric_limits<int>::max();
    for (int m = 0; m < Lines::kSlotLabels; ++m) {
        if (m == n || !lblPlayer[m]->isVisible()) continue;
        const QRect to = placeOf(m);
        const QPoint offset = to.center() - from.center();
        int along = 0;
        int across = 0;
        switch (arrowKey) {
            case Qt::Key_Right:
                along = to.left() >= from.right() ? offset.x() : -1;
                across = std::abs(offset.y());
                break;
            case Qt::Key_Left:
                along = to.right() <= from.left() ? -offset.x() : -1;
                across = std::abs(offset.y());
                break;
            case Qt::Key_Down:
                along = to.top() >= from.bottom() ? offset.y() : -1;
                across = std::abs(offset.x());
                break;
            case Qt::Key_Up:
                along = to.bottom() <= from.top() ? -offset.y() : -1;
                across = std::abs(offset.x());
                break;
            default:
                return -1;
        }
        if (along < 0) continue;
        // Straight on counts far more than nearby: the next slot of the column or the row.
        const int score = along + 4 * across;
        if (score < bestScore) {
            bestScore = score;
            best = m;
        }
    }
    return best;
}

void LinesForm::ExchangeWithNeighbour(int n, int arrowKey) {
    const int next = Neighbour(n, arrowKey);
    if (next < 0) return;
    bool swapped = false;
    Binder().Run([&] { swapped = window_.SwapSlots(n, next); });
    // The player moved: the focus goes with him, so that the next Alt+arrow moves him on.
    if (swapped) {
        lblPlayer[next]->setFocus(Qt::OtherFocusReason);
    } else {
        QApplication::beep();
    }
}

void LinesForm::MarkOrExchange(int n) {
    if (marked_ < 0 || marked_ == n) {
        const bool mark = marked_ < 0;
        Unmark();
        if (!mark) return;
        marked_ = n;
        markedView_ = window_.FirstViewRow();
        lblPlayer[n]->ShowMarked(true);
        return;
    }
    const int from = marked_;
    Unmark();
    bool swapped = false;
    Binder().Run([&] { swapped = window_.SwapSlots(from, n); });
    if (!swapped) QApplication::beep();
}

void LinesForm::Unmark() {
    if (marked_ >= 0) lblPlayer[marked_]->ShowMarked(false);
    marked_ = -1;
}

void LinesForm::ToggleListAndSlots() {
    if (List2->hasFocus()) {
        const int slot = lblPlayer[lastSlot_]->isVisible() ? lastSlot_ : 0;
        lblPlayer[slot]->setFocus(Qt::ShortcutFocusReason);
    } else {
        List2->setFocus(Qt::ShortcutFocusReason);
    }
}

}  // namespace korvel

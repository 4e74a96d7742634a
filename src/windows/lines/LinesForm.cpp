#include "windows/lines/LinesForm.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>

#include "platform/qt/QtText.h"
#include "platform/qt/RinkPicture.h"

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

// The list entries a QListWidget drag carries: model data, the row first.
constexpr const char* kListDragFormat = "application/x-qabstractitemmodeldatalist";

const QString kStyle = R"(
QLabel[slot="true"] {
    background: rgba(255, 255, 255, 238); border: 1px solid #8da2b8; border-radius: 6px;
    padding-left: 8px; font-size: 13px; font-weight: 600;
}
QLabel[slot="true"][filled="false"] {
    background: rgba(248, 251, 254, 205); border: 1px dashed #93a6ba;
}
QLabel[slot="true"]:hover { border: 2px solid #1f5fbf; background: #eaf2ff; }
QLabel[slot="true"][dragOver="true"] { border: 2px solid #c8102e; background: #fff1f1; }
QLabel[rowCaption="true"] {
    color: #14213d; background: rgba(255, 255, 255, 215); border-radius: 4px;
    padding-left: 8px; font-size: 13px; font-weight: bold;
}
QLabel[heading="true"] { color: #14213d; font-size: 13px; font-weight: bold; }
QLabel[letter="true"] {
    border-radius: 15px; font-size: 11px; font-weight: bold; color: white;
    background: transparent;
}
QLabel[letter="true"][position="C"] { background: #c8102e; }
QLabel[letter="true"][position="LW"] { background: #1f5fbf; }
QLabel[letter="true"][position="RW"] { background: #2a8c7e; }
QLabel[letter="true"][position="W"] { background: #5b4bc4; }
QLabel[letter="true"][position="D"] { background: #d99a1e; }
QLabel#Label6 { color: #14213d; font-size: 22px; font-weight: bold; }
QLabel#Label5 { color: #44607e; font-size: 14px; }
QLabel#hint { color: #5b6f84; font-size: 11px; }
QPushButton {
    background: white; color: #14213d; border: 1px solid #8da2b8; border-radius: 6px;
    font-size: 13px; font-weight: bold; padding: 4px;
}
QPushButton:hover { background: #eaf2ff; border-color: #1f5fbf; }
QPushButton:disabled { color: #a7b1bb; background: #f1f3f5; border-color: #d3d9df; }
QPushButton[view="true"]:checked { background: #14213d; color: white; border-color: #14213d; }
QPushButton#cmdAuto { background: #1f5fbf; color: white; border-color: #1f5fbf; }
QPushButton#cmdAuto:hover { background: #2b6fd6; }
QPushButton[filter="true"] { color: #7b8a99; border-radius: 14px; }
QPushButton[filter="true"]:checked { color: white; }
QPushButton[filter="true"][position="C"]:checked { background: #c8102e; border-color: #c8102e; }
QPushButton[filter="true"][position="LW"]:checked { background: #1f5fbf; border-color: #1f5fbf; }
QPushButton[filter="true"][position="RW"]:checked { background: #2a8c7e; border-color: #2a8c7e; }
QPushButton[filter="true"][position="D"]:checked { background: #d99a1e; border-color: #d99a1e; }
QPushButton[filter="true"][position="G"]:checked { background: #3d4a5c; border-color: #3d4a5c; }
QListWidget {
    background: white; border: 1px solid #8da2b8; border-radius: 6px; font-size: 13px;
    padding: 2px;
}
QListWidget::item { padding: 3px 4px; }
QListWidget::item:selected { background: #1f5fbf; color: white; }
QScrollBar:vertical { background: #f1f4f7; width: 10px; margin: 2px; border-radius: 4px; }
QScrollBar::handle:vertical { background: #b5c3d1; border-radius: 4px; min-height: 30px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)";

// Sets a dynamic property that the style sheet looks at, and restyles the widget when it changed.
void SetStyleProperty(QWidget& widget, const char* name, const QVariant& value) {
    if (widget.property(name) == value) return;
    widget.setProperty(name, value);
    widget.style()->unpolish(&widget);
    widget.style()->polish(&widget);
    widget.update();
}

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

// The row a list drag carries, or -1 when the drag carries no list entry.
int DraggedRow(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasFormat(kListDragFormat)) return -1;
    QByteArray encoded = mime->data(kListDragFormat);
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    int row = -1;
    int column = -1;
    stream >> row >> column;
    return stream.status() == QDataStream::Ok ? row : -1;
}

// Paints the candidate's position as a small coloured badge at the right of his entry.
class PositionBadgeDelegate : public QStyledItemDelegate {
  public:
    PositionBadgeDelegate(const Lines& window, QObject* parent)
        : QStyledItemDelegate(parent), window_(window) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const int row = index.row();
        if (row < 0 || row >= static_cast<int>(window_.ListMap.size())) return;
        const std::uint8_t roster = window_.ListMap[static_cast<std::size_t>(row)];
        if (roster >= kRosterPlaces) return;
        const std::uint8_t position = window_.RosterPlayer(roster).Position;
        static const std::array<const char*, 5> kNames{"C", "LW", "RW", "D", "G"};
        static const std::array<QColor, 5> kColours{QColor("#c8102e"), QColor("#1f5fbf"),
                                                    QColor("#2a8c7e"), QColor("#d99a1e"),
                                                    QColor("#3d4a5c")};
        if (position >= kNames.size()) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect badge(option.rect.right() - 34, option.rect.center().y() - 9, 28, 18);
        painter->setPen(Qt::NoPen);
        painter->setBrush(kColours[position]);
        painter->drawRoundedRect(badge, 9, 9);
        QFont font = option.font;
        font.setPixelSize(10);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(badge, Qt::AlignCenter, kNames[position]);
        painter->restore();
    }

  private:
    const Lines& window_;
};

}  // namespace

SlotLabel::SlotLabel(QWidget* parent) : QLabel(parent) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_Hover);
    setProperty("slot", true);
    setProperty("filled", false);
    setProperty("dragOver", false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SlotLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!text().isEmpty()) return;
    QPainter painter(this);
    QFont font = this->font();
    font.setItalic(true);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(128, 145, 163));
    painter.drawText(rect().adjusted(10, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, "empty");
}

void SlotLabel::SetDragOver(bool over) {
    SetStyleProperty(*this, "dragOver", over);
}

void SlotLabel::dragEnterEvent(QDragEnterEvent* event) {
    const bool fromList = event->source() == nullptr || event->source() == DragSource;
    if (fromList && DraggedRow(event->mimeData()) >= 0) {
        event->acceptProposedAction();
        SetDragOver(true);
    }
}

void SlotLabel::dragLeaveEvent(QDragLeaveEvent* event) {
    SetDragOver(false);
    QLabel::dragLeaveEvent(event);
}

void SlotLabel::dropEvent(QDropEvent* event) {
    SetDragOver(false);
    const int row = DraggedRow(event->mimeData());
    if (row < 0) return;
    event->acceptProposedAction();
    if (OnDrop) OnDrop(row);
}

LinesForm::LinesForm(Lines& window, QWidget* parent)
    : qt::DialogForm(window, parent), window_(window) {
    setStyleSheet(kStyle);
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
    Label6->setObjectName("Label6");
    Label6->setGeometry(20, 6, 460, 32);
    Label6->setToolTip("Click to redraw the lines");
    Label5 = new QLabel(this);
    Label5->setObjectName("Label5");
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
        Label2[k] = MakeLabel(this, QRect(kLettersLeft, top, kLetterSize, kLetterSize), "letter");
        Label2[k]->setAlignment(Qt::AlignCenter);
    }

    List2 = new QListWidget(this);
    List2->setGeometry(kRightColumn, 128, kRightWidth, 416);
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List2->setDragEnabled(true);
    List2->setDragDropMode(QAbstractItemView::DragOnly);
    List2->setDefaultDropAction(Qt::CopyAction);
    List2->setItemDelegate(new PositionBadgeDelegate(window_, List2));

    auto* hint =
        new QLabel("Select a player, then click a slot,\nor drag him onto the slot.", this);
    hint->setObjectName("hint");
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
        auto* slot = new SlotLabel(this);
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
    cmdLoadLines = MakeButton(this, QRect(kLeftColumn, 384, kLeftWidth, 34), "cmdLoadLines");
    cmdSaveLines = MakeButton(this, QRect(kLeftColumn, 426, kLeftWidth, 34), "cmdSaveLines");
    cmdExit = MakeButton(this, QRect(kLeftColumn, 506, kLeftWidth, 38), "cmdExit");
    binder.Bind(*cmdAuto, window_.cmdAuto, [this] { window_.cmdAuto_Click(); });
    binder.Bind(*cmdLoadLines, window_.cmdLoadLines, [] {});
    binder.Bind(*cmdSaveLines, window_.cmdSaveLines, [] {});
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
    const std::array<Key, 5> keys{{
        {optEven, "Ctrl+1", "Even strength lines"},
        {optPP, "Ctrl+2", "Power play lines"},
        {optPK, "Ctrl+3", "Penalty kill lines"},
        {cmdAuto, "Ctrl+U", "Set all lines automatically"},
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
    for (int n = 0; n < Lines::kSlotLabels; ++n) {
        SetStyleProperty(*lblPlayer[n], "filled", !window_.lblPlayer[n].Caption.empty());
    }
    for (int k = 0; k < 10; ++k) {
        SetStyleProperty(*Label2[k], "position", qt::ToQString(window_.Label2[k].Caption));
    }
}

void LinesForm::DropOnSlot(int n, int row) {
    Binder().Run([this, n, row] {
        if (row >= window_.List2.ListCount()) return;
        window_.List2.ListIndex = row;
        window_.lblPlayer_Click(n);
    });
}

}  // namespace korvel

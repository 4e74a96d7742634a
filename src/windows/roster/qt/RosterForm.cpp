#include "windows/roster/qt/RosterForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

#include "platform/qt/ArrowIcon.h"
#include "platform/qt/FlatButton.h"
#include "platform/qt/FramedCheckBox.h"
#include "platform/qt/Positions.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScreenReader.h"
#include "platform/qt/Style.h"
#include "platform/qt/Translate.h"
#include "platform/qt/UndoMenu.h"

namespace korvel {

namespace {

constexpr int kScratch = 0, kDress = 1, kToFarm = 2, kToPros = 3;

qt::FlatButton* MakeButton(QWidget* parent, const char* name, QMargins padding = {10, 4, 10, 4}) {
    auto* button = new qt::FlatButton(parent, padding);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

// A title or a heading: bold, in the window's text colour.
QLabel* MakeLabel(QWidget* parent, const char* styleRole) {
    auto* label = new QLabel(parent);
    label->setProperty(styleRole, true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

RosterForm::RosterForm(Roster& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    CreateWidgets();
    ApplyStyle();
    CreateButtons();
    CreateShortcuts();
    Bind();
    CreateRuleCounts();
    qt::AddUndoMenu(*this, Binder(),
                    {window_.mnuEdit, window_.mnuUndo, [this] { window_.mnuUndo_Click(); },
                     window_.mnuRedo, [this] { window_.mnuRedo_Click(); }});
    setSizeGripEnabled(true);
    Binder().RefreshAll();
    // Tall enough for the whole game roster in the desktop's style where the screen allows.
    resize(QSize(1120, 640).expandedTo(sizeHint()));
    list1[Dressed]->setFocus();
}

void RosterForm::CreateWidgets() {
    Label1 = MakeLabel(this, "title");
    Label5 = MakeLabel(this, "heading");
    Label5->setObjectName("Label5");
    Label2 = MakeLabel(this, "heading");
    Label3 = MakeLabel(this, "heading");
    Label6 = MakeLabel(this, "heading");
    Label4 = MakeLabel(this, "heading");
    for (int place = 0; place < Roster::kLists; ++place) {
        auto* table = new RosterTable(place, window_, this);
        table->setObjectName(QString("list1(%1)").arg(place));
        table->OnDrop = [this, place](int from) { MoveByDrop(from, place); };
        table->setMinimumSize(280, 260);
        connect(table, &QTreeWidget::itemSelectionChanged, this,
                [this, table, place] { table->ReadList(window_.list1[place]); });
        const auto open = [this, place](QTreeWidgetItem* item) {
            RunWithSelection([this, place, item] {
                window_.list1[place].ListIndex = list1[place]->LineOf(item);
                window_.List1_DblClick(place);
            });
        };
        connect(table, &QTreeWidget::itemDoubleClicked, this, open);
        table->OnEnter = open;
        list1[place] = table;
    }
}

// The window's one style sheet, parsed once for all its tables: the lists' frames and selection,
// as in the lines window's list, and the state label's green, dark on a light window and light on
// a dark one (a rule, since each refresh sets the label's palette back to the window's). Without
// decorations the label keeps its rule to itself.
void RosterForm::ApplyStyle() {
    const bool darkWindow = palette().color(QPalette::Window).lightness() < 128;
    const QString green = QString("color: %1;").arg(darkWindow ? "#4cc36e" : "#17733a");
    if (qt::Decorations()) {
        setStyleSheet(qt::StyleSheetOf("QTreeView") + "QLabel#Label5 { " + green + " }\n");
    } else {
        Label5->setStyleSheet(green);
    }
}

void RosterForm::CreateButtons() {
    constexpr std::array<const char*, Roster::kMoveButtons> kMoveTips{
        QT_TRANSLATE_NOOP("RosterForm", "Scratch the selected dressed players"),
        QT_TRANSLATE_NOOP("RosterForm", "Dress the selected scratches"),
        QT_TRANSLATE_NOOP("RosterForm", "Send the selected scratches to the farm club"),
        QT_TRANSLATE_NOOP("RosterForm", "Call the selected farm players up")};
    for (int n = 0; n < Roster::kMoveButtons; ++n) {
        qt::FlatButton* button = MakeButton(this, "cmdMovePlayer");
        const bool right = n == kScratch || n == kToFarm;
        button->setIcon(qt::ArrowIcon(*button, right));
        // The arrow points where the players go: after the caption when they go right.
        if (right) button->setLayoutDirection(Qt::RightToLeft);
        button->setToolTip(
            QCoreApplication::translate("RosterForm", kMoveTips[static_cast<std::size_t>(n)]));
        cmdMovePlayer[n] = button;
    }
    for (int p = 0; p < 5; ++p) {
        auto* filter = MakeButton(this, "Check1", {6, 4, 6, 4});
        filter->SetKind(qt::FlatButton::Kind::Filter, qt::LookOfPosition(p)->Colour);
        Check1[p] = filter;
        Check1[p]->setProperty("filter", true);
        Check1[p]->setProperty("position", qt::LookOfPosition(p)->Name);
        Check1[p]->setToolTip(
            QCoreApplication::translate("RosterForm", "Show or hide this position in the lists"));
    }
    chkProtect = new qt::FramedCheckBox(this);
    chkProtect->setObjectName("chkProtect");
    chkProtect->setToolTip(QCoreApplication::translate(
        "RosterForm",
        "Protection view: * marks protected players and rookies; a double "
        "click or Enter on a player protects him or lifts his protection"));
    auto* automatic = MakeButton(this, "cmdAuto");
    automatic->SetKind(qt::FlatButton::Kind::Primary);
    cmdAuto = automatic;
    cmdAuto->setProperty("primary", true);
    cmdAdd = MakeButton(this, "cmdAdd");
    cmdExit = MakeButton(this, "cmdExit");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label5, 0, 2, Qt::AlignRight);
    const std::array<QLabel*, Roster::kLists> headings{Label6, Label3, Label2};
    // Left to right: game roster, scratches, farm club.
    for (int place = 0; place < Roster::kLists; ++place) {
        const int column = Roster::kLists - 1 - place;
        grid->addWidget(headings[static_cast<std::size_t>(place)], 1, column);
        grid->addWidget(list1[place], 2, column);
        grid->setColumnStretch(column, 1);
    }
    grid->setRowStretch(2, 1);

    auto* scratchRow = new QHBoxLayout;
    scratchRow->addStretch();
    scratchRow->addWidget(cmdMovePlayer[kScratch]);
    auto* middleRow = new QHBoxLayout;
    middleRow->addWidget(cmdMovePlayer[kDress]);
    middleRow->addStretch();
    middleRow->addWidget(cmdMovePlayer[kToFarm]);
    auto* farmRow = new QHBoxLayout;
    farmRow->addWidget(cmdMovePlayer[kToPros]);
    farmRow->addStretch();
    grid->addLayout(scratchRow, 3, 0);
    grid->addLayout(middleRow, 3, 1);
    grid->addLayout(farmRow, 3, 2);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    for (QPushButton* filter : Check1) filters->addWidget(filter);
    filters->addStretch();
    grid->addLayout(filters, 4, 0, 1, 2);
    grid->addWidget(Label4, 4, 2, Qt::AlignRight);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(10);
    commands->addWidget(chkProtect);
    commands->addStretch();
    for (QPushButton* button : {cmdAuto, cmdAdd, cmdExit}) {
        button->setMinimumWidth(120);
        commands->addWidget(button);
    }
    grid->addLayout(commands, 5, 0, 1, 3);

    // The tables were made farm first; Tab goes as they are laid out, left to right.
    qt::SetTabChain({list1[Dressed], list1[Scratch], list1[Farm], cmdMovePlayer[kScratch],
                     cmdMovePlayer[kDress], cmdMovePlayer[kToFarm], cmdMovePlayer[kToPros],
                     Check1[0], Check1[1], Check1[2], Check1[3], Check1[4], chkProtect, cmdAuto,
                     cmdAdd, cmdExit});
}

void RosterForm::Bind() {
    auto& binder = Binder();
    binder.Bind(*Label1, window_.Label1);
    binder.Bind(*Label5, window_.Label5);
    binder.Bind(*Label2, window_.Label2);
    binder.Bind(*Label3, window_.Label3);
    binder.Bind(*Label6, window_.Label6);
    binder.Bind(*Label4, window_.Label4);
    for (int n = 0; n < Roster::kMoveButtons; ++n) {
        binder.Bind(*cmdMovePlayer[n], window_.cmdMovePlayer[n],
                    [this, n] { RunWithSelection([this, n] { window_.cmdMovePlayer_Click(n); }); });
    }
    for (int p = 0; p < 5; ++p) {
        binder.Bind(*Check1[p], window_.Check1[p], [this, p] { window_.Check1_Click(p); });
    }
    binder.Bind(*chkProtect, window_.chkProtect, [this] { window_.chkProtect_Click(); });
    binder.Bind(*cmdAuto, window_.cmdAuto, [this] { window_.cmdAuto_Click(); });
    binder.Bind(*cmdAdd, window_.cmdAdd, [this] { window_.cmdAdd_Click(); });
    binder.Bind(*cmdExit, window_.cmdExit, [this] { window_.cmdExit_Click(); });
    SetExitButton(*cmdExit);
    binder.OnRefresh([this] {
        for (int place = 0; place < Roster::kLists; ++place) {
            list1[place]->ShowList(window_.list1[place]);
        }
    });
    const std::array<QLabel*, Roster::kLists> headings{Label6, Label3, Label2};
    for (int place = 0; place < Roster::kLists; ++place) {
        qt::NameAfterHeading(binder, *list1[place], *headings[static_cast<std::size_t>(place)]);
    }
}

// Each shortcut clicks its button, so it runs exactly what the mouse would.
void RosterForm::CreateShortcuts() {
    struct Key {
        QAbstractButton* Button;
        const char* Sequence;
    };
    const std::array<Key, 8> keys{{
        {cmdMovePlayer[kScratch], "Ctrl+S"},
        {cmdMovePlayer[kDress], "Ctrl+D"},
        {cmdMovePlayer[kToFarm], "Ctrl+F"},
        {cmdMovePlayer[kToPros], "Ctrl+P"},
        {chkProtect, "Ctrl+T"},
        {cmdAuto, "Ctrl+U"},
        {cmdAdd, "Ctrl+N"},
        {cmdExit, "Ctrl+Q"},
    }};
    for (const Key& key : keys) {
        const QKeySequence sequence(key.Sequence);
        auto* shortcut = new QShortcut(sequence, this);
        QAbstractButton* button = key.Button;
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled()) button->click();
        });
        const QString tip = button->toolTip();
        button->setToolTip((tip.isEmpty() ? QString() : tip + " ") +
                           QString("(%1)").arg(sequence.toString(QKeySequence::NativeText)));
    }
    cmdAuto->setToolTip(
        QCoreApplication::translate("RosterForm", "Dress 20 players automatically %1")
            .arg(cmdAuto->toolTip()));
    cmdAdd->setToolTip(
        QCoreApplication::translate("RosterForm", "Add a new player to the farm club %1")
            .arg(cmdAdd->toolTip()));
    cmdExit->setToolTip(
        QCoreApplication::translate("RosterForm", "Keep or drop the changes and close %1")
            .arg(cmdExit->toolTip()));
}

void RosterForm::RunWithSelection(const std::function<void()>& handler) {
    for (int place = 0; place < Roster::kLists; ++place) {
        list1[place]->ReadList(window_.list1[place]);
    }
    Binder().Run(handler);
}

void RosterForm::MoveByDrop(int from, int to) {
    RunWithSelection([this, from, to] { window_.List1_Drop(from, to); });
}

// A row under the window's commands: one label per rule, the unmet ones marked and in bold, the
// met ones quieter, then what the game roster still lacks. Colours come from the palette.
void RosterForm::CreateRuleCounts() {
    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    for (int r = 0; r < Roster::kRules; ++r) {
        lblRule[r] = new QLabel(this);
        lblRule[r]->setObjectName(QString("lblRule(%1)").arg(r));
        lblRule[r]->setToolTip(
            r + 1 < Roster::kRules
                ? QCoreApplication::translate(
                      "RosterForm", "Dressed players at this position against the game-roster rule")
                : QCoreApplication::translate(
                      "RosterForm", "Dressed players in all against the game-roster rule"));
        row->addWidget(lblRule[r]);
    }
    // Whether the team is ready takes the room between the rules and what is missing, on the
    // same line, so that the lists keep their height.
    lblReady = new qt::ReadinessLabel(this);
    lblReady->setObjectName("lblReady");
    lblReady->KeepToOneLine();
    row->addWidget(lblReady, 1);
    lblMissing = new QLabel(this);
    lblMissing->setObjectName("lblMissing");
    row->addWidget(lblMissing);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout())) {
        box->addLayout(row);
    }
    Binder().OnRefresh([this] { ShowRuleCounts(); });
}

void RosterForm::ShowRuleCounts() {
    for (int r = 0; r < Roster::kRules; ++r) {
        QLabel& label = *lblRule[r];
        const bool met = window_.RuleMet[static_cast<std::size_t>(r)];
        label.setText(QString(met ? "\u2713 " : "\u2717 ") +
                      qt::Translated(window_.lblRule[r].Caption));
        QFont font = label.font();
        font.setBold(!met);
        label.setFont(font);
        // A role, not a colour, so the label follows a change of the desktop's palette.
        label.setForegroundRole(met ? QPalette::PlaceholderText : QPalette::WindowText);
    }
    lblMissing->setText(qt::Translated(window_.lblMissing.Caption));
    lblReady->Show(window_.lblReady.Caption, window_.Ready);
}

}  // namespace korvel

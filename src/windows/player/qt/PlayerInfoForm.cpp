#include "windows/player/qt/PlayerInfoForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>

#include "platform/qt/QtText.h"

namespace korvel {

namespace {

constexpr int kIdentityColumns = 4;  // caption and value pairs per row
constexpr int kSkillRows = 7;        // two columns of seven: thirteen skills and the overall

const QString kStyle = R"(
QDialog#PlayerInfoForm { background: #f4f6f9; }
QWidget#header { background: #14213d; }
QLabel#Label1 { color: white; font-size: 20px; font-weight: bold; }
QLabel#lblExp {
    color: #14213d; background: #e9eef5; border-radius: 9px; padding: 2px 10px;
    font-size: 11px; font-weight: bold;
}
QLabel#lblExp[rookie="true"] { background: #ffd166; }
QWidget[section="true"] { background: white; border: 1px solid #d5dde6; border-radius: 8px; }
QLabel[heading="true"] {
    color: #44607e; font-size: 11px; font-weight: bold; letter-spacing: 1px;
    border: none; background: transparent;
}
QLabel[caption="true"] { color: #5b6f84; font-size: 12px; border: none; background: transparent; }
QLabel[value="true"] {
    color: #14213d; font-size: 13px; font-weight: bold; border: none; background: transparent;
}
QLabel[statCaption="true"] {
    color: #5b6f84; font-size: 11px; font-weight: bold; border: none; background: transparent;
}
QLabel[statValue="true"] {
    color: #14213d; font-size: 15px; font-weight: bold; border: none; background: transparent;
}
QLabel[overall="true"] { font-size: 15px; }
QLabel#lblHgt {
    color: #1f5fbf; border: none; border-bottom: 1px dotted #1f5fbf; border-radius: 0px;
}
QLabel#lblHgt:hover { background: #eaf2ff; }
QLabel#lblHgt:focus { background: #eaf2ff; border: 1px solid #1f5fbf; border-radius: 3px; }
QPushButton#Command1 {
    background: white; color: #14213d; border: 1px solid #8da2b8; border-radius: 6px;
    font-size: 13px; font-weight: bold; padding: 6px 28px;
}
QPushButton#Command1:hover, QPushButton#Command1:focus {
    background: #eaf2ff; border-color: #1f5fbf;
}
)";

bool IsSkill(const std::string& name) {
    return name.rfind("lblSkill(", 0) == 0;
}
bool IsIdentity(const PlayerInfo::Field& field) {
    return !field.IsStatistic && !IsSkill(field.Name) && field.Name != "Label1" &&
           field.Name != "lblExp" && field.Name != "HgtValue";
}

QLabel* MakeLabel(const QString& text, const char* role, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setProperty(role, true);
    return label;
}

QLabel* MakeField(const std::string& name, const char* role, QWidget* parent) {
    auto* label = MakeLabel({}, role, parent);
    label->setObjectName(qt::ToQString(name));
    return label;
}

QWidget* MakeSection(const QString& heading, QLayout* body, QWidget* parent) {
    auto* section = new QWidget(parent);
    section->setProperty("section", true);
    section->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(MakeLabel(heading, "heading", section));
    layout->addLayout(body);
    return section;
}

// The rating a skill label shows, or nothing for "n/a", "N/A" or an empty text.
std::optional<int> RatingShown(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

QColor RatingColour(int value) {
    if (value >= 80) return QColor("#2a8c7e");
    if (value >= 65) return QColor("#1f5fbf");
    if (value >= 50) return QColor("#d99a1e");
    return QColor("#c8102e");
}

}  // namespace

SkillBar::SkillBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SkillBar::SetValue(std::optional<int> value) {
    if (value == value_) return;
    value_ = value;
    update();
}

void SkillBar::paintEvent(QPaintEvent*) {
    if (!value_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF track = QRectF(rect()).adjusted(0, 1, 0, -1);
    const qreal radius = track.height() / 2;
    painter.setBrush(QColor("#e6ebf1"));
    painter.drawRoundedRect(track, radius, radius);
    const qreal share = std::clamp(*value_, 0, 99) / 99.0;
    if (share <= 0) return;
    QRectF filled = track;
    filled.setWidth(std::max(track.height(), track.width() * share));
    painter.setBrush(RatingColour(*value_));
    painter.drawRoundedRect(filled, radius, radius);
}

PlayerInfoForm::PlayerInfoForm(PlayerInfo& window, QWidget* parent)
    : qt::DialogForm(window, parent), window_(window) {
    setObjectName("PlayerInfoForm");
    setStyleSheet(kStyle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 14);
    layout->setSpacing(12);
    layout->addWidget(CreateHeader());

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->setSpacing(12);
    body->addWidget(CreateIdentity());
    body->addWidget(CreateSkills(), 1);
    body->addWidget(CreateStatistics());
    layout->addLayout(body, 1);

    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    Command1->setCursor(Qt::PointingHandCursor);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    BindLabelsByName();
    Binder().Bind(*Command1, window_.Command1, [this] { window_.Command1_Click(); });
    Binder().OnRefresh([this] { ShowBarsAndCaptions(); });
    Binder().RefreshAll();
    setMinimumSize(sizeHint());
    Command1->setFocus();
}

QWidget* PlayerInfoForm::CreateHeader() {
    auto* header = new QWidget(this);
    header->setObjectName("header");
    header->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(MakeField("Label1", "title", header), 1);
    layout->addWidget(MakeField("lblExp", "tag", header), 0, Qt::AlignVCenter);
    return header;
}

QWidget* PlayerInfoForm::CreateIdentity() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    int n = 0;
    for (const auto& field : window_.Fields()) {
        if (!IsIdentity(field)) continue;
        const int row = n / kIdentityColumns;
        const int column = 2 * (n % kIdentityColumns);
        grid->addWidget(MakeLabel(qt::ToQString(field.Caption), "caption", this), row, column);
        // Left-aligned at its own width, so that the height's underline ends with its text.
        grid->addWidget(MakeField(field.Name, "value", this), row, column + 1, Qt::AlignLeft);
        ++n;
    }
    for (int c = 0; c < kIdentityColumns; ++c) grid->setColumnStretch(2 * c + 1, 1);
    return MakeSection("PROFILE", grid, this);
}

QWidget* PlayerInfoForm::CreateSkills() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(7);
    int n = 0;
    for (const auto& field : window_.Fields()) {
        if (!IsSkill(field.Name)) continue;
        const int row = n % kSkillRows;
        const int column = 4 * (n / kSkillRows);
        const bool overall = n == PlayerInfo::kSkillLabels - 1;
        auto* caption = MakeLabel(qt::ToQString(field.Caption), "caption", this);
        auto* value = MakeField(field.Name, "value", this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("000") + 6);
        if (overall) {
            caption->setProperty("value", true);
            value->setProperty("overall", true);
        }
        skillBars[n] = new SkillBar(this);
        grid->addWidget(caption, row, column);
        grid->addWidget(value, row, column + 1);
        grid->addWidget(skillBars[n], row, column + 2);
        ++n;
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(6, 1);
    grid->setColumnMinimumWidth(3, 24);
    return MakeSection("SKILLS", grid, this);
}

QWidget* PlayerInfoForm::CreateStatistics() {
    auto* grid = new QGridLayout;
    statistics_ = grid;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    int n = 0;
    for (const auto& field : window_.Fields()) {
        if (!field.IsStatistic) continue;
        auto* caption = MakeField("lblStatCaption(" + std::to_string(n) + ")", "statCaption", this);
        auto* value = MakeField(field.Name, "statValue", this);
        caption->setAlignment(Qt::AlignCenter);
        value->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, n);
        grid->addWidget(value, 1, n);
        grid->setColumnStretch(n, 1);
        ++n;
    }
    return MakeSection("SEASON STATISTICS", grid, this);
}

void PlayerInfoForm::BindLabelsByName() {
    for (QLabel* label : findChildren<QLabel*>()) {
        Label* control = window_.Control(qt::ToUtf8(label->objectName()));
        if (control == nullptr) continue;
        if (control == &window_.lblHgt) {
            lblHgt_ = label;
            label->setFocusPolicy(Qt::StrongFocus);
            label->setToolTip("Click, or press Space, to switch between feet and centimetres");
            label->installEventFilter(this);
            Binder().Bind(*label, *control, [this] { window_.lblHgt_Click(); });
        } else {
            Binder().Bind(*label, *control);
        }
    }
}

// The bars follow the skill texts; a hidden statistic takes its caption and its column with it.
void PlayerInfoForm::ShowBarsAndCaptions() {
    for (int n = 0; n < PlayerInfo::kSkillLabels; ++n) {
        skillBars[n]->SetValue(RatingShown(window_.lblSkill[n].Caption));
    }
    int n = 0;
    for (const auto& field : window_.Fields()) {
        if (!field.IsStatistic) continue;
        if (QLabel* caption = FieldLabel("lblStatCaption(" + QString::number(n) + ")")) {
            caption->setVisible(field.Value->Visible);
        }
        statistics_->setColumnStretch(n++, field.Value->Visible ? 1 : 0);
    }
    if (QLabel* experience = FieldLabel("lblExp")) {
        experience->setProperty("rookie", window_.lblExp.Caption == "Rookie");
        experience->style()->unpolish(experience);
        experience->style()->polish(experience);
    }
}

QLabel* PlayerInfoForm::FieldLabel(const QString& name) const {
    return findChild<QLabel*>(name);
}

bool PlayerInfoForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHgt_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Binder().Run([this] { window_.lblHgt_Click(); });
            return true;
        }
    }
    return qt::DialogForm::eventFilter(watched, event);
}

}  // namespace korvel

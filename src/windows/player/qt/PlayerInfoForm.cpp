#include "windows/player/qt/PlayerInfoForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>

#include "platform/qt/PositionBadge.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Style.h"

namespace korvel {

namespace {

constexpr int kIdentityColumns = 4;  // caption and value pairs per row
constexpr int kSkillRows = 7;        // two columns of seven: thirteen skills and the overall

// The card's own rules on top of the shared style sheet; sizes come from Scaled below, so that the
// card follows the desktop's font.
const QString kCardRules = R"(
QDialog#PlayerInfoForm { background: palette(window); }
QWidget#header { background: #14213d; }
QWidget#header QLabel[title="true"] { color: white; }
QLabel#lblExp {
    color: #14213d; background: #e9eef5; border-radius: 8px; padding: 1px 10px; font-weight: bold;
}
QLabel#lblExp[rookie="true"] { background: #ffd166; }
QWidget[section="true"] {
    background: palette(base); border: 1px solid palette(mid); border-radius: 8px;
}
QWidget[section="true"] QLabel { border: none; background: transparent; }
QLabel[heading="true"] { color: palette(placeholder-text); letter-spacing: 1px; }
QLabel[caption="true"] { color: palette(placeholder-text); }
QLabel[value="true"], QLabel[statValue="true"] { color: palette(text); font-weight: bold; }
QLabel[statCaption="true"] { color: palette(placeholder-text); font-weight: bold; }
QLabel#lblHgt { color: palette(link); border-bottom: 1px dotted palette(link); }
QLabel#lblHgt:hover { background: palette(alternate-base); }
QLabel#lblHgt:focus { border: 1px solid palette(highlight); border-radius: 3px; }
QPushButton#Command1 { padding: 5px 28px; }
)";

// The desktop's font, `factor` times its size.
QFont Scaled(QFont font, double factor, bool bold = false) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor + 0.5));
    }
    if (bold) font.setBold(true);
    return font;
}

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

// A label that shows the control `name`; the position shows as its badge.
QLabel* MakeField(const std::string& name, const char* role, QWidget* parent) {
    QLabel* label = name == "lblPos" ? new qt::PositionBadgeLabel(parent) : new QLabel(parent);
    label->setProperty(role, true);
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
    auto* title = MakeLabel(heading, "heading", section);
    title->setFont(Scaled(title->font(), 0.85, true));
    layout->addWidget(title);
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
    painter.setBrush(palette().color(QPalette::Midlight));
    painter.drawRoundedRect(track, radius, radius);
    const qreal share = std::clamp(*value_, 0, 99) / 99.0;
    if (share <= 0) return;
    QRectF filled = track;
    filled.setWidth(std::max(track.height(), track.width() * share));
    painter.setBrush(RatingColour(*value_));
    painter.drawRoundedRect(filled, radius, radius);
}

PlayerInfoForm::PlayerInfoForm(PlayerInfo& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    setObjectName("PlayerInfoForm");
    qt::ApplyStyleSheet(*this, kCardRules);
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
    QLabel* title = MakeField("Label1", "title", header);
    title->setFont(Scaled(title->font(), 1.6, true));
    layout->addWidget(title, 1);
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
            value->setFont(Scaled(value->font(), 1.2, true));
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
        caption->setFont(Scaled(caption->font(), 0.9));
        value->setAlignment(Qt::AlignCenter);
        value->setFont(Scaled(value->font(), 1.25, true));
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
            label->setFocusPolicy(Qt::StrongFocus);
            label->setToolTip("Click, or press Space, to switch between feet and centimetres");
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
        qt::SetStyleProperty(*experience, "rookie", window_.lblExp.Caption == "Rookie");
    }
}

QLabel* PlayerInfoForm::FieldLabel(const QString& name) const {
    return findChild<QLabel*>(name);
}

}  // namespace korvel

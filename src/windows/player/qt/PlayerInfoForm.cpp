#include "windows/player/qt/PlayerInfoForm.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "platform/qt/FlatButton.h"
#include "platform/qt/PositionBadge.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Style.h"
#include "platform/qt/Translate.h"
#include "windows/player/qt/CardPieces.h"

namespace korvel {

namespace {

constexpr int kIdentityColumns = 4;  // caption and value pairs per row
constexpr int kSkillRows = 7;        // two columns of seven: thirteen skills and the overall

const QColor kHeaderBackground("#14213d");

// How a label shows its part of the card: the palette colour of its text and its weight. The
// colours are the palette's, so that the card reads in a dark palette as in a light one.
struct RoleLook {
    std::string_view Role;
    QPalette::ColorRole Colour;
    bool Bold;
};
constexpr std::array kRoleLooks = {
    RoleLook{"caption", QPalette::WindowText, false},
    RoleLook{"heading", QPalette::WindowText, true},
    RoleLook{"statCaption", QPalette::WindowText, true},
    RoleLook{"value", QPalette::Text, true},
    RoleLook{"statValue", QPalette::Text, true},
    RoleLook{"title", QPalette::WindowText, true},
    RoleLook{"tag", QPalette::WindowText, true},
};

void ShowInRole(QLabel& label, const char* role) {
    label.setProperty(role, true);
    for (const RoleLook& look : kRoleLooks) {
        if (look.Role != role) continue;
        label.setForegroundRole(look.Colour);
        if (look.Bold) {
            QFont bold = label.font();
            bold.setBold(true);
            label.setFont(bold);
        }
    }
}

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
    ShowInRole(*label, role);
    return label;
}

QLabel* NewField(const std::string& name, QWidget* parent) {
    if (name == "lblPos") return new qt::PositionBadgeLabel(parent);
    if (name == "lblExp") return new ExperienceTag(parent);
    if (name == "lblHgt") return new HeightLabel(parent);
    return new QLabel(parent);
}

// A label that shows the control `name`; the position shows as its badge, the experience as a tag
// and the height as a link.
QLabel* MakeField(const std::string& name, const char* role, QWidget* parent) {
    QLabel* label = NewField(name, parent);
    ShowInRole(*label, role);
    if (name == "lblHgt") label->setForegroundRole(QPalette::Link);
    label->setObjectName(qt::ToQString(name));
    return label;
}

QWidget* MakeSection(const QString& heading, QLayout* body, QWidget* parent) {
    auto* section = new CardSection(parent);
    section->setProperty("section", true);
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    auto* title = MakeLabel(heading, "heading", section);
    QFont font = Scaled(title->font(), 0.85, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    title->setFont(font);
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
    if (value == value_ && !accessibleName().isEmpty()) return;
    value_ = value;
    update();
    const QString rating = value ? QString::number(*value)
                                 : QCoreApplication::translate("korvel::SkillBar", "no rating");
    setAccessibleName(
        QCoreApplication::translate("korvel::SkillBar", "%1: %2").arg(skill_, rating));
}

void SkillBar::SetSkill(const QString& skill) {
    skill_ = skill;
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

    Command1 = new qt::FlatButton(this, {28, 5, 28, 5});
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
    if (qt::Decorations()) {
        QPalette colours = header->palette();
        colours.setColor(QPalette::Window, kHeaderBackground);
        colours.setColor(QPalette::WindowText, Qt::white);
        header->setPalette(colours);
        header->setAutoFillBackground(true);
    }
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(18, 14, 18, 14);
    QLabel* title = MakeField("Label1", "title", header);
    title->setFont(Scaled(title->font(), 1.6, true));
    layout->addWidget(title, 1);
    experience_ = static_cast<ExperienceTag*>(MakeField("lblExp", "tag", header));
    layout->addWidget(experience_, 0, Qt::AlignVCenter);
    // Under the style sheet of a window that opens the card (the roster's) a palette set here does
    // not reach the title; a sheet of its own keeps it white on the header.
    if (qt::Decorations()) title->setStyleSheet("color: white;");
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
        grid->addWidget(MakeLabel(qt::Translated(field.Caption), "caption", this), row, column);
        // Left-aligned at its own width, so that the height's underline ends with its text.
        grid->addWidget(MakeField(field.Name, "value", this), row, column + 1, Qt::AlignLeft);
        ++n;
    }
    for (int c = 0; c < kIdentityColumns; ++c) grid->setColumnStretch(2 * c + 1, 1);
    return MakeSection(QCoreApplication::translate("PlayerInfoForm", "PROFILE"), grid, this);
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
        auto* caption = MakeLabel(qt::Translated(field.Caption), "caption", this);
        auto* value = MakeField(field.Name, "value", this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("000") + 6);
        if (overall) {
            ShowInRole(*caption, "value");
            value->setFont(Scaled(value->font(), 1.2, true));
        }
        skillBars[n] = new SkillBar(this);
        skillBars[n]->SetSkill(qt::ToQString(field.Caption));
        grid->addWidget(caption, row, column);
        grid->addWidget(value, row, column + 1);
        grid->addWidget(skillBars[n], row, column + 2);
        ++n;
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(6, 1);
    grid->setColumnMinimumWidth(3, 24);
    return MakeSection(QCoreApplication::translate("PlayerInfoForm", "SKILLS"), grid, this);
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
    return MakeSection(QCoreApplication::translate("PlayerInfoForm", "SEASON STATISTICS"), grid,
                       this);
}

void PlayerInfoForm::BindLabelsByName() {
    for (QLabel* label : findChildren<QLabel*>()) {
        Label* control = window_.Control(qt::ToUtf8(label->objectName()));
        if (control == nullptr) continue;
        if (control == &window_.lblHgt) {
            label->setFocusPolicy(Qt::StrongFocus);
            label->setToolTip(QCoreApplication::translate(
                "PlayerInfoForm", "Click, or press Space, to switch between feet and centimetres"));
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
    experience_->SetRookie(window_.lblExp.Caption == "Rookie");
}

QLabel* PlayerInfoForm::FieldLabel(const QString& name) const {
    return findChild<QLabel*>(name);
}

}  // namespace korvel

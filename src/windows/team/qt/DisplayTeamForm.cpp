#include "windows/team/qt/DisplayTeamForm.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/NumberFormat.h"
#include "platform/qt/FlatButton.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"
#include "windows/team/qt/TeamPieces.h"

namespace korvel {

namespace {

// The window's own focus colour: gold on its dark backdrop.
const QColor kFocusColour("#ffd25e");

// The desktop's font in bold, `factor` times its size.
QFont Scaled(QFont font, double factor) {
    font.setBold(true);
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor + 0.5));
    }
    return font;
}

// The identity rows, two pairs of caption and value each.
const std::vector<std::array<const char*, 2>> kIdentityRows = {
    {"lblConf", "lblOwner"},  {"lblDiv", "lblEmail"},    {"lblAbbrev", "lblICQ"},
    {"lblArena", "lblCoach"}, {"lblSeats", "lblTicket"},
};
const std::vector<const char*> kFinanceFields = {
    "lblCurFin", "lblRev", "lblHome", "lblEst", "lblExpGame", "lblGR", "lblProjExp", "lblProjBal",
};
const std::vector<const char*> kRosterFields = {
    "lblPro", "lblFarm", "lblFA", "lblAvgHgt", "lblAvgWgt", "lblAvgAge",
};
const std::vector<const char*> kRecordFields = {
    "lblGP", "lblW", "lblL", "lblT", "lblGF", "lblGA", "lblPP", "lblPK", "lblSF", "lblSA", "lblPIM",
};

const std::map<std::string, const char*> kToolTips = {
    {"lblTeam", QT_TRANSLATE_NOOP("DisplayTeamForm", "The team's name as the league stores it.")},
    {"lblConf", QT_TRANSLATE_NOOP("DisplayTeamForm", "The conference the team plays in.")},
    {"lblDiv", QT_TRANSLATE_NOOP("DisplayTeamForm", "The team's division within its conference.")},
    {"lblAbbrev", QT_TRANSLATE_NOOP("DisplayTeamForm", "The team's three-letter abbreviation.")},
    {"lblOwner", QT_TRANSLATE_NOOP("DisplayTeamForm", "The team's owner.")},
    {"lblEmail", QT_TRANSLATE_NOOP("DisplayTeamForm", "The league files keep no e-mail address.")},
    {"lblICQ", QT_TRANSLATE_NOOP("DisplayTeamForm", "The owner's ICQ number.")},
    {"lblCoach", QT_TRANSLATE_NOOP("DisplayTeamForm",
                                   "The head coach. Half of his salary is a season expense.")},
    {"lblArena", QT_TRANSLATE_NOOP("DisplayTeamForm", "The team's home arena.")},
    {"lblSeats", QT_TRANSLATE_NOOP("DisplayTeamForm", "Seats in the arena.")},
    {"lblTicket", QT_TRANSLATE_NOOP("DisplayTeamForm", "Price of one ticket, in dollars.")},
    {"lblGP", QT_TRANSLATE_NOOP("DisplayTeamForm", "Games played: wins + losses + ties.")},
    {"lblW", QT_TRANSLATE_NOOP("DisplayTeamForm", "Wins.")},
    {"lblL", QT_TRANSLATE_NOOP("DisplayTeamForm", "Losses.")},
    {"lblT", QT_TRANSLATE_NOOP("DisplayTeamForm", "Ties.")},
    {"lblGF", QT_TRANSLATE_NOOP("DisplayTeamForm", "Goals scored.")},
    {"lblGA", QT_TRANSLATE_NOOP("DisplayTeamForm", "Goals allowed.")},
    {"lblPP",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Power-play goals per 100 power plays, cut to one decimal. Empty until "
                       "the team has had a power play.")},
    {"lblPK", QT_TRANSLATE_NOOP(
                  "DisplayTeamForm",
                  "Per cent of times shorthanded without a goal against, cut to one decimal.")},
    {"lblSF", QT_TRANSLATE_NOOP("DisplayTeamForm", "Shots on goal per game played.")},
    {"lblSA", QT_TRANSLATE_NOOP("DisplayTeamForm", "Shots against per game played.")},
    {"lblPIM", QT_TRANSLATE_NOOP("DisplayTeamForm", "Penalty minutes per game played.")},
    {"lblAvgHgt", QT_TRANSLATE_NOOP("DisplayTeamForm",
                                    "Average height of the pro players, in the league's units.")},
    {"lblAvgWgt", QT_TRANSLATE_NOOP("DisplayTeamForm",
                                    "Average weight of the pro players, in the league's units.")},
    {"lblAvgAge", QT_TRANSLATE_NOOP("DisplayTeamForm", "Average age of the pro players.")},
    {"lblPro",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Players on the pro roster, dressed or scratched, injured or not.")},
    {"lblFarm", QT_TRANSLATE_NOOP("DisplayTeamForm", "Healthy players with the farm club.")},
    {"lblFA",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Not worked out: the league files do not say whose contracts end.")},
    {"lblRev", QT_TRANSLATE_NOOP("DisplayTeamForm", "Gate revenue of one home game.")},
    {"lblEst",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Revenue still to come: home games remaining x revenue per game. Nothing "
                       "before the season starts.")},
    {"lblExpGame",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Season expenses (pro salaries, a tenth of each healthy farm player's "
                       "salary, half the coach's salary) spread over 84 games.")},
    {"lblProjExp",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Expenses still to come: games remaining x expenses per game. Nothing "
                       "before the season starts.")},
    {"lblProjBal",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "Current finances + estimated revenue - projected expenses, from the "
                       "amounts shown. Red when the team ends the season in the red.")},
    {"lblCurFin", QT_TRANSLATE_NOOP("DisplayTeamForm", "The team's money now.")},
    {"lblHome",
     QT_TRANSLATE_NOOP("DisplayTeamForm", "Half the season's games less the home games played.")},
    {"lblGR",
     QT_TRANSLATE_NOOP("DisplayTeamForm",
                       "The season's games per team less the games played. Negative when the "
                       "team has played more games than the season has.")},
};

QLabel* MakeRoleLabel(const QString& text, const char* role, QWidget* parent = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setProperty(role, true);
    return label;
}

QLabel* MakeHeading(const QString& text, QWidget* parent) {
    auto* heading = new PanelHeading(text, parent);
    heading->setProperty("teamHeading", true);
    return heading;
}

QString CaptionOf(std::string_view name) {
    for (const auto& field : DisplayTeam::Fields) {
        if (name == field.Name) return qt::Translated(field.Caption);
    }
    return {};
}

// "$1.2M", "-$350k", "$900": short enough to sit on a bar, in the money style of the locale.
QString ShortAmount(std::int64_t amount) {
    const double size = std::abs(static_cast<double>(amount));
    std::string text = size >= 1e6   ? FormatFixed(size / 1e6, 1) + "M"
                       : size >= 1e4 ? FormatFixed(size / 1e3, 0) + "k"
                                     : FormatFixed(size, 0);
    return QString::fromStdString(PlaceMoney(text, amount < 0));
}

}  // namespace

FinanceChart::FinanceChart(QWidget* parent) : QWidget(parent) {
    // Room for the bars to tell their amounts apart: a plot eight lines of text high, with its
    // amounts above and below it and the captions under it.
    setMinimumSize(
        fontMetrics().horizontalAdvance(QT_TRANSLATE_NOOP("DisplayTeamForm", "Expenses")) * 5,
        fontMetrics().height() * 11 + 16);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QCoreApplication::translate("korvel::FinanceChart", "Finances"));
    setToolTip(
        QCoreApplication::translate("DisplayTeamForm",
                                    "Current finances, estimated revenue, projected expenses and "
                                    "projected balance, as shown above. Amounts below zero hang "
                                    "under the line."));
}

void FinanceChart::SetAmounts(const Amounts& amounts) {
    if (amounts == amounts_) return;
    amounts_ = amounts;
    update();
    setAccessibleDescription(
        QCoreApplication::translate("korvel::FinanceChart",
                                    "Now %1; revenue %2; expenses %3; balance %4")
            .arg(QString::fromStdString(FormatDollars(amounts_[0])),
                 QString::fromStdString(FormatDollars(amounts_[1])),
                 QString::fromStdString(FormatDollars(amounts_[2])),
                 QString::fromStdString(FormatDollars(amounts_[3]))));
}

void FinanceChart::paintEvent(QPaintEvent*) {
    static const std::array<const char*, kBars> kNames = {
        QT_TRANSLATE_NOOP("DisplayTeamForm", "Now"),
        QT_TRANSLATE_NOOP("DisplayTeamForm", "Revenue"),
        QT_TRANSLATE_NOOP("DisplayTeamForm", "Expenses"),
        QT_TRANSLATE_NOOP("DisplayTeamForm", "Balance")};
    static const std::array<QColor, kBars - 1> kColours = {QColor("#5da9ff"), QColor("#3ecf8e"),
                                                           QColor("#ff9f43")};
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    const QRectF plot = QRectF(rect()).adjusted(8, textHeight + 4, -8, -(2 * textHeight + 12));

    const std::int64_t high =
        std::max<std::int64_t>(0, *std::max_element(amounts_.begin(), amounts_.end()));
    const std::int64_t low =
        std::min<std::int64_t>(0, *std::min_element(amounts_.begin(), amounts_.end()));
    const double span = std::max<double>(1.0, static_cast<double>(high - low));
    auto yOf = [&](std::int64_t amount) {
        return plot.top() + static_cast<double>(high - amount) / span * plot.height();
    };
    const double zero = yOf(0);

    const double slot = plot.width() / kBars;
    for (int bar = 0; bar < kBars; ++bar) {
        const std::int64_t amount = amounts_[static_cast<std::size_t>(bar)];
        const QColor colour = bar < kBars - 1 ? kColours[static_cast<std::size_t>(bar)]
                              : amount < 0    ? QColor("#ff4d4d")
                                              : QColor("#3ecf8e");
        const double left = plot.left() + bar * slot + slot * 0.2;
        const double width = slot * 0.6;
        const double end = yOf(amount);
        QRectF body(left, std::min(zero, end), width, std::max(1.0, std::abs(end - zero)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(body, 3, 3);

        painter.setPen(Qt::white);
        const QRectF valueBox =
            amount < 0 ? QRectF(left - slot * 0.2, body.bottom() + 2, slot, textHeight)
                       : QRectF(left - slot * 0.2, body.top() - textHeight - 2, slot, textHeight);
        painter.drawText(valueBox, Qt::AlignCenter, ShortAmount(amount));
        painter.setPen(QColor("#b9cde6"));
        painter.drawText(
            QRectF(plot.left() + bar * slot, rect().bottom() - textHeight - 2, slot, textHeight),
            Qt::AlignCenter,
            QCoreApplication::translate("DisplayTeamForm", kNames[static_cast<std::size_t>(bar)]));
    }
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
}

DisplayTeamForm::DisplayTeamForm(DisplayTeam& window, QWidget* parent)
    : qt::DialogForm(window, parent, false), window_(window) {
    BindFields();
    Value("lblTeam").setFont(Scaled(font(), 2.0));

    auto* root = new QVBoxLayout(this);
    // Compact enough for the work area of a screen of 614 points' height (1366x768 at 125 %)
    // under a desktop panel of 48 pixels, with the window's title bar.
    root->setContentsMargins(22, 8, 22, 8);
    root->setSpacing(8);
    root->addWidget(&Value("lblTeam"));
    root->addWidget(MakeIdentity());

    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    QWidget* finances =
        MakePanel(QT_TRANSLATE_NOOP("DisplayTeamForm", "FINANCES"), kFinanceFields);
    Chart = new FinanceChart(finances);
    static_cast<QVBoxLayout*>(finances->layout())->addWidget(Chart, 1);
    columns->addWidget(finances, 4);
    auto* rosterColumn = new QVBoxLayout;
    rosterColumn->setSpacing(10);
    rosterColumn->addWidget(
        MakePanel(QT_TRANSLATE_NOOP("DisplayTeamForm", "ROSTER"), kRosterFields));
    rosterColumn->addWidget(MakeStrengthPanel(), 1);
    columns->addLayout(rosterColumn, 3);
    columns->addWidget(
        MakePanel(QT_TRANSLATE_NOOP("DisplayTeamForm", "RECORD AND STATISTICS"),
                  kRecordFields),
        3);
    root->addLayout(columns, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command2 =
        MakeButton(QCoreApplication::translate("DisplayTeamForm", "Team &Lines"), "Command2");
    Command3 =
        MakeButton(QCoreApplication::translate("DisplayTeamForm", "Team &Roster"), "Command3");
    Command1 = MakeButton(QCoreApplication::translate("DisplayTeamForm", "&Exit"), "Command1");
    connect(Command1, &QPushButton::clicked, this,
            [this] { Binder().Run([this] { window_.Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { Binder().Run([this] { window_.Command2_Click(); }); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { Binder().Run([this] { window_.Command3_Click(); }); });
    for (QPushButton* button : {Command2, Command3, Command1}) buttons->addWidget(button);
    root->addLayout(buttons);

    Binder().OnRefresh([this] {
        ShowChart();
        Strength->SetStrength(window_.Strength);
        if (window_.lblProjBal.ForeColor == DisplayTeam::kDeficitColour) {
            QLabel& balance = Value("lblProjBal");
            QPalette colours = balance.palette();
            colours.setColor(QPalette::WindowText, kDeficitShown);
            balance.setPalette(colours);
        }
    });
    Binder().RefreshAll();
    // The layout decides the size: what the contents need at the desktop's font and scale.
    adjustSize();
    Command1->setFocus();
    SetExitButton(*Command1);
}

// Every value field and its caption, made and bound by the control's name.
void DisplayTeamForm::BindFields() {
    for (const DisplayTeam::FieldInfo& field : DisplayTeam::Fields) {
        auto* value = MakeRoleLabel({}, "teamValue", this);
        value->setObjectName(field.Name);
        const QString tip =
            QCoreApplication::translate("DisplayTeamForm", kToolTips.at(field.Name));
        value->setToolTip(tip);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setFont(Scaled(font(), 1.1));
        values_[field.Name] = value;
        Binder().Bind(*value, window_.Field(field.Name));
    }
    // A value may be selected with the mouse, so it takes the focus: a screen reader then says
    // which value it is, and an empty one says so.
    Binder().OnRefresh([this] {
        for (const auto& [name, value] : values_) {
            QString shown = value->text().trimmed();
            if (shown.isEmpty()) {
                shown = QCoreApplication::translate("korvel::DisplayTeamForm", "none");
            }
            const QString caption = CaptionOf(name);
            const QString spoken =
                caption.isEmpty()
                    ? shown
                    : QCoreApplication::translate("korvel::DisplayTeamForm", "%1: %2")
                          .arg(caption, shown);
            if (value->accessibleName() != spoken) value->setAccessibleName(spoken);
        }
    });
}

QWidget* DisplayTeamForm::MakeIdentity() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    for (int row = 0; row < static_cast<int>(kIdentityRows.size()); ++row) {
        for (int pair = 0; pair < 2; ++pair) {
            const char* name =
                kIdentityRows[static_cast<std::size_t>(row)][static_cast<std::size_t>(pair)];
            auto* caption = MakeRoleLabel(CaptionOf(name), "teamCaption", box);
            ShowAsTeamCaption(*caption);
            caption->setToolTip(QCoreApplication::translate("DisplayTeamForm", kToolTips.at(name)));
            grid->addWidget(caption, row, pair * 2);
            grid->addWidget(&Value(name), row, pair * 2 + 1);
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* DisplayTeamForm::MakePanel(const char* title, const std::vector<const char*>& fields) {
    auto* panel = new TeamPanel(this);
    panel->setObjectName("panel");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, 8, 14, 8);
    layout->addWidget(MakeHeading(QCoreApplication::translate("DisplayTeamForm", title), panel));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    for (int row = 0; row < static_cast<int>(fields.size()); ++row) {
        const char* name = fields[static_cast<std::size_t>(row)];
        auto* caption = MakeRoleLabel(CaptionOf(name), "teamCaption", panel);
        ShowAsTeamCaption(*caption);
        caption->setToolTip(QCoreApplication::translate("DisplayTeamForm", kToolTips.at(name)));
        QLabel& value = Value(name);
        value.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0);
        grid->addWidget(&value, row, 1);
    }
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);
    layout->addStretch(0);
    return panel;
}

// The chart takes its texts in the value fields' colour, on this window's own backdrop.
QWidget* DisplayTeamForm::MakeStrengthPanel() {
    auto* panel = new TeamPanel(this);
    panel->setObjectName("panel");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, 8, 14, 8);
    layout->addWidget(
        MakeHeading(QCoreApplication::translate("DisplayTeamForm", "STRENGTH"), panel));
    Strength = new StrengthChart(panel);
    QPalette colours = Strength->palette();
    colours.setColor(QPalette::WindowText, QColor(QRgb{DisplayTeam::kValueColour}));
    Strength->setPalette(colours);
    layout->addWidget(Strength);
    layout->addStretch(1);
    return panel;
}

QPushButton* DisplayTeamForm::MakeButton(const QString& text, const char* name) {
    auto* button = new qt::FlatButton(this);
    button->setText(text);
    button->SetFocusColour(kFocusColour);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void DisplayTeamForm::ShowChart() {
    Chart->SetAmounts({ReadDisplayedAmount(window_.lblCurFin.Caption),
                       ReadDisplayedAmount(window_.lblEst.Caption),
                       ReadDisplayedAmount(window_.lblProjExp.Caption),
                       ReadDisplayedAmount(window_.lblProjBal.Caption)});
}

// A dark arena of the form's own: a deep blue gradient with the faint outline of a rink.
void DisplayTeamForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0, QColor("#0a1a33"));
    gradient.setColorAt(1, QColor("#173d70"));
    painter.fillRect(rect(), gradient);

    const QRectF rink = QRectF(rect()).adjusted(40, 70, -40, -60);
    painter.setPen(QPen(QColor(255, 255, 255, 22), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rink, rink.height() / 4, rink.height() / 4);
    painter.drawLine(QPointF(rink.center().x(), rink.top()),
                     QPointF(rink.center().x(), rink.bottom()));
    painter.drawEllipse(rink.center(), rink.height() / 7, rink.height() / 7);
    painter.setPen(QPen(QColor(120, 170, 255, 26), 5));
    for (double share : {0.33, 0.67}) {
        const double x = rink.left() + rink.width() * share;
        painter.drawLine(QPointF(x, rink.top()), QPointF(x, rink.bottom()));
    }
}

}  // namespace korvel

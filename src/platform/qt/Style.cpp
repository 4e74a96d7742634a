#include "platform/qt/Style.h"

#include <QFile>
#include <QHash>
#include <QStyle>
#include <QWidget>

#include "platform/qt/Positions.h"

namespace korvel::qt {

namespace {

// A checked position filter takes its position's colour; with the focus, a border in the text's.
QString PositionRules() {
    QString rules;
    for (const PositionLook& look : PositionLooks()) {
        rules += QString(
                     "QPushButton[filter=\"true\"][position=\"%1\"]:checked {"
                     " background: %2; border-color: %2; }\n"
                     "QPushButton[filter=\"true\"][position=\"%1\"]:checked:focus {"
                     " border: 2px solid palette(text); }\n")
                     .arg(look.Name, look.Colour.name());
    }
    return rules;
}

bool decorations = true;

QString BaseRules() {
    QFile file(":/korvel/style/korvel.qss");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QString StyleSheet() {
    static const QString sheet = BaseRules() + PositionRules();
    return sheet;
}

QString StyleSheetOf(const QString& type) {
    // Asked for by every table a window makes: the sheet is split once per type.
    static QHash<QString, QString> kept;
    if (const auto found = kept.constFind(type); found != kept.constEnd()) return *found;
    QString rules;
    for (const QString& rule : StyleSheet().split('}', Qt::SkipEmptyParts)) {
        QString body = rule.trimmed();
        // The sheet's opening comment comes before its first rule.
        if (body.startsWith("/*")) body = body.mid(body.indexOf("*/") + 2).trimmed();
        if (body.startsWith(type)) rules += body + "}\n";
    }
    kept.insert(type, rules);
    return rules;
}

void ApplyStyleSheet(QWidget& form, const QString& rules) {
    if (decorations) form.setStyleSheet(StyleSheet() + rules);
}

void SetDecorations(bool on) {
    decorations = on;
}

bool Decorations() {
    return decorations;
}

void SetStyleProperty(QWidget& widget, const char* name, const QVariant& value) {
    if (widget.property(name) == value) return;
    widget.setProperty(name, value);
    widget.style()->unpolish(&widget);
    widget.style()->polish(&widget);
    widget.update();
}

}  // namespace korvel::qt

#include "platform/qt/ScreenReader.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTextDocumentFragment>

#include "platform/qt/FormBinder.h"

namespace korvel::qt {

QString SpokenText(const QString& shown) {
    const QString plain =
        Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
    QString spoken;
    spoken.reserve(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i] == '&' && i + 1 < plain.size()) ++i;  // the letter, or the second &
        spoken += plain[i];
    }
    return spoken.trimmed();
}

void NameAfterHeading(FormBinder& binder, QWidget& control, const QLabel& heading) {
    const auto name = [&control, &heading] {
        const QString spoken = SpokenText(heading.text());
        if (control.accessibleName() != spoken) control.setAccessibleName(spoken);
    };
    name();
    binder.OnRefresh(name);
}

void NameChoiceList(QComboBox& box) {
    const QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(&box);
    const QString name = combo != nullptr ? combo->text(QAccessible::Name) : QString();
    box.view()->setAccessibleName(SpokenText(name));
}

}  // namespace korvel::qt

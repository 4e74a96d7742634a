#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace korvel::qt {

// The style sheet every window of the program shares (the forms set it through WindowForm). It
// sets colours, borders and weights only, never a font size, so that the windows follow the
// desktop's font. Widgets choose their look through dynamic properties:
//   QLabel      slot (a line-up slot; filled, dragOver), rowCaption, heading, title, subtitle,
//               hint
//   QPushButton view (a checkable view choice), filter (a position filter; position), primary
QString StyleSheet();

// The rules of the shared style sheet for widgets of one type ("QListWidget"), for a widget that
// keeps them in a window that paints the rest itself.
QString StyleSheetOf(const QString& type);

// Sets the shared style sheet, followed by a form's own `rules`, on `form`; nothing while the
// decorations are off.
void ApplyStyleSheet(QWidget& form, const QString& rules = {});

// The windows' decorations - style sheets and painted backdrops - are on unless a yardstick turns
// them off to measure what they cost.
void SetDecorations(bool on);
bool Decorations();

// Sets a dynamic property the style sheet looks at, and restyles the widget when it changed.
void SetStyleProperty(QWidget& widget, const char* name, const QVariant& value);

}  // namespace korvel::qt

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

// Sets a dynamic property the style sheet looks at, and restyles the widget when it changed.
void SetStyleProperty(QWidget& widget, const char* name, const QVariant& value);

}  // namespace korvel::qt

#pragma once

#include <QIcon>

class QWidget;

namespace korvel::qt {

// An arrow pointing left or right for a button, drawn in the button's text colour (and its
// disabled colour) at the screen's pixel ratio: no icon theme is looked up.
QIcon ArrowIcon(const QWidget& button, bool right);

}  // namespace korvel::qt

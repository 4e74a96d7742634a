#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace korvel::qt {

class FormBinder;

// What a label shows, as a screen reader should say it: without the & that marks its Alt letter
// ("&&" is a plain &) and without rich-text tags.
QString SpokenText(const QString& shown);

// Names `control` (a list, a table) after the heading over it, now and after every refresh of
// `binder`: headings carry counts that change.
void NameAfterHeading(FormBinder& binder, QWidget& control, const QLabel& heading);

// Names the list a combo box opens after the combo box (its label, through the label's buddy),
// so that the screen reader says what the choices are for. Call it once the label is set.
void NameChoiceList(QComboBox& box);

}  // namespace korvel::qt

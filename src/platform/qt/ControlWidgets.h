#pragma once

// Shows the plain controls of a window in Qt widgets, and reads the user's input back into them.
// Each Show function makes the widget show everything its control holds; each Read function copies
// what the user changed in the widget into the control. Neither knows anything about the window.

#include <qnamespace.h>
#include <QChar>
#include <QString>

#include "platform/Controls.h"

class QAbstractButton;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QWidget;

namespace korvel::qt {

// Caption (as plain text), visibility and text colour.
void Show(QLabel& widget, const Label& control);
// Makes every label in `root` show its text as plain text: a window's texts come from the league's
// files, which may hold anything that looks like markup.
void ShowLabelsAsPlainText(QWidget& root);
// Entries (text, item data in Qt::UserRole), the selection and the selection mode (single or
// extended). The entries are only rebuilt when they differ, so scrolling survives a refresh.
void Show(QListWidget& widget, const ListBox& control);
// Caption, checked state, enabled state and visibility (any checkable button: QCheckBox,
// a checkable QPushButton or QToolButton...).
void Show(QAbstractButton& widget, const CheckBox& control);
void Show(QAbstractButton& widget, const OptionButton& control);
void Show(QAbstractButton& widget, const Button& control);
// Text, enabled state and shortcut ("Ctrl+L"). `mnemonic`, a letter of the caption, is
// underlined and opens the menu or runs the item with Alt (in a menu: alone).
void Show(QAction& action, const MenuItem& control, QChar mnemonic = {});
// A top-level menu: its title and whether it can be opened.
void Show(QMenu& menu, const MenuItem& control, QChar mnemonic = {});
// The caption with `mnemonic` marked at its first occurrence ("E&xit"); unchanged without one.
QString WithMnemonic(const QString& caption, QChar mnemonic);

// Single selection: the selected entry becomes ListIndex (-1 for none). Extended selection: the
// focused entry becomes ListIndex, and every entry's Selected flag is read.
void Read(const QListWidget& widget, ListBox& control);
void Read(const QAbstractButton& widget, CheckBox& control);
void Read(const QAbstractButton& widget, OptionButton& control);

// The item data of a list entry as Show stores it.
inline constexpr int kItemDataRole = Qt::UserRole;

}  // namespace korvel::qt

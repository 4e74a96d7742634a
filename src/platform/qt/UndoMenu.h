#pragma once

#include <QDialog>

#include <utility>

#include "platform/Controls.h"
#include "platform/qt/FormBinder.h"

class QAction;

namespace korvel::qt {

// The Undo and Redo items of a window, as the window's menu items hold them.
struct UndoItems {
    MenuItem& Edit;
    MenuItem& Undo;
    FormBinder::Handler UndoClick;
    MenuItem& Redo;
    FormBinder::Handler RedoClick;
};

// Gives a dialog laid out by a layout an Edit menu of Undo and Redo on the standard keys of the
// desktop (QKeySequence::Undo and Redo, and Ctrl+Y for Redo where the desktop has no other use
// for it). On every refresh the items show the window's captions, which name the next step, and
// are enabled as the window says. Returns the two actions.
std::pair<QAction*, QAction*> AddUndoMenu(QDialog& form, FormBinder& binder, UndoItems items);

}  // namespace korvel::qt

#include "platform/qt/UndoMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"

namespace korvel::qt {
namespace {

QAction* AddItem(QMenu& menu, FormBinder& binder, MenuItem& control, FormBinder::Handler click,
                 QKeySequence::StandardKey key) {
    QAction* action = menu.addAction(Translated(control.Caption));
    action->setShortcuts(key);
    // The keys work wherever the focus is in the window, as the menu's do in a main window.
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &binder, [&binder, click] { binder.Run(click); });
    binder.OnRefresh([action, &control] {
        const QString text = Translated(control.Caption);
        if (action->text() != text) action->setText(text);
        action->setEnabled(control.Enabled);
    });
    return action;
}

}  // namespace

std::pair<QAction*, QAction*> AddUndoMenu(QDialog& form, FormBinder& binder, UndoItems items) {
    auto* bar = new QMenuBar(&form);
    bar->setObjectName("menuBar");
    if (form.layout() != nullptr) form.layout()->setMenuBar(bar);
    QMenu* edit = bar->addMenu(QString());
    edit->setObjectName("mnuEdit");
    binder.Bind(*edit, items.Edit, 'E');
    QAction* undo = AddItem(*edit, binder, items.Undo, items.UndoClick, QKeySequence::Undo);
    undo->setObjectName("mnuUndo");
    QAction* redo = AddItem(*edit, binder, items.Redo, items.RedoClick, QKeySequence::Redo);
    redo->setObjectName("mnuRedo");
    // The window owns the actions too, so that their keys reach it while the menu is closed.
    form.addAction(undo);
    form.addAction(redo);
    return {undo, redo};
}

}  // namespace korvel::qt

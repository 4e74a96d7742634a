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

// True when one of the desktop's standard keys other than `except` is `keys`.
bool TakenByStandardKey(const QKeySequence& keys, QKeySequence::StandardKey except) {
    for (int key = QKeySequence::UnknownKey + 1; key <= QKeySequence::Cancel; ++key) {
        const auto standard = static_cast<QKeySequence::StandardKey>(key);
        if (standard != except && QKeySequence::keyBindings(standard).contains(keys)) return true;
    }
    return false;
}

// Redo on the desktop's keys, and on Ctrl+Y too (as many programs have it) unless the desktop
// gives Ctrl+Y to something else.
QList<QKeySequence> RedoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY) && !TakenByStandardKey(ctrlY, QKeySequence::Redo)) {
        keys.append(ctrlY);
    }
    return keys;
}

QAction* AddItem(QMenu& menu, FormBinder& binder, MenuItem& control, FormBinder::Handler click,
                 const QList<QKeySequence>& keys) {
    QAction* action = menu.addAction(Translated(control.Caption));
    action->setShortcuts(keys);
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
    QAction* undo = AddItem(*edit, binder, items.Undo, items.UndoClick,
                            QKeySequence::keyBindings(QKeySequence::Undo));
    undo->setObjectName("mnuUndo");
    QAction* redo = AddItem(*edit, binder, items.Redo, items.RedoClick, RedoKeys());
    redo->setObjectName("mnuRedo");
    // The window owns the actions too, so that their keys reach it while the menu is closed.
    form.addAction(undo);
    form.addAction(redo);
    return {undo, redo};
}

}  // namespace korvel::qt

#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Window.h"

class QAbstractButton;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QWidget;

namespace korvel::qt {

// Ties a Qt form to the window it shows. Each Bind call makes a widget show its control on every
// refresh and routes the widget's user events to a handler of the window: the user's input goes
// into the control first, then the handler runs, then every bound widget shows the controls again,
// and the form closes once the window has unloaded.
class FormBinder : public QObject {
  public:
    using Handler = std::function<void()>;

    FormBinder(QWidget& form, Window& window);

    // A label; `click` (optional) runs on a click, and on Enter or Space while the label has the
    // focus (when its focus policy lets it take the focus); `dblClick` on a double click.
    void Bind(QLabel& widget, Label& control, Handler click = {}, Handler dblClick = {});
    // A list: `click` runs when the user changes the selection (mouse or keyboard) and when he
    // clicks an entry that is already selected; `dblClick` on a double click on an entry. Moving
    // the focus into the list, or the focus cursor within it, selects nothing.
    void Bind(QListWidget& widget, ListBox& control, Handler click = {}, Handler dblClick = {});
    // A check box (or any checkable button): the new value goes into the control, then `click`.
    void Bind(QAbstractButton& widget, CheckBox& control, Handler click = {});
    // An option button (or any checkable, auto-exclusive button): the values of all bound option
    // buttons go into their controls, then `click`.
    void Bind(QAbstractButton& widget, OptionButton& control, Handler click = {});
    void Bind(QAbstractButton& widget, Button& control, Handler click);
    // A menu item or a top-level menu; `mnemonic` is the caption's letter for Alt (see Show).
    void Bind(QAction& action, MenuItem& control, Handler click, QChar mnemonic = {});
    void Bind(QMenu& menu, MenuItem& control, QChar mnemonic = {});
    // Anything else the form shows, called on every refresh after the bound widgets.
    void OnRefresh(Handler refresh);

    // Runs a handler as every user event does: afterwards the widgets show the controls again and
    // the form closes when the window has unloaded. A failure the handler throws is shown.
    void Run(const Handler& handler);
    // Makes every bound widget, and the form's title, show the controls.
    void RefreshAll();
    // The user asks to close the form (close box, Escape): the window unloads unless its unload
    // event cancels. True when the form may close.
    bool RequestClose();

    Window& BoundWindow() { return window_; }

    // When set, a failure a handler throws is handed to this function instead of being shown in
    // a message box (tests, where nobody can close the box).
    static inline std::function<void(const std::string& text)> FailureHook;

  private:
    void CloseForm();
    void ReadOptionButtons();

    QWidget& form_;
    Window& window_;
    std::vector<Handler> refreshers_;
    std::vector<Handler> extraRefreshers_;
    std::vector<std::pair<QAbstractButton*, OptionButton*>> optionButtons_;
};

}  // namespace korvel::qt

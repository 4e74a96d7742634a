#pragma once

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QShowEvent>

#include <QMainWindow>
#include <vector>

#include "platform/qt/FormBinder.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/Style.h"

namespace korvel::qt {

// The Qt side of a window: a QMainWindow or QDialog in the program's shared style that opens within
// the screen, whose close box
// unloads the window (and stays open when the window's unload event cancels). Derived forms lay
// out their widgets, bind them through Binder() and call Binder().RefreshAll() once at the end of
// their constructor.
template <class QtBase>
class WindowForm : public QtBase {
  public:
    // A form whose look comes from the palette and fonts alone passes `styled` false: a style sheet
    // is costly to apply to every widget of a window.
    WindowForm(Window& window, QWidget* parent, bool styled = true)
        : QtBase(parent), binder_(*this, window) {
        if (styled) ApplyStyleSheet(*this);
    }

    FormBinder& Binder() { return binder_; }

  protected:
    // Each time it opens, the window fits the screen it opens on.
    void showEvent(QShowEvent* event) override {
        QtBase::showEvent(event);
        if (!event->spontaneous()) FitToScreen(*this);
    }

    void closeEvent(QCloseEvent* event) override {
        if (binder_.RequestClose()) {
            QtBase::closeEvent(event);
        } else {
            event->ignore();
        }
    }

  private:
    FormBinder binder_;
};

using MainWindowForm = WindowForm<QMainWindow>;

// Makes Tab visit `widgets` in the order given (left to right, top to bottom as laid out).
inline void SetTabChain(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// A modal window. Escape presses its Exit button, which asks before anything is dropped; a form
// that names no Exit button closes as by its close box.
class DialogForm : public WindowForm<QDialog> {
  public:
    using WindowForm<QDialog>::WindowForm;

    void SetExitButton(QAbstractButton& button) { exitButton_ = &button; }

    void reject() override {
        // The close box unloads the window before it gets here: then the form just closes.
        if (exitButton_ != nullptr && !Binder().BoundWindow().IsUnloaded()) {
            if (exitButton_->isEnabled()) exitButton_->click();
            return;
        }
        if (Binder().RequestClose()) QDialog::reject();
    }

  private:
    QAbstractButton* exitButton_ = nullptr;
};

}  // namespace korvel::qt

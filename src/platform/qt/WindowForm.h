#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>

#include "platform/qt/FormBinder.h"
#include "platform/qt/Style.h"

namespace korvel::qt {

// The Qt side of a window: a QMainWindow or QDialog in the program's shared style, whose close box
// unloads the window (and stays open when the window's unload event cancels). Derived forms lay
// out their widgets, bind them through Binder() and call Binder().RefreshAll() once at the end of
// their constructor.
template <class QtBase>
class WindowForm : public QtBase {
  public:
    WindowForm(Window& window, QWidget* parent) : QtBase(parent), binder_(*this, window) {
        this->setStyleSheet(StyleSheet());
    }

    FormBinder& Binder() { return binder_; }

  protected:
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

// A modal window. Escape closes it the same way as its close box.
class DialogForm : public WindowForm<QDialog> {
  public:
    using WindowForm<QDialog>::WindowForm;

    void reject() override {
        if (Binder().RequestClose()) QDialog::reject();
    }
};

}  // namespace korvel::qt

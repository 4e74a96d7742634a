#pragma once

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QHideEvent>
#include <QMainWindow>
#include <QShowEvent>
#include <QTimer>

#include <vector>

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/DesktopSettings.h"
#include "platform/qt/FormBinder.h"
#include "platform/qt/Palettes.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/Style.h"

namespace korvel::qt {

// The Qt side of a window: a QMainWindow or QDialog in the program's shared style, whose texts
// stay readable on the desktop's palette, that opens where it stood last time (kept per window
// under its caption) and within the screen, and whose close box unloads the window (and stays
// open when the window's unload event cancels). Derived forms lay out their widgets, bind them
// through Binder() and call Binder().RefreshAll() once at the end of their constructor.
template <class QtBase>
class WindowForm : public QtBase {
  public:
    // A form whose look comes from the palette and fonts alone passes `styled` false: a style sheet
    // is costly to apply to every widget of a window.
    WindowForm(Window& window, QWidget* parent, bool styled = true)
        : QtBase(parent), binder_(*this, window) {
        if (styled) ApplyStyleSheet(*this);
        KeepApplicationPaletteReadable();
    }

    FormBinder& Binder() { return binder_; }

    // The name the window's size and place are kept under; empty keeps none.
    void SetPlacementName(const QString& name) { placement_ = name; }

  protected:
    // Each time it opens, the window takes its kept place and size (never less than its content
    // asks) and fits the screen it opens on.
    void showEvent(QShowEvent* event) override {
        if (!event->spontaneous()) {
            KeepApplicationPaletteReadable();
            ShowLabelsAsPlainText(*this);
            if (!placement_.isEmpty() && RestorePlacement(*this, placement_))
                this->resize(this->size().expandedTo(this->sizeHint()));
        }
        QtBase::showEvent(event);
        if (!event->spontaneous()) FitToScreen(*this);
    }

    void hideEvent(QHideEvent* event) override {
        if (!event->spontaneous() && !placement_.isEmpty()) SavePlacement(*this, placement_);
        QtBase::hideEvent(event);
    }

    void changeEvent(QEvent* event) override {
        // Once every window has heard of the change.
        if (event->type() == QEvent::ApplicationPaletteChange)
            QTimer::singleShot(0, [] { KeepApplicationPaletteReadable(); });
        QtBase::changeEvent(event);
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
    QString placement_;
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
    // Its size and place are kept under the window's caption.
    DialogForm(Window& window, QWidget* parent, bool styled = true)
        : WindowForm<QDialog>(window, parent, styled) {
        SetPlacementName(QString::fromStdString(window.Caption));
    }

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

#include "platform/qt/FormBinder.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include <exception>

#include "platform/Ui.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"

namespace korvel::qt {

namespace {

bool IsPressKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier && !key.isAutoRepeat() &&
           (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
            key.key() == Qt::Key_Space);
}

// Turns a label's mouse events into clicks and double clicks. The release that ends a double
// click is no second click. A label that takes the focus is clicked by Enter or Space as well.
class LabelInput : public QObject {
  public:
    LabelInput(QLabel& label, FormBinder::Handler click, FormBinder::Handler dblClick)
        : QObject(&label), click_(std::move(click)), dblClick_(std::move(dblClick)) {
        label.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<QLabel*>(watched);
        switch (event->type()) {
            case QEvent::KeyPress:
                if (click_ && IsPressKey(*static_cast<QKeyEvent*>(event))) {
                    click_();
                    return true;
                }
                break;
            case QEvent::MouseButtonPress:
                pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
                break;
            case QEvent::MouseButtonDblClick:
                afterDoubleClick_ = true;
                pressed_ = false;
                if (dblClick_) dblClick_();
                break;
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                const bool click = pressed_ && !afterDoubleClick_ &&
                                   mouse->button() == Qt::LeftButton &&
                                   label->rect().contains(mouse->position().toPoint());
                pressed_ = false;
                afterDoubleClick_ = false;
                if (click && click_) click_();
                break;
            }
            default:
                break;
        }
        return false;
    }

  private:
    FormBinder::Handler click_;
    FormBinder::Handler dblClick_;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
};

// Decides when a list's Click event happens. A change of selection is a click at once (mouse
// press or keyboard); a mouse click that changed nothing is a click when the button is released;
// the release that ends a double click is not.
class ListMouse : public QObject {
  public:
    explicit ListMouse(QListWidget& list) : QObject(&list) {
        list.viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            selectionChangedByPress_ = false;
            afterDoubleClick_ = false;
        }
        return false;
    }

    void SelectionChanged() { selectionChangedByPress_ = true; }
    void DoubleClicked() { afterDoubleClick_ = true; }
    // Whether a released click on an entry is a Click of its own.
    bool ClickOnRelease() {
        const bool click = !selectionChangedByPress_ && !afterDoubleClick_;
        selectionChangedByPress_ = false;
        afterDoubleClick_ = false;
        return click;
    }

  private:
    bool selectionChangedByPress_ = false;
    bool afterDoubleClick_ = false;
};

}  // namespace

FormBinder::FormBinder(QWidget& form, Window& window) : form_(form), window_(window) {}

void FormBinder::Bind(QLabel& widget, Label& control, Handler click, Handler dblClick) {
    refreshers_.push_back([&widget, &control] { Show(widget, control); });
    if (!click && !dblClick) return;
    widget.setCursor(Qt::PointingHandCursor);
    auto wrap = [this](Handler handler) -> Handler {
        if (!handler) return {};
        return [this, handler] { Run(handler); };
    };
    new LabelInput(widget, wrap(std::move(click)), wrap(std::move(dblClick)));
}

void FormBinder::Bind(QListWidget& widget, ListBox& control, Handler click, Handler dblClick) {
    refreshers_.push_back([&widget, &control] { Show(widget, control); });
    auto* mouse = new ListMouse(widget);
    auto clicked = [this, &widget, &control, click] {
        Read(widget, control);
        if (click) Run(click);
    };
    // Only a change of the selection counts. Qt moves the current entry (the focus cursor) on its
    // own, for instance to the first entry when the list takes the focus; that chooses nothing.
    connect(&widget, &QListWidget::itemSelectionChanged, this, [mouse, clicked] {
        mouse->SelectionChanged();
        clicked();
    });
    connect(&widget, &QListWidget::itemClicked, this, [mouse, clicked](QListWidgetItem*) {
        if (mouse->ClickOnRelease()) clicked();
    });
    connect(&widget, &QListWidget::itemDoubleClicked, this,
            [this, mouse, &widget, &control, dblClick](QListWidgetItem*) {
                mouse->DoubleClicked();
                Read(widget, control);
                if (dblClick) Run(dblClick);
            });
}

void FormBinder::Bind(QAbstractButton& widget, CheckBox& control, Handler click) {
    refreshers_.push_back([&widget, &control] { Show(widget, control); });
    connect(&widget, &QAbstractButton::clicked, this, [this, &widget, &control, click] {
        Read(widget, control);
        if (click) Run(click);
    });
}

void FormBinder::Bind(QAbstractButton& widget, OptionButton& control, Handler click) {
    refreshers_.push_back([&widget, &control] { Show(widget, control); });
    widget.setCheckable(true);
    widget.setAutoExclusive(true);
    optionButtons_.emplace_back(&widget, &control);
    connect(&widget, &QAbstractButton::clicked, this, [this, click] {
        ReadOptionButtons();
        if (click) Run(click);
    });
}

void FormBinder::Bind(QAbstractButton& widget, Button& control, Handler click) {
    refreshers_.push_back([&widget, &control] { Show(widget, control); });
    // The Enter key presses no button of its own accord.
    if (auto* push = qobject_cast<QPushButton*>(&widget)) push->setAutoDefault(false);
    connect(&widget, &QAbstractButton::clicked, this, [this, click] { Run(click); });
}

void FormBinder::Bind(QAction& action, MenuItem& control, Handler click, QChar mnemonic) {
    refreshers_.push_back([&action, &control, mnemonic] { Show(action, control, mnemonic); });
    connect(&action, &QAction::triggered, this, [this, click] { Run(click); });
}

void FormBinder::Bind(QMenu& menu, MenuItem& control, QChar mnemonic) {
    refreshers_.push_back([&menu, &control, mnemonic] { Show(menu, control, mnemonic); });
}

void FormBinder::OnRefresh(Handler refresh) {
    extraRefreshers_.push_back(std::move(refresh));
}

void FormBinder::ReadOptionButtons() {
    for (auto [widget, control] : optionButtons_) Read(*widget, *control);
}

void FormBinder::Run(const Handler& handler) {
    // Events that arrive after the window has gone (a late mouse release) have nothing to run.
    if (window_.IsUnloaded()) return;
    try {
        handler();
    } catch (const std::exception& failure) {
        if (FailureHook) {
            FailureHook(failure.what());
        } else {
            QMessageBox::critical(&form_, ToQString(kApplicationTitle), Translated(failure.what()));
        }
    }
    RefreshAll();
    if (window_.IsUnloaded()) CloseForm();
}

void FormBinder::RefreshAll() {
    const QString title = Translated(window_.Caption);
    if (form_.windowTitle() != title) form_.setWindowTitle(title);
    for (const auto& refresh : refreshers_) refresh();
    for (const auto& refresh : extraRefreshers_) refresh();
}

bool FormBinder::RequestClose() {
    const bool closed = window_.Unload();
    if (!closed) RefreshAll();
    return closed;
}

void FormBinder::CloseForm() {
    if (auto* dialog = qobject_cast<QDialog*>(&form_)) {
        dialog->done(QDialog::Accepted);
    } else {
        form_.close();
    }
}

}  // namespace korvel::qt

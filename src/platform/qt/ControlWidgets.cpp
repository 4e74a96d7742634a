#include "platform/qt/ControlWidgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>

#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"

namespace korvel::qt {

namespace {

QColor ToQColor(Colour colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

bool SameEntries(const QListWidget& widget, const ListBox& control) {
    if (widget.count() != control.ListCount()) return false;
    for (int row = 0; row < widget.count(); ++row) {
        const QListWidgetItem* item = widget.item(row);
        const ListItem& entry = control.Items[static_cast<std::size_t>(row)];
        if (item->text() != Translated(entry.Text) ||
            item->data(kItemDataRole).toInt() != entry.ItemData) {
            return false;
        }
    }
    return true;
}

void ShowCaption(QAbstractButton& widget, const std::string& caption) {
    const QString text = Translated(caption);
    if (widget.text() != text) widget.setText(text);
}

}  // namespace

void Show(QLabel& widget, const Label& control) {
    widget.setTextFormat(Qt::PlainText);
    const QString text = Translated(control.Caption);
    if (widget.text() != text) widget.setText(text);
    // The default black follows the desktop's palette (and the style), so that a dark theme
    // keeps it readable; any other colour is the control's own.
    if (control.ForeColor == kBlack) {
        if (widget.testAttribute(Qt::WA_SetPalette)) widget.setPalette(QPalette());
    } else {
        QPalette palette = widget.palette();
        const QColor colour = ToQColor(control.ForeColor);
        if (palette.color(QPalette::WindowText) != colour) {
            palette.setColor(QPalette::WindowText, colour);
            widget.setPalette(palette);
        }
    }
    widget.setVisible(control.Visible);
}

void ShowLabelsAsPlainText(QWidget& root) {
    for (QLabel* label : root.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

void Show(QListWidget& widget, const ListBox& control) {
    const QSignalBlocker blocker(widget);
    widget.setSelectionMode(control.MultiSelect ? QAbstractItemView::ExtendedSelection
                                                : QAbstractItemView::SingleSelection);
    if (!SameEntries(widget, control)) {
        widget.clear();
        for (const ListItem& entry : control.Items) {
            auto* item = new QListWidgetItem(Translated(entry.Text), &widget);
            item->setData(kItemDataRole, entry.ItemData);
        }
    }
    if (control.MultiSelect) {
        for (int row = 0; row < widget.count(); ++row) {
            widget.item(row)->setSelected(control.Items[static_cast<std::size_t>(row)].Selected);
        }
        widget.setCurrentRow(control.HasSelection() ? control.ListIndex : -1,
                             QItemSelectionModel::NoUpdate);
    } else if (control.HasSelection()) {
        widget.setCurrentRow(control.ListIndex, QItemSelectionModel::ClearAndSelect);
    } else {
        // The focus cursor stays where it is, so that the keyboard can still select from there.
        widget.clearSelection();
    }
}

void Show(QAbstractButton& widget, const CheckBox& control) {
    const QSignalBlocker blocker(widget);
    ShowCaption(widget, control.Caption);
    widget.setCheckable(true);
    widget.setChecked(control.Value);
    widget.setEnabled(control.Enabled);
    widget.setVisible(control.Visible);
}

void Show(QAbstractButton& widget, const OptionButton& control) {
    const QSignalBlocker blocker(widget);
    ShowCaption(widget, control.Caption);
    widget.setCheckable(true);
    // An exclusive button cannot be unchecked directly; the window decides which option is on.
    const bool exclusive = widget.autoExclusive();
    widget.setAutoExclusive(false);
    widget.setChecked(control.Value);
    widget.setAutoExclusive(exclusive);
    widget.setEnabled(control.Enabled);
}

void Show(QAbstractButton& widget, const Button& control) {
    ShowCaption(widget, control.Caption);
    widget.setEnabled(control.Enabled);
    widget.setVisible(control.Visible);
}

QString WithMnemonic(const QString& caption, QChar mnemonic) {
    QString text = caption;
    text.replace('&', "&&");
    qsizetype at = mnemonic.isNull() ? -1 : text.indexOf(mnemonic);
    // A translated caption may lack the English letter: then its own first one serves.
    if (at < 0 && !mnemonic.isNull()) at = text.indexOf(mnemonic, 0, Qt::CaseInsensitive);
    if (at < 0 && !mnemonic.isNull() && !text.isEmpty() && text[0].isLetter()) at = 0;
    if (at >= 0) text.insert(at, '&');
    return text;
}

void Show(QAction& action, const MenuItem& control, QChar mnemonic) {
    const QString text = WithMnemonic(Translated(control.Caption), mnemonic);
    if (action.text() != text) action.setText(text);
    action.setEnabled(control.Enabled);
    const QKeySequence shortcut(ToQString(control.Shortcut));
    if (action.shortcut() != shortcut) action.setShortcut(shortcut);
}

void Show(QMenu& menu, const MenuItem& control, QChar mnemonic) {
    const QString title = WithMnemonic(Translated(control.Caption), mnemonic);
    if (menu.title() != title) menu.setTitle(title);
    menu.setEnabled(control.Enabled);
    menu.menuAction()->setEnabled(control.Enabled);
}

void Read(const QListWidget& widget, ListBox& control) {
    // A single-selection list's index is its selected entry. The current entry is only where the
    // focus cursor stands (Qt puts it on the first entry when the list takes the focus); in an
    // extended-selection list that cursor is the focused entry the control reports.
    int row = widget.currentRow();
    if (!control.MultiSelect) {
        const QList<QListWidgetItem*> selected = widget.selectedItems();
        row = selected.isEmpty() ? -1 : widget.row(selected.front());
    }
    control.ListIndex = row < control.ListCount() ? row : -1;
    if (!control.MultiSelect) return;
    for (int index = 0; index < control.ListCount() && index < widget.count(); ++index) {
        control.Items[static_cast<std::size_t>(index)].Selected = widget.item(index)->isSelected();
    }
}

void Read(const QAbstractButton& widget, CheckBox& control) {
    control.Value = widget.isChecked();
}

void Read(const QAbstractButton& widget, OptionButton& control) {
    control.Value = widget.isChecked();
}

}  // namespace korvel::qt

#include "platform/qt/ElidedNameDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace korvel::qt {

namespace {

QString WithoutTrailingBlanks(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    text.truncate(end);
    return text;
}

}  // namespace

void ElidedNameDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = WithoutTrailingBlanks(option->text);
    option->textElideMode = Qt::ElideRight;
}

bool ElidedNameDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || index.data(Qt::ToolTipRole).isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    if (sizeHint(shown, index).width() <= view->visualRect(index).width()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), shown.text, view);
    return true;
}

}  // namespace korvel::qt

#include "platform/qt/ReadinessLabel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QStyle>

#include "platform/qt/Translate.h"

namespace korvel::qt {

ReadinessLabel::ReadinessLabel(QWidget* parent)
    : QWidget(parent), icon_(new QLabel(this)), text_(new QLabel(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 8, 4);
    row->setSpacing(6);
    const int size = text_->fontMetrics().height();
    icon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    icon_->setAccessibleName(QCoreApplication::translate("ReadinessLabel", "Warning"));
    icon_->hide();
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    row->addWidget(icon_, 0, Qt::AlignTop);
    row->addWidget(text_, 1);
}

void ReadinessLabel::Show(const std::string& line, bool ready) {
    const QString shown = Translated(line);
    if (text_->text() != shown) text_->setText(shown);
    if (!text_->wordWrap()) text_->setToolTip(shown);
    icon_->setVisible(!ready);
}

void ReadinessLabel::KeepToOneLine() {
    text_->setWordWrap(false);
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout()->setContentsMargins(0, 0, 0, 0);
}

}  // namespace korvel::qt

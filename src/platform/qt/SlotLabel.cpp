#include "platform/qt/SlotLabel.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QPainter>
#include <QPixmapCache>

#include <algorithm>
#include <vector>

#include "platform/qt/Palettes.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Style.h"

namespace korvel::qt {

namespace {

// The list entries an item view's drag carries: model data, the row first.
constexpr const char* kListDragFormat = "application/x-qabstractitemmodeldatalist";

// Until it is told the widest caption, a slot is wide enough for a name of 20 characters; it
// may shrink to 8 and an ellipsis.
constexpr int kCaptionCharacters = 20;
constexpr int kFewestCharacters = 8;
constexpr const char* kEmptyCaption = QT_TRANSLATE_NOOP("SlotLabel", "empty");

constexpr int kPadding = 9;  // between the frame and the caption
constexpr qreal kRadius = 6;
const QColor kRefusedColour("#c8102e");

// What a slot's size follows, measured once for every slot that shares the font, the screen's
// resolution and the widest caption: the slots of a window do, and measuring text in a font made
// anew for each of them costs the font's lookup every time.
struct SlotMetrics {
    QFont Font;
    int Dpi;
    QString Widest;
    int Caption;  // the widest caption's width, or that of kCaptionCharacters characters
    int Empty;    // the faint "empty"'s, in italic
    int AverageChar;
    int Height;
};

SlotMetrics MetricsFor(const QFont& font, int dpi, const QString& widest) {
    static std::vector<SlotMetrics> measured;
    for (const SlotMetrics& known : measured) {
        if (known.Dpi == dpi && known.Widest == widest && known.Font == font) return known;
    }
    const QFontMetrics metrics(font);
    QFont italic = font;
    italic.setItalic(true);
    italic.setBold(false);
    const SlotMetrics found{font,
                            dpi,
                            widest,
                            widest.isEmpty() ? metrics.averageCharWidth() * kCaptionCharacters
                                             : metrics.horizontalAdvance(widest),
                            QFontMetrics(italic).horizontalAdvance(QCoreApplication::translate("SlotLabel", kEmptyCaption)),
                            metrics.averageCharWidth(),
                            metrics.height()};
    if (measured.size() == 8) measured.erase(measured.begin());
    measured.push_back(found);
    return found;
}

// The row a list drag carries, or -1 when the drag carries no list entry.
int DraggedRow(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasFormat(kListDragFormat)) return -1;
    QByteArray encoded = mime->data(kListDragFormat);
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    int row = -1;
    int column = -1;
    stream >> row >> column;
    return stream.status() == QDataStream::Ok ? row : -1;
}

}  // namespace

SlotLabel::SlotLabel(QWidget* parent) : QLabel(parent) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setProperty("slot", true);
    setForegroundRole(QPalette::Text);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    if (Decorations()) {
        setContentsMargins(kPadding, 0, kPadding, 0);
        // Framed labels set their text in by half an x.
        setIndent(fontMetrics().horizontalAdvance('x') / 2);
    }
    setProperty("filled", false);
    setProperty("dragOver", false);
    setProperty("dragRefused", false);
    setProperty("marked", false);
    setProperty("out", false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SlotLabel::SetWidestCaption(const QString& caption) {
    const QString widest = caption.trimmed();
    if (widest != widest_) {
        widest_ = widest;
        SizeChanged();
    }
    ShowToolTip();
}

void SlotLabel::SizeChanged() {
    measuredWidth_ = -1;
    sizeHint_ = QSize();
    minimumSizeHint_ = QSize();
    updateGeometry();
}

void SlotLabel::SetHelp(const QString& help) {
    help_ = help;
    ShowToolTip();
    setAccessibleDescription(help);
}

void SlotLabel::SetPlaceName(const QString& place) {
    place_ = place;
    SpeakName();
}

void SlotLabel::SpeakName() {
    const QString caption = WholeCaption().trimmed();
    const QString who =
        caption.isEmpty() ? QCoreApplication::translate("korvel::qt::SlotLabel", "empty") : caption;
    QString name = place_.isEmpty() ? who
                                    : QCoreApplication::translate("korvel::qt::SlotLabel", "%1: %2")
                                          .arg(place_, who);
    if (property("dragRefused").toBool()) {
        name = QCoreApplication::translate("korvel::qt::SlotLabel", "%1, refused").arg(name);
    }
    if (accessibleName() != name) setAccessibleName(name);
}

void SlotLabel::ShowFilled() {
    SetState("filled", !text().isEmpty());
    ShowToolTip();
    SpeakName();
}

void SlotLabel::ShowMarked(bool marked) {
    SetState("marked", marked);
}

void SlotLabel::ShowOut(const QString& why) {
    if (out_ == why) return;
    out_ = why;
    SetState("out", !why.isEmpty());
    ShowToolTip();
    update();
}

QRect SlotLabel::CaptionArea() const {
    QRect area = contentsRect();
    area.setLeft(area.left() + std::max(0, indent()));
    return area;
}

QString SlotLabel::WholeCaption() const {
    QString caption = text();
    while (caption.endsWith(' ')) caption.chop(1);
    return caption;
}

int SlotLabel::WholeCaptionWidth() const {
    const QString caption = WholeCaption();
    if (measuredWidth_ < 0 || caption != measuredCaption_) {
        measuredCaption_ = caption;
        measuredWidth_ = fontMetrics().horizontalAdvance(caption);
    }
    return measuredWidth_;
}

// Only a caption wider than the room is run through the eliding, which lays the text out again.
QString SlotLabel::ShownCaption(int width) const {
    if (WholeCaptionWidth() <= width) return WholeCaption();
    return fontMetrics().elidedText(WholeCaption(), Qt::ElideRight, width);
}

bool SlotLabel::CaptionCut() const {
    return WholeCaptionWidth() > CaptionArea().width();
}

// The whole caption leads the tooltip when the slot cuts it, as plain text whatever it holds.
void SlotLabel::ShowToolTip() {
    QString tip = CaptionCut() ? text().trimmed() + (help_.isEmpty() ? "" : "\n" + help_) : help_;
    if (!out_.isEmpty()) {
        const QString out =
            QCoreApplication::translate("SlotLabel", "Out of the next game: %1").arg(out_);
        tip = tip.isEmpty() ? out : out + "\n" + tip;
    }
    if (tip == tipShown_) return;
    tipShown_ = tip;
    const QString shown = tip.isEmpty() ? QString() : PlainToolTip(tip);
    if (toolTip() != shown) setToolTip(shown);
}

void SlotLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowToolTip();
}

void SlotLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::ContentsRectChange:
            SizeChanged();
            break;
        default:
            break;
    }
}

void SlotLabel::ShowDragOver(bool over) {
    SetState("dragOver", over);
}

void SlotLabel::SetState(const char* name, bool on) {
    if (property(name).toBool() == on) return;
    setProperty(name, on);
    update();
}

// The frame, the padding and the indent around the caption, and a pixel to spare.
QSize SlotLabel::sizeHint() const {
    if (sizeHint_.isValid()) return sizeHint_;
    const SlotMetrics metrics = MetricsFor(font(), logicalDpiY(), widest_);
    const int caption = std::max(metrics.Caption, metrics.Empty + 10);
    const QMargins margins = contentsMargins();
    sizeHint_ = {caption + margins.left() + margins.right() + std::max(0, indent()) + 2,
                 metrics.Height * 3 / 2 + 6};
    return sizeHint_;
}

QSize SlotLabel::minimumSizeHint() const {
    if (minimumSizeHint_.isValid()) return minimumSizeHint_;
    const QSize whole = sizeHint();
    const int fewest = MetricsFor(font(), logicalDpiY(), widest_).AverageChar * kFewestCharacters;
    const QMargins margins = contentsMargins();
    minimumSizeHint_ = {std::min(whole.width(), fewest + margins.left() + margins.right()),
                        whole.height()};
    return minimumSizeHint_;
}

// The frame and fill: the base colour in a fine frame, an empty slot's shaded in a dashed one; the
// highlight colour frames it thicker under the pointer, with the focus or under an entry it takes,
// and a dashed red frame under one it refuses. The slots of a window share a few sizes and states,
// so each box is drawn once into the pixmap cache.
QPixmap SlotLabel::Box() const {
    const bool filled = property("filled").toBool();
    const bool refused = property("dragRefused").toBool();
    const bool marked = property("marked").toBool();
    const bool out = !out_.isEmpty() && filled;
    const bool lit = underMouse() || hasFocus() || property("dragOver").toBool() || marked;
    const bool shaded = !filled || hasFocus();
    const qreal ratio = devicePixelRatioF();
    const QString key = QString("korvel-slot-%1x%2@%3-%4%5%6%7%8%10-%9")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(filled)
                            .arg(refused)
                            .arg(lit)
                            .arg(shaded)
                            .arg(marked)
                            .arg(palette().cacheKey())
                            .arg(out);
    QPixmap box;
    if (QPixmapCache::find(key, &box)) return box;

    const QPalette& colours = palette();
    QPen pen(FrameColour(colours), 1, filled ? Qt::SolidLine : Qt::DashLine);
    if (refused) {
        pen = QPen(kRefusedColour, 2, Qt::DashLine);
    } else if (out && !lit) {
        pen = QPen(kRefusedColour, 2);
    } else if (marked) {
        pen = QPen(colours.color(QPalette::Highlight), 2, Qt::DashLine);
    } else if (lit) {
        pen = QPen(colours.color(QPalette::Highlight), 2);
    }
    box = QPixmap(size() * ratio);
    box.setDevicePixelRatio(ratio);
    box.fill(Qt::transparent);
    QPainter painter(&box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(colours.color(shaded ? QPalette::AlternateBase : QPalette::Base));
    const qreal inset = pen.widthF() / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kRadius,
                            kRadius);
    painter.end();
    QPixmapCache::insert(key, box);
    return box;
}

void SlotLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Decorations()) painter.drawPixmap(0, 0, Box());
    const QRect area = CaptionArea();
    if (!text().isEmpty()) {
        QRect name = area;
        if (!out_.isEmpty()) {
            // The reason stands at the right end in red; the name gives way to it.
            const int reason = fontMetrics().horizontalAdvance(out_) + 4;
            painter.setPen(kRefusedColour);
            painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, out_);
            name.setRight(std::max(name.left(), area.right() - reason));
        }
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, ShownCaption(name.width()));
        return;
    }
    QFont font = this->font();
    font.setItalic(true);
    font.setBold(false);
    painter.setFont(font);
    const QPalette::ColorRole behind = Decorations() ? QPalette::AlternateBase : backgroundRole();
    painter.setPen(QuietText(palette(), palette().color(behind)));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("SlotLabel", kEmptyCaption));
}

void SlotLabel::SetDragOver(DragState state) {
    SetState("dragOver", state == DragState::Accepted);
    SetState("dragRefused", state == DragState::Refused);
    SpeakName();
}

void SlotLabel::dragEnterEvent(QDragEnterEvent* event) {
    const bool fromList = event->source() == nullptr || event->source() == DragSource ||
                          (DragSource != nullptr && event->source() == DragSource->viewport());
    const int row = DraggedRow(event->mimeData());
    if (!fromList || row < 0) return;
    if (Takes && !Takes(row)) {
        // Accepted only to follow the drag and show the refusal; the move itself is refused.
        event->accept();
        SetDragOver(DragState::Refused);
        return;
    }
    event->acceptProposedAction();
    SetDragOver(DragState::Accepted);
}

void SlotLabel::dragMoveEvent(QDragMoveEvent* event) {
    if (property("dragRefused").toBool()) {
        event->ignore();
        return;
    }
    QLabel::dragMoveEvent(event);
}

void SlotLabel::dragLeaveEvent(QDragLeaveEvent* event) {
    SetDragOver(DragState::None);
    QLabel::dragLeaveEvent(event);
}

void SlotLabel::dropEvent(QDropEvent* event) {
    const bool refused = property("dragRefused").toBool();
    SetDragOver(DragState::None);
    const int row = DraggedRow(event->mimeData());
    if (row < 0 || refused) return;
    event->acceptProposedAction();
    if (OnDrop) OnDrop(row);
}

}  // namespace korvel::qt

#include "platform/qt/HelpViewer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/qt/ScreenFit.h"

namespace korvel::qt {

namespace {

constexpr const char* kManual = "korvel/manual/index.html";
constexpr const char* kTitle = QT_TRANSLATE_NOOP("HelpViewer", "Korvel Help");
constexpr int kPictureWidth = 560;

// The manual's text with each picture given a size that reads beside the text: its own, or
// shrunk to kPictureWidth.
QString ManualText(const QString& page) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression picture(R"re(<img src="([^"]+)")re");
    QRegularExpressionMatchIterator found = picture.globalMatch(text);
    QList<QRegularExpressionMatch> matches;
    while (found.hasNext()) matches.prepend(found.next());
    for (const QRegularExpressionMatch& match : matches) {
        QSize size = QImageReader(QFileInfo(page).dir().filePath(match.captured(1))).size();
        if (!size.isValid()) continue;
        if (size.width() > kPictureWidth)
            size = size.scaled(kPictureWidth, 10000, Qt::KeepAspectRatio);
        text.insert(match.capturedEnd(),
                    QString(" width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()));
    }
    return text;
}

class HelpWindow : public QDialog {
  public:
    explicit HelpWindow(QWidget& over) : QDialog(&over, Qt::Window) {
        setObjectName("KorvelHelp");
        setWindowTitle(QCoreApplication::translate("HelpViewer", kTitle));
        setAttribute(Qt::WA_DeleteOnClose);
        Browser = new QTextBrowser(this);
        Browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(Browser);
        resize(780, 700);
    }

    QTextBrowser* Browser = nullptr;
};

}  // namespace

std::optional<QString> ManualPage() {
    QStringList candidates{QStandardPaths::locate(QStandardPaths::GenericDataLocation, kManual)};
    const QString programs = QCoreApplication::applicationDirPath();
    candidates << programs + "/../share/" + kManual << programs + "/share/" + kManual;
    for (const QString& page : candidates) {
        if (!page.isEmpty() && QFileInfo(page).isFile()) return QFileInfo(page).canonicalFilePath();
    }
    return std::nullopt;
}

void ShowHelp(QWidget& window, const QString& section) {
    const auto page = ManualPage();
    if (!page) {
        QMessageBox::information(
            &window, QCoreApplication::translate("HelpViewer", kTitle),
            QCoreApplication::translate("HelpViewer",
                                        "The manual is not installed: Korvel looked for %1 in the "
                                        "data folders of the system and beside the program.")
                .arg(kManual));
        return;
    }
    auto* help = window.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = new HelpWindow(window);
    if (help->Browser->document()->isEmpty()) {
        help->Browser->document()->setBaseUrl(QUrl::fromLocalFile(*page));
        help->Browser->setHtml(ManualText(*page));
    }
    help->show();
    FitToScreen(*help);
    help->raise();
    help->activateWindow();
    // Laid out once shown: only then is there a place to scroll to.
    help->Browser->document()->adjustSize();
    if (section.isEmpty()) {
        help->Browser->verticalScrollBar()->setValue(0);
    } else {
        help->Browser->scrollToAnchor(section);
    }
}

}  // namespace korvel::qt

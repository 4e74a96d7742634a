#include "platform/qt/HelpViewer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/qt/ScreenFit.h"

namespace korvel::qt {

namespace {

constexpr const char* kManual = "korvel/manual/index.html";
constexpr const char* kTitle = "Korvel Help";

class HelpWindow : public QDialog {
  public:
    explicit HelpWindow(QWidget& over) : QDialog(&over, Qt::Window) {
        setObjectName("KorvelHelp");
        setWindowTitle(kTitle);
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
        QMessageBox::information(&window, kTitle,
                                 "The manual is not installed: Korvel looked for " +
                                     QString(kManual) +
                                     " in the data folders of the system and "
                                     "beside the program.");
        return;
    }
    auto* help = window.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = new HelpWindow(window);
    QUrl url = QUrl::fromLocalFile(*page);
    if (!section.isEmpty()) url.setFragment(section);
    help->Browser->setSource(url);
    help->show();
    FitToScreen(*help);
    help->raise();
    help->activateWindow();
}

}  // namespace korvel::qt

#include "platform/qt/DesktopSettings.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

#include <system_error>

#include "platform/qt/QtText.h"

namespace korvel::qt {

namespace {

QString PlacementKey(const QString& name) {
    return "Windows/" + name + "/Geometry";
}

QString FolderKey(const std::string& dialogTitle) {
    return "FileDialogs/" + ToQString(dialogTitle) + "/Folder";
}

// Saves the place of the window it watches each time that window closes.
class PlacementKeeper : public QObject {
  public:
    PlacementKeeper(QWidget& window, const QString& name) : QObject(&window), name_(name) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) SavePlacement(*static_cast<QWidget*>(watched), name_);
        return false;
    }

  private:
    QString name_;
};

}  // namespace

void KeepPlacement(QWidget& window, const QString& name) {
    RestorePlacement(window, name);
    window.installEventFilter(new PlacementKeeper(window, name));
}

bool RestorePlacement(QWidget& window, const QString& name) {
    const QByteArray kept = QSettings().value(PlacementKey(name)).toByteArray();
    return !kept.isEmpty() && window.restoreGeometry(kept);
}

void SavePlacement(const QWidget& window, const QString& name) {
    QSettings().setValue(PlacementKey(name), window.saveGeometry());
}

std::optional<std::filesystem::path> RememberedFolder(const std::string& dialogTitle) {
    const QString kept = QSettings().value(FolderKey(dialogTitle)).toString();
    if (kept.isEmpty()) return std::nullopt;
    const std::filesystem::path folder = QStringToPath(kept);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
    return folder;
}

void RememberFolder(const std::string& dialogTitle, const std::filesystem::path& folder) {
    QSettings().setValue(FolderKey(dialogTitle), PathToQString(folder));
}

TableSort RememberedSort(const QString& table, int columnCount) {
    const QSettings settings;
    bool ok = false;
    const int column = settings.value("Tables/" + table + "/SortColumn", -1).toInt(&ok);
    if (!ok || column < 0 || column >= columnCount) return {};
    return {column, settings.value("Tables/" + table + "/Descending", false).toBool()};
}

void RememberSort(const QString& table, const TableSort& sort) {
    QSettings settings;
    settings.setValue("Tables/" + table + "/SortColumn", sort.Column);
    settings.setValue("Tables/" + table + "/Descending", sort.Descending);
}

}  // namespace korvel::qt

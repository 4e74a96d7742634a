#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

class QFileSystemWatcher;
class QTimer;

namespace korvel {

// Tells when the files of the loaded league may have changed on disk, without waking the program
// while nothing happens: the file system reports changes to the league's files and folder. Where
// it cannot (a network folder, a watch refused), a slow timer looks now and then instead.
class LeagueWatch : public QObject {
  public:
    static constexpr int kSlowCheckMilliseconds = 15000;

    LeagueWatch(QObject* parent, std::function<void()> touched);

    // Watches the league of base path `league` (empty: none) instead of the one before.
    void Watch(const std::filesystem::path& league);
    bool Slow() const;

  private:
    void Touched();
    void WatchFiles();

    std::function<void()> touched_;
    std::filesystem::path league_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* slowCheck_ = nullptr;
};

}  // namespace korvel

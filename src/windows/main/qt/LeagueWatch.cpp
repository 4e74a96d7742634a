#include "windows/main/qt/LeagueWatch.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include "league/LeagueFiles.h"
#include "platform/RemoteFolder.h"
#include "platform/qt/QtText.h"

namespace korvel {

LeagueWatch::LeagueWatch(QObject* parent, std::function<void()> touched)
    : QObject(parent), touched_(std::move(touched)) {
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { Touched(); });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { Touched(); });
    slowCheck_ = new QTimer(this);
    slowCheck_->setInterval(kSlowCheckMilliseconds);
    connect(slowCheck_, &QTimer::timeout, this, [this] { touched_(); });
}

void LeagueWatch::Watch(const std::filesystem::path& league) {
    if (league == league_) return;
    league_ = league;
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    slowCheck_->stop();
    if (league.empty()) return;
    // The folder tells of files written anew under the league's names (a new file renamed over
    // the old one leaves the watch on the old file behind).
    const std::filesystem::path folder = league.parent_path().empty() ? "." : league.parent_path();
    const bool folderWatched = watcher_->addPath(qt::PathToQString(folder));
    WatchFiles();
    if (!folderWatched || ChangesMaySlipPastWatching(folder)) slowCheck_->start();
}

bool LeagueWatch::Slow() const {
    return slowCheck_->isActive();
}

void LeagueWatch::WatchFiles() {
    for (const char* extension : {".lge", ".tms", ".ros"}) {
        const QString file = qt::PathToQString(WithExtension(league_, extension));
        if (!watcher_->files().contains(file) && FileExists(WithExtension(league_, extension))) {
            watcher_->addPath(file);
        }
    }
}

void LeagueWatch::Touched() {
    WatchFiles();
    touched_();
}

}  // namespace korvel

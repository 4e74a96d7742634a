#include "platform/qt/LeagueMemory.h"

#include <QSettings>
#include <QStringList>
#include <QUrl>

#include "platform/qt/QtText.h"

namespace korvel::qt {

namespace {

constexpr const char* kRecentKey = "Leagues/Recent";

// One league, one name, however the path was written.
QString LeagueName(const std::filesystem::path& league) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(league, error);
    return PathToQString((error ? league : absolute).lexically_normal());
}

// A path holds slashes, which QSettings takes for groups: the key is the path percent-encoded.
QString TeamKey(const std::filesystem::path& league) {
    return "Leagues/Team/" + QString::fromLatin1(QUrl::toPercentEncoding(LeagueName(league)));
}

}  // namespace

std::optional<int> RememberedTeam(const std::filesystem::path& league) {
    bool ok = false;
    const int team = QSettings().value(TeamKey(league)).toInt(&ok);
    if (!ok || team < 0) return std::nullopt;
    return team;
}

void RememberTeam(const std::filesystem::path& league, int team) {
    QSettings settings;
    const QString key = TeamKey(league);
    if (settings.value(key).toInt() != team || !settings.contains(key))
        settings.setValue(key, team);
}

std::vector<std::filesystem::path> RecentLeagues() {
    std::vector<std::filesystem::path> leagues;
    for (const QString& league : QSettings().value(kRecentKey).toStringList()) {
        if (static_cast<int>(leagues.size()) == kRecentLeagues) break;
        if (!league.isEmpty()) leagues.push_back(QStringToPath(league));
    }
    return leagues;
}

void AddRecentLeague(const std::filesystem::path& league) {
    QSettings settings;
    QStringList leagues = settings.value(kRecentKey).toStringList();
    const QString name = LeagueName(league);
    if (!leagues.isEmpty() && leagues.front() == name) return;
    leagues.removeAll(name);
    leagues.prepend(name);
    while (leagues.size() > kRecentLeagues) leagues.removeLast();
    settings.setValue(kRecentKey, leagues);
}

}  // namespace korvel::qt

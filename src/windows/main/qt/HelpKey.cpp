#include "windows/main/qt/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/HelpViewer.h"
#include "windows/briefing/qt/GameDayBriefingForm.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/main/qt/MainForm.h"
#include "windows/player/qt/PlayerInfoForm.h"
#include "windows/roster/qt/AddPlayerForm.h"
#include "windows/roster/qt/RosterForm.h"
#include "windows/season/qt/SeasonViewForm.h"
#include "windows/standings/qt/StandingsForm.h"
#include "windows/team/qt/DisplayTeamForm.h"

namespace korvel {

QString HelpSection(const QWidget& window) {
    if (dynamic_cast<const MainForm*>(&window) != nullptr) return "main";
    if (dynamic_cast<const RosterForm*>(&window) != nullptr) return "roster";
    if (dynamic_cast<const AddPlayerForm*>(&window) != nullptr) return "add-player";
    if (dynamic_cast<const PlayerInfoForm*>(&window) != nullptr) return "player-card";
    if (dynamic_cast<const LinesForm*>(&window) != nullptr) return "lines";
    if (dynamic_cast<const DisplayTeamForm*>(&window) != nullptr) return "team-info";
    if (dynamic_cast<const StandingsForm*>(&window) != nullptr) return "standings";
    if (dynamic_cast<const GameDayBriefingForm*>(&window) != nullptr) return "briefing";
    if (dynamic_cast<const SeasonViewForm*>(&window) != nullptr) return "season";
    return {};
}

HelpKey::HelpKey(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    const QString section = HelpSection(*window);
    if (section.isEmpty()) return false;
    qt::ShowHelp(*window, section);
    return true;
}

}  // namespace korvel

#pragma once

#include <array>
#include <functional>

#include "league/GameDayHistory.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"
#include "session/Briefing.h"

namespace korvel {

// The game-day briefing of the current team: its record and rank before and now, then one list
// per kind of news. Every entry leads somewhere: a player to his card, a readiness problem to the
// roster or lines window.
class GameDayBriefing : public Window {
  public:
    static constexpr const char* kCaption = KORVEL_TEXT("GameDayBriefing", "Briefing");
    enum Section { Injuries, Suspensions, Arrived, Left, Waivers, Readiness, kSections };
    // What an entry's item data means in the Readiness list; -1 in any list: nothing to open.
    enum Opens { kNothing = -1, kRosterWindow = 0, kLinesWindow = 1 };
    struct Openers {
        std::function<void()> Roster, Lines;  // as the Coach menu opens them
        std::function<void()> Season;         // as Manager > Season opens it
    };

    GameDayBriefing(Variables& vars, Ui& ui, const GameDayVisit& visit, Openers open);

    // State: the briefing shown.
    korvel::Briefing Shown;

    // Controls.
    Label lblTitle;
    Label lblRecord;
    Label lblRank;
    std::array<Label, kSections> lblSection;
    // Item data: the player's roster place (Left: the place he left), the waiver list entry, or
    // Opens for readiness.
    std::array<ListBox, kSections> lstSection;
    // Whether a section has entries to list; one without says so in its heading alone
    // ("Injuries: no change").
    std::array<bool, kSections> SectionShown{};
    // The characters of a list line: longer entries are wrapped into several lines.
    static constexpr std::size_t kListColumns = 46;
    CheckBox chkShowAtStart{KORVEL_TEXT("GameDayBriefing", "Show at start"), true};
    Button cmdSeason{KORVEL_TEXT("GameDayBriefing", "Season so far\u2026")};
    Button cmdExit{KORVEL_TEXT("GameDayBriefing", "Exit")};

    void Form_Load() override;
    // Double click or Enter on the entry selected in list `section`.
    void lstSection_DblClick(int section);
    void cmdSeason_Click();
    void cmdExit_Click();

  private:
    void Fill();
    void ShowCardOf(const Player& player, const std::string& team);
    void ShowTeamPlayer(int index);

    Variables& vars_;
    Ui& ui_;
    const GameDayVisit& visit_;
    Openers open_;
};

}  // namespace korvel

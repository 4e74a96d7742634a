#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"

namespace korvel {

// The player card: one player of the current team (roster slot 0, CurrentPlayerIndex) with his
// identity, status, salary, skills, overall rating and season statistics. Read-only; the height
// toggles between feet and inches and centimetres.
class PlayerInfo : public Window {
  public:
    static constexpr const char* kCaption = KORVEL_TEXT("PlayerInfo", "Player Info");
    static constexpr int kSkillLabels = 14;  // the thirteen skills, then the overall rating
    static constexpr int kStatistics = 12;

    explicit PlayerInfo(Variables& vars);
    // The card of a player of no place in slot 0 (another team's, a waived or a departed
    // player), read from a copy; `team` is what the title says after his name ("Quebec",
    // "left Memphis").
    PlayerInfo(Variables& vars, const Player& player, std::string team);

    // State.
    bool InchesShown = true;

    // Controls.
    Label Label1;  // title: name and team
    Label lblPos, lblNum, lblHD, lblHgt, lblWgt, lblAge, lblSts, lblCon;
    Label lblBirthplace, lblContract, lblSalary;
    Label lblExp{KORVEL_TEXT("PlayerInfo", "Veteran")};
    std::array<Label, kSkillLabels> lblSkill;
    Label HgtValue{"", false};  // the height in inches, read back by the toggle
    // Statistics; their meaning and captions depend on the player's kind (skater or goalie).
    Label lblGP, lblG, lblA, lblP, lblPIM, lblPlus{"0"}, lblPP, lblSH, lblGW, lblGT, lblShots;
    Label lblShoot{KORVEL_TEXT("PlayerInfo", "N/A")};
    std::array<Label, kStatistics> lblStatCaption;  // the caption of each statistic, in order
    Button Command1{KORVEL_TEXT("PlayerInfo", "Exit")};

    void Form_Load() override;
    void lblHgt_Click();
    void Command1_Click();

    // One field of the card: its control name ("lblPos", "lblSkill(3)"), the caption beside it
    // (empty for none), its control and whether it is one of the statistics.
    struct Field {
        std::string Name;
        std::string Caption;
        const Label* Value;
        bool IsStatistic = false;
    };
    // Every field of the card in order: title, identity, skills and overall, HgtValue, then the
    // statistics with their current captions.
    std::vector<Field> Fields() const;
    // The label with this control name, the statistics captions ("lblStatCaption(2)") included;
    // null for an unknown name.
    Label* Control(std::string_view name);

  private:
    void ShowFeetAndInches();
    void ShowCentimetres();
    void ShowSkaterStatistics(const Player& player);
    void ShowGoalieStatistics(const Player& player);
    const Player& SlotPlayer() const;

    Variables& vars_;
    std::optional<Player> lent_;
    std::string lentTeam_;
};

// Opens the card of roster place `index` of slot 0 modally, as the roster window's double click
// does. An index outside 0..49 or an empty place opens nothing; returns whether the card opened.
bool ShowPlayerCard(Variables& vars, Ui& ui, int index);
// Opens the card of a copy of `player` with `team` in its title; an empty record opens nothing.
bool ShowPlayerCard(Variables& vars, Ui& ui, const Player& player, const std::string& team);

}  // namespace korvel

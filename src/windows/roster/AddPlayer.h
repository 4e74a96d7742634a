#pragma once

#include <array>
#include <optional>

#include "league/GameRoster.h"
#include "league/Variables.h"
#include "platform/Controls.h"
#include "platform/Phrase.h"
#include "platform/Ui.h"
#include "platform/Window.h"

namespace korvel {

// The add-player window: the manager describes a new player for the current team. OK checks the
// entries and hands the player back in NewPlayer; the roster window puts him in his place.
class AddPlayer : public Window {
  public:
    static constexpr const char* kCaption = KORVEL_TEXT("AddPlayer", "Add Player");
    static constexpr int kSkills = 13;

    AddPlayer(const Variables& vars, Ui& ui);

    // Controls.
    Label Label1;  // "Add player to " and the team name
    TextBox txtName{"", 22};
    ListBox cboPosition;  // C, LW, RW, D, G
    NumberBox txtNumber{KORVEL_TEXT("AddPlayer", "Number"), 0, 99, 1};
    ListBox cboHand;  // Left, Right
    NumberBox txtHeight{KORVEL_TEXT("AddPlayer", "Height (in)"), 60, 84, 72};
    NumberBox txtWeight{KORVEL_TEXT("AddPlayer", "Weight"), 120, 255, 190};
    NumberBox txtAge{KORVEL_TEXT("AddPlayer", "Age"), 16, 45, 20};
    TextBox txtBirthplace{"", 3};
    CheckBox chkRookie{KORVEL_TEXT("AddPlayer", "Rookie"), true};
    NumberBox txtSalary{KORVEL_TEXT("AddPlayer", "Salary"), 0, 20'000'000, 500'000};
    NumberBox txtContract{KORVEL_TEXT("AddPlayer", "Contract"), 0, 10, 1};
    std::array<NumberBox, kSkills> txtSkill;
    Button cmdOK{KORVEL_TEXT("AddPlayer", "OK")};
    Button cmdCancel{KORVEL_TEXT("AddPlayer", "Cancel")};

    // The player to add, set by OK.
    std::optional<Player> NewPlayer;

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();

  private:
    // The first number from 1 to 99 that no player of the team wears, else 1.
    int FreeNumber() const;
    Player MakePlayer() const;

    const Variables& vars_;
    Ui& ui_;
};

}  // namespace korvel

#pragma once

#include <array>
#include <vector>

#include "platform/qt/ReadinessLabel.h"
#include "platform/qt/WindowForm.h"
#include "windows/roster/Roster.h"
#include "windows/roster/qt/RosterTable.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace korvel {

// The game roster window on screen: the game roster, the scratches and the farm club side by side,
// the move buttons under them, the position filters and the window's commands. Players move with
// the buttons, by dragging selected rows onto another list, or by the keyboard shortcuts.
class RosterForm : public qt::DialogForm {
  public:
    explicit RosterForm(Roster& window, QWidget* parent = nullptr);

    // The widgets, named after the controls they show.
    QLabel* Label1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label6 = nullptr;
    std::array<RosterTable*, Roster::kLists> list1{};
    std::array<QPushButton*, Roster::kMoveButtons> cmdMovePlayer{};
    std::array<QPushButton*, 5> Check1{};
    QLabel* Label4 = nullptr;
    QCheckBox* chkProtect = nullptr;
    QPushButton* cmdAuto = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdExit = nullptr;
    // The dressed count per position against the game-roster rules, and what is missing.
    std::array<QLabel*, Roster::kRules> lblRule{};
    QLabel* lblMissing = nullptr;
    qt::ReadinessLabel* lblReady = nullptr;  // whether the team is ready for the next game

  private:
    void CreateRuleCounts();
    void ShowRuleCounts();
    void CreateWidgets();
    void ApplyStyle();
    void CreateButtons();
    void CreateShortcuts();
    void Bind();
    // Runs a handler with the tables' selections read into the lists first.
    void RunWithSelection(const std::function<void()>& handler);
    // The selected rows of table `from` were dropped on table `to`: the move buttons between the
    // two run, one after the other when the lists are not neighbours.
    void MoveByDrop(int from, int to);

    Roster& window_;
};

}  // namespace korvel

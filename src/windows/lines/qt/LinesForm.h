#pragma once

#include <QLabel>

#include <array>

#include "platform/qt/RinkPicture.h"
#include "platform/qt/SlotLabel.h"
#include "platform/qt/WindowForm.h"
#include "windows/lines/Lines.h"

class QAbstractButton;
class QListWidget;
class QPushButton;

namespace korvel {

// The lines window on screen: the four lines of the chosen view over a rink, the goalie and extra
// skaters at the left, the dressed players to choose from at the right. A player is placed by
// selecting him in the list and clicking a slot, or by dragging him onto the slot.
class LinesForm : public qt::DialogForm {
  public:
    explicit LinesForm(Lines& window, QWidget* parent = nullptr);

    // The widgets, named after the controls they show.
    std::array<qt::SlotLabel*, Lines::kSlotLabels> lblPlayer{};
    std::array<QLabel*, 4> Label1{};
    std::array<QLabel*, 10> Label2{};
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QListWidget* List2 = nullptr;
    std::array<QPushButton*, 5> Check1{};
    QPushButton* optEven = nullptr;
    QPushButton* optPP = nullptr;
    QPushButton* optPK = nullptr;
    QPushButton* cmdAuto = nullptr;
    QPushButton* cmdLoadLines = nullptr;
    QPushButton* cmdSaveLines = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblReady = nullptr;  // whether the lines file saved now would pass the league
    // The item data role of List2 holding a candidate's LineUse.
    static constexpr int kUseRole = Qt::UserRole + 1;

  private:
    void CreateWidgets();
    void CreateSlots();
    void CreateChoosers();
    void CreateShortcuts();
    void LayOut();
    void ShowStyles();
    void DropOnSlot(int n, int row);
    // Clearing and exchanging slots, and the marks of how often each candidate is used.
    void CreateSlotEditing();
    // The Edit menu's Undo and Redo, and the line that says whether the lines are ready.
    void CreateEditState();
    void ShowCandidateUse();

    Lines& window_;
    qt::RinkBackground* background_ = nullptr;
    QLabel* hint_ = nullptr;
};

}  // namespace korvel

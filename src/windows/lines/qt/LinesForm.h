#pragma once

#include <QLabel>

#include <array>

#include "platform/qt/ReadinessLabel.h"
#include "platform/qt/RinkPicture.h"
#include "platform/qt/SlotLabel.h"
#include "platform/qt/WindowForm.h"
#include "windows/lines/Lines.h"
#include "windows/lines/qt/CandidateTable.h"

class QComboBox;
class QPushButton;

namespace korvel {

// The lines window on screen: the four lines of the chosen view over a rink, the goalie, the extra
// skaters and the buttons at their left, the dressed players to choose from at the right. A
// player is placed by selecting him in the list and clicking a slot (or pressing Enter on it), or
// by dragging him onto the slot. F6 goes from the list to the slots and back; on a slot the arrow
// keys move to the next slot, Alt and an arrow exchange the player with that slot's, and X marks a
// slot to exchange with the next slot X is pressed on.
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
    CandidateTable* List2 = nullptr;
    std::array<QPushButton*, 5> Check1{};
    QPushButton* optEven = nullptr;
    QPushButton* optPP = nullptr;
    QPushButton* optPK = nullptr;
    QPushButton* cmdAuto = nullptr;
    QPushButton* cmdLoadLines = nullptr;
    QPushButton* cmdSaveLines = nullptr;
    QPushButton* cmdExit = nullptr;
    qt::ReadinessLabel* lblReady = nullptr;  // whether the team is ready for the next game
    // The order of the candidates, for the keyboard (the table's headers do the same).
    QComboBox* SortOrder = nullptr;

    // The slot marked for an exchange by X; -1 for none.
    int MarkedSlot() const { return marked_; }

  private:
    void CreateWidgets();
    void CreateSlots();
    void CreateChoosers();
    void CreateShortcuts();
    void LayOut();
    void ShowStyles();
    void DropOnSlot(int n, int row);
    void ReadSelection();
    // Clearing and exchanging slots, and moving among them, with the mouse or the keyboard.
    void CreateSlotEditing();
    // The Edit menu's Undo and Redo, and the line that says whether the lines are ready.
    void CreateEditState();
    void KeepNamesWhole();
    // The visible slot nearest to slot `n` in the direction of an arrow key; -1 for none.
    int Neighbour(int n, int arrowKey) const;
    void ExchangeWithNeighbour(int n, int arrowKey);
    void MarkOrExchange(int n);
    void Unmark();
    // F6: from the list to the slot last used, from anywhere else to the list.
    void ToggleListAndSlots();

    Lines& window_;
    qt::RinkBackground* background_ = nullptr;
    QWidget* ice_ = nullptr;       // where the rink may grow
    QWidget* rinkArea_ = nullptr;  // what stands on it: the slots and the buttons
    QLabel* hint_ = nullptr;
    int lastSlot_ = 0;
    int marked_ = -1;
    int markedView_ = 0;
};

}  // namespace korvel

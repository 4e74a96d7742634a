#pragma once

#include <array>

#include "platform/qt/WindowForm.h"
#include "windows/roster/AddPlayer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace korvel {

// The add-player window on screen: the new player's name and profile at the left, his thirteen
// skills at the right, OK and Cancel below. Every number has its range; OK checks the rest.
class AddPlayerForm : public qt::DialogForm {
  public:
    explicit AddPlayerForm(AddPlayer& window, QWidget* parent = nullptr);

    // The widgets, named after the controls they show.
    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cboPosition = nullptr;
    QSpinBox* txtNumber = nullptr;
    QComboBox* cboHand = nullptr;
    QSpinBox* txtHeight = nullptr;
    QSpinBox* txtWeight = nullptr;
    QSpinBox* txtAge = nullptr;
    QLineEdit* txtBirthplace = nullptr;
    QCheckBox* chkRookie = nullptr;
    QSpinBox* txtSalary = nullptr;
    QSpinBox* txtContract = nullptr;
    std::array<QSpinBox*, AddPlayer::kSkills> txtSkill{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  private:
    // Copies what the user typed and chose into the controls.
    void ReadInput();

    AddPlayer& window_;
};

}  // namespace korvel

#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "platform/qt/WindowForm.h"
#include "windows/player/PlayerInfo.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace korvel {

class ExperienceTag;

// A skill rating 0 to 99 drawn as a short horizontal bar; nothing is drawn without a rating.
class SkillBar : public QWidget {
  public:
    explicit SkillBar(QWidget* parent);

    void SetValue(std::optional<int> value);
    std::optional<int> Value() const { return value_; }
    // The skill the bar shows: a screen reader names the bar "Skating: 72".
    void SetSkill(const QString& skill);

    QSize sizeHint() const override { return {140, 10}; }
    QSize minimumSizeHint() const override { return {60, 8}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<int> value_;
    QString skill_;
};

// The player card on screen: the title line, the identity block, the skills with their bars, the
// season statistics under their captions, and Exit. Each label is named after the control it
// shows ("lblHgt", "lblSkill(3)", "lblStatCaption(5)"); the height toggles on a click or, once it
// has the focus, on Space or Enter.
class PlayerInfoForm : public qt::DialogForm {
  public:
    explicit PlayerInfoForm(PlayerInfo& window, QWidget* parent = nullptr);

    // The label showing the control with this name; null when there is none.
    QLabel* FieldLabel(const QString& name) const;

    std::array<SkillBar*, PlayerInfo::kSkillLabels> skillBars{};
    QPushButton* Command1 = nullptr;

  private:
    QWidget* CreateHeader();
    QWidget* CreateIdentity();
    QWidget* CreateSkills();
    QWidget* CreateStatistics();
    void BindLabelsByName();
    void ShowBarsAndCaptions();

    PlayerInfo& window_;
    QGridLayout* statistics_ = nullptr;
    ExperienceTag* experience_ = nullptr;
};

}  // namespace korvel

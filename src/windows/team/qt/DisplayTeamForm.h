#pragma once

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "platform/qt/WindowForm.h"
#include "windows/team/DisplayTeam.h"
#include "windows/team/qt/StrengthChart.h"

class QLabel;
class QPushButton;

namespace korvel {

// Bars of the finance projection: current finances, estimated revenue, projected expenses and
// projected balance, on one scale with the zero line where it falls; negative amounts hang below.
class FinanceChart : public QWidget {
  public:
    static constexpr int kBars = 4;
    using Amounts = std::array<std::int64_t, kBars>;

    explicit FinanceChart(QWidget* parent = nullptr);
    void SetAmounts(const Amounts& amounts);
    const Amounts& Shown() const { return amounts_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Amounts amounts_{};
};

// The team information window on screen: the team name on top, the identity rows below it, then
// three panels (finances with their chart, roster make-up, record and statistics) over a dark
// background of the form's own, and the three buttons.
class DisplayTeamForm : public qt::DialogForm {
  public:
    explicit DisplayTeamForm(DisplayTeam& window, QWidget* parent = nullptr);

    // The value field named after the control it shows ("lblProjBal"...).
    QLabel& Value(const std::string& name) const { return *values_.at(name); }
    QPushButton* Command1 = nullptr;  // Exit
    QPushButton* Command2 = nullptr;  // Team Lines
    QPushButton* Command3 = nullptr;  // Team Roster
    FinanceChart* Chart = nullptr;
    StrengthChart* Strength = nullptr;
    // The deficit's red as shown: the control's pure red reads too faintly on the dark blue.
    static inline const QColor kDeficitShown{0xff, 0x5c, 0x5c};

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* MakeIdentity();
    QWidget* MakePanel(const char* title, const std::vector<const char*>& fields);
    QWidget* MakeStrengthPanel();
    QPushButton* MakeButton(const QString& text, const char* name);
    void BindFields();
    void ShowChart();

    DisplayTeam& window_;
    std::map<std::string, QLabel*> values_;
};

}  // namespace korvel

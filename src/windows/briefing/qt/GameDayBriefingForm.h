#pragma once

#include <array>

#include "platform/qt/WindowForm.h"
#include "windows/briefing/GameDayBriefing.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvel {

// Whether the briefing opens by itself after a load that finds a new game day ("Show at start").
bool BriefingShowsAtStart();

// The briefing on screen: the title, record and rank on top, then the lists in two columns, and
// "Show at start" and Exit below. Alt and the underlined letter of a heading goes to its list;
// Enter or a double click on an entry opens what it leads to.
class GameDayBriefingForm : public qt::DialogForm {
  public:
    explicit GameDayBriefingForm(GameDayBriefing& window, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblRecord = nullptr;
    QLabel* lblRank = nullptr;
    std::array<QLabel*, GameDayBriefing::kSections> lblSection{};
    std::array<QListWidget*, GameDayBriefing::kSections> lstSection{};
    QCheckBox* chkShowAtStart = nullptr;
    QPushButton* cmdSeason = nullptr;
    QPushButton* cmdExit = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* MakeSection(int section, QWidget* parent);
    void FitWidth(QListWidget& list);
    void Activate(int section);

    GameDayBriefing& window_;
};

}  // namespace korvel

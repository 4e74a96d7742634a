#pragma once

#include <array>

#include "platform/qt/WindowForm.h"
#include "windows/season/SeasonView.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace korvel {

class SeasonChart;

// The season on screen: the title and the run in words, the chart of points and goal difference,
// the form tables of skaters and goalies (sortable by any column; hot and cold skaters marked),
// the absences and the waiver wire. Enter or a double click on a player opens his card.
class SeasonViewForm : public qt::DialogForm {
  public:
    explicit SeasonViewForm(SeasonView& window, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblNote = nullptr;
    QLabel* lblRun = nullptr;
    SeasonChart* chart = nullptr;
    QTableWidget* tblSkaters = nullptr;
    QTableWidget* tblGoalies = nullptr;
    QListWidget* lstAbsences = nullptr;
    QListWidget* lstWaivers = nullptr;
    QPushButton* cmdExit = nullptr;

    // The roster place a form table's row shows.
    static int PlayerOfRow(const QTableWidget& table, int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableWidget* MakeTable(bool goalies, const QString& name);
    void FillTables();
    void OpenRow(const QTableWidget& table, int row);

    SeasonView& window_;
};

}  // namespace korvel

#pragma once

#include <array>
#include <vector>

#include "platform/qt/WindowForm.h"
#include "windows/standings/Standings.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace korvel {

// The standings on screen: the tables of conference 0 in the left column and of conference 1 in
// the right, each under its division's name, the teams of no division below, and Exit. The current
// team's row stands out; a double click or Enter on a row makes that team current.
class StandingsForm : public qt::DialogForm {
  public:
    static constexpr int kColumns = 10;  // Rank, Team, GP, W, L, T, PTS, GF, GA, DIFF

    explicit StandingsForm(Standings& window, QWidget* parent = nullptr);

    // One table per division of window.Shown.Divisions, in that order.
    std::vector<QTableWidget*> Tables;
    QLabel* lblUnlisted = nullptr;
    QPushButton* cmdExit = nullptr;

    // The team index a table row shows.
    static int TeamOfRow(const QTableWidget& table, int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MakeCurrent(const QTableWidget& table, int row);
    QWidget* MakeDivision(const DivisionStandings& division);
    void ShowCurrentTeam();
    // Every table has the same column widths, so that the columns line up from table to table.
    struct TableSizes {
        std::array<int, kColumns> Columns{};
        int Row = 0;
        int Header = 0;
    };
    TableSizes MeasureTables(const QFont& font) const;

    Standings& window_;
    TableSizes sizes_;
    int shownCurrent_ = -1;  // the team whose row stands out
};

}  // namespace korvel

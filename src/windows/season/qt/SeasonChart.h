#pragma once

#include <QWidget>

#include <vector>

#include "session/Season.h"

namespace korvel {

// The team's run drawn by hand: points by game day as a line, goal difference as bars about a
// middle line, and the division rank written above each game day. Painting it costs a few lines
// and rectangles; its accessible name says what it shows.
class SeasonChart : public QWidget {
  public:
    explicit SeasonChart(QWidget* parent = nullptr);
    void SetDays(std::vector<SeasonGameDay> days);
    const std::vector<SeasonGameDay>& Days() const { return days_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<SeasonGameDay> days_;
};

}  // namespace korvel

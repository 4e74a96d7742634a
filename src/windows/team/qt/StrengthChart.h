#pragma once

#include <QWidget>

#include "ratings/PositionalStrength.h"

namespace korvel {

// One row per position: a bar of the mean overall rating of the best dressed players the game
// roster asks for, over a paler bar of the best of the whole pro roster, with both numbers. Colours
// come from the widget's palette: bars in its highlight colour, texts in its window text colour.
class StrengthChart : public QWidget {
  public:
    explicit StrengthChart(QWidget* parent = nullptr);
    void SetStrength(const TeamStrength& strength);
    const TeamStrength& Shown() const { return strength_; }

    // "72.3", "72.3 (2 of 3)" when fewer players than asked for were there, "-" for none.
    static QString MeanText(const std::optional<double>& mean, int counted, int wanted);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TeamStrength strength_{};
};

}  // namespace korvel

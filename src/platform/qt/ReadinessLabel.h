#pragma once

#include <QLabel>
#include <QWidget>

#include <string>

namespace korvel::qt {

// A window's answer to "is the team ready for the next game?": the line it is given, after the
// desktop's warning icon while the team is not ready.
class ReadinessLabel : public QWidget {
  public:
    explicit ReadinessLabel(QWidget* parent = nullptr);

    void Show(const std::string& line, bool ready);
    // Keeps the line to one line of the room it is given, the whole line in its tooltip: for a
    // window whose height is spent elsewhere.
    void KeepToOneLine();
    QString text() const { return text_->text(); }
    // Whether the warning icon shows.
    bool Warns() const { return !icon_->isHidden(); }

  private:
    QLabel* icon_;
    QLabel* text_;
};

}  // namespace korvel::qt

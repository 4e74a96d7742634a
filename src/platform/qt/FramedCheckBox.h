#pragma once

#include <QCheckBox>

namespace korvel::qt {

// A check box whose box keeps a frame that stands out from the window whatever the desktop's theme
// (some styles draw it in a shade of the window colour, which a dark theme all but hides).
class FramedCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvel::qt

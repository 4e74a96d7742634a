#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace korvel {

// The manual's section about the window `window` shows; empty for a window it has none for.
QString HelpSection(const QWidget& window);

// F1 in any window of the program opens the manual at that window's section. Installed on the
// application; the main window's own Help menu item takes F1 there.
class HelpKey : public QObject {
  public:
    explicit HelpKey(QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korvel

#pragma once

#include <QFrame>
#include <QLabel>

namespace korvel {

// The team window's painted pieces, light on its dark backdrop whatever the desktop's palette;
// without the decorations each is its plain widget.

// A panel of the window: a translucent dark rounded box with a faint light frame.
class TeamPanel : public QFrame {
  public:
    explicit TeamPanel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A panel's heading: bold, spaced, in gold over a faint rule.
class PanelHeading : public QLabel {
  public:
    PanelHeading(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Colours `label`'s text as the window's captions are: bold, in pale blue.
void ShowAsTeamCaption(QLabel& label);

}  // namespace korvel

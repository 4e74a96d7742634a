#pragma once

#include <QApplication>
#include <QPalette>

namespace korvel::test {

// A dark desktop palette, as a dark desktop theme gives the program.
inline QPalette DarkPalette() {
    QPalette dark;
    const QColor text(232, 232, 232);
    dark.setColor(QPalette::Window, QColor(36, 38, 42));
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(27, 29, 32));
    dark.setColor(QPalette::AlternateBase, QColor(44, 47, 52));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(48, 51, 56));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(61, 142, 230));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(70, 60, 20));
    dark.setColor(QPalette::ToolTipText, text);
    return dark;
}

// Runs `body` once in the desktop's light palette and once in the dark one; `dark` tells which.
template <class Body>
void InLightAndDark(Body body) {
    const QPalette light = QApplication::palette();
    body(false);
    QApplication::setPalette(DarkPalette());
    body(true);
    QApplication::setPalette(light);
}

}  // namespace korvel::test

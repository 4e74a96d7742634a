#include "platform/qt/Palettes.h"

namespace korvel::qt {

QPalette DarkPalette() {
    QPalette palette;
    const QColor window(45, 48, 53);
    const QColor base(30, 32, 36);
    const QColor text(232, 235, 238);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window.lighter(115));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, window.lighter(160));
    palette.setColor(QPalette::Midlight, window.lighter(130));
    palette.setColor(QPalette::Mid, window.lighter(170));
    palette.setColor(QPalette::Dark, window.darker(130));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(61, 132, 230));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 155, 160));
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 124, 128));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 124, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 124, 128));
    return palette;
}

}  // namespace korvel::qt

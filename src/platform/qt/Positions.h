#pragma once

#include <QColor>
#include <QString>

#include <span>

namespace korvel::qt {

// How a position looks on screen: its short name and its colour. Every badge, letter and filter
// button of the program takes both from here; each colour carries white letters at 4.5:1 or more.
struct PositionLook {
    QString Name;
    QColor Colour;
};

// C, LW, RW, D and G in the order of the player record's position codes (0 to 4), then W, the
// letter of a slot either wing may take.
std::span<const PositionLook> PositionLooks();
// The look of a position code from a player record; nullptr for a code outside 0 to 4.
const PositionLook* LookOfPosition(int code);
// The look of a position's short name ("LW"); nullptr for any other text.
const PositionLook* LookOfName(const QString& name);

}  // namespace korvel::qt

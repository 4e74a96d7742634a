#pragma once

#include <QPalette>

namespace korvel::qt {

// A dark desktop palette as dark themes set it, for trying the windows with one (the pictures and
// the tests use it with the Fusion style).
QPalette DarkPalette();

// The contrast of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor& one, const QColor& other);

// Secondary text (hints, counts met, an empty slot's word): the palette's text colour faded
// towards `background` only as far as it stays readable on it (4.5:1).
QColor QuietText(const QPalette& palette, const QColor& background);

// A frame that stands out from the base colour inside it and the window around it (3:1),
// whatever the desktop's theme: its mid colour, darkened or lightened towards the text as needed.
QColor FrameColour(const QPalette& palette);

// The desktop's palette changed where needed so that every text reads at 4.5:1: the placeholder
// text (secondary texts) against the window (and the shade of a backdrop) and base colours, and
// the highlight against the highlighted text on it; and the mid colour of frames against the base
// and window colours (3:1). Every other colour stays the desktop's.
QPalette ReadablePalette(const QPalette& desktop);

// Gives the application the readable form of its palette, unless it has it already. The windows
// call it when they open and whenever the desktop's palette changes.
void KeepApplicationPaletteReadable();

}  // namespace korvel::qt

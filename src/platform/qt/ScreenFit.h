#pragma once

class QWidget;

namespace korvel::qt {

// Makes a top-level window fit the available area of the screen it opens on: its size is cut to
// that area (window frame included) but not below its minimum size, and it is moved so that the
// whole frame lies on the screen (its top left corner first). A window that already fits keeps its
// size and place.
void FitToScreen(QWidget& window);

}  // namespace korvel::qt

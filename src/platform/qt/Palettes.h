#pragma once

#include <QPalette>

namespace korvel::qt {

// A dark desktop palette as dark themes set it, for trying the windows with one (the pictures and
// the tests use it with the Fusion style).
QPalette DarkPalette();

}  // namespace korvel::qt

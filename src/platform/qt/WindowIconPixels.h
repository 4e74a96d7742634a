#pragma once

#include <cstdint>
#include <span>

namespace korvel::qt {

// One size of the window icon: Side by Side pixels, row by row, each premultiplied ARGB.
struct IconPixels {
    int Side;
    const std::uint32_t* Pixels;
};

// The window icon in the sizes a title bar draws it (the build renders and converts them).
std::span<const IconPixels> WindowIconPixels();

}  // namespace korvel::qt

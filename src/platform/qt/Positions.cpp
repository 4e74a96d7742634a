#include "platform/qt/Positions.h"

#include <array>

namespace korvel::qt {

namespace {
constexpr int kPositionCodes = 5;
}  // namespace

std::span<const PositionLook> PositionLooks() {
    static const std::array<PositionLook, 6> looks{{
        {"C", QColor(0xc8, 0x10, 0x2e)},
        {"LW", QColor(0x1f, 0x5f, 0xbf)},
        {"RW", QColor(0x23, 0x7a, 0x6e)},
        {"D", QColor(0x9a, 0x64, 0x0a)},
        {"G", QColor(0x3d, 0x4a, 0x5c)},
        {"W", QColor(0x5b, 0x4b, 0xc4)},
    }};
    return looks;
}

const PositionLook* LookOfPosition(int code) {
    if (code < 0 || code >= kPositionCodes) return nullptr;
    return &PositionLooks()[static_cast<std::size_t>(code)];
}

const PositionLook* LookOfName(const QString& name) {
    for (const PositionLook& look : PositionLooks()) {
        if (look.Name == name) return &look;
    }
    return nullptr;
}

}  // namespace korvel::qt

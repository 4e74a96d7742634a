#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Text1252.h"

namespace korvel {

// A text field of N bytes exactly as stored: Windows-1252, padded with spaces, no terminator.
// A default-constructed text holds N bytes of code 0, like a record read past the end of a file.
template <std::size_t N>
struct FixedText {
    static constexpr std::size_t Width = N;
    std::array<char, N> Bytes{};

    // Pads with spaces or cuts to N bytes.
    static FixedText FromString(std::string_view text) {
        FixedText result;
        result.Bytes.fill(' ');
        std::copy_n(text.begin(), std::min(text.size(), N), result.Bytes.begin());
        return result;
    }

    std::string Str() const { return std::string(Bytes.begin(), Bytes.end()); }
    std::string Utf8() const { return Windows1252ToUtf8(std::string_view(Bytes.data(), N)); }
    unsigned char FirstCode() const { return static_cast<unsigned char>(Bytes[0]); }

    bool operator==(const FixedText&) const = default;
};

}  // namespace korvel

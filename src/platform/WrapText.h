#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// `text` broken at spaces into lines of at most `width` characters (UTF-8 code points), in one
// pass over it; a line after the first starts with `continuation` (counted in the width). A
// word longer than the room a line gives stands on a line of its own, whole: nothing is cut.
std::vector<std::string> WrapWords(std::string_view text, std::size_t width,
                                   std::string_view continuation = "");

// The number of code points of UTF-8 `text`.
std::size_t CodePoints(std::string_view text);

}  // namespace korvel

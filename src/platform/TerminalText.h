#pragma once

#include <string>
#include <string_view>

namespace korvel {

// Text as the programs write it to a terminal: control characters (escape sequences, bell,
// carriage return; all but the line end) and the bidirectional controls that reorder what
// follows (U+202A to U+202E, U+2066 to U+2069) shown as \u001b, and bytes that are no UTF-8 as
// U+FFFD. JSON stays valid, as it holds no raw control characters and \u001b is its own escape.
std::string TerminalText(std::string_view text);

// Text that must stay on one line, such as a file name in a list: as TerminalText, and a line
// break shown as \u000a too.
std::string OneLineText(std::string_view text);

}  // namespace korvel

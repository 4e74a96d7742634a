#pragma once

#include <string>
#include <string_view>

namespace korvel {

// A fixed-width text without its trailing blanks (spaces and code-0 characters). When blanks were
// removed and a code-0 character remains inside, the text ends before it. A text that does not end
// in a blank comes back unchanged.
std::string Condense(std::string_view text);

}  // namespace korvel

#pragma once

#include <string>
#include <string_view>

namespace korvel {

// The line end of the system's own text files: "\r\n" on Windows, "\n" elsewhere.
std::string_view SystemLineEnd();

// `text`, written with "\n" line ends, as a file for people to read and edit (a list of
// passwords) holds it on this system: each line ends as the system's editors end it. Files that
// programs read (JSON, the league's records) keep "\n" on every system.
std::string TextForPeople(std::string_view text);

}  // namespace korvel

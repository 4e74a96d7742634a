#pragma once

#include <string>
#include <string_view>

namespace korvel {

// League texts are single-byte Windows-1252. These convert them for display and back.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters with no Windows-1252 byte become '?'. Invalid UTF-8 bytes are taken as Latin-1.
std::string Utf8ToWindows1252(std::string_view utf8);

// The first character of `utf8` that has no Windows-1252 byte (as UTF-8), or an empty string when
// every character has one.
std::string FirstCharacterOutside1252(std::string_view utf8);

}  // namespace korvel

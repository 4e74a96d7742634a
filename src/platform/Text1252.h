#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel {

// One character of UTF-8 text: its length in bytes and its code point.
struct Utf8Char {
    std::size_t Length = 0;
    char32_t CodePoint = 0;
};

// The UTF-8 character at the start of `text`, or Length 0 when the bytes there are no valid
// UTF-8: a cut or stray sequence, an overlong form (C0 80 for a zero byte), a surrogate or a
// value past U+10FFFF. Every reader of UTF-8 in the program uses this one decoder.
Utf8Char DecodeUtf8(std::string_view text);

// League texts are single-byte Windows-1252. These convert them for display and back.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters with no Windows-1252 byte become '?'. Invalid UTF-8 bytes are taken as Latin-1.
std::string Utf8ToWindows1252(std::string_view utf8);

// The first character of `utf8` that has no Windows-1252 byte (as UTF-8), or an empty string when
// every character has one.
std::string FirstCharacterOutside1252(std::string_view utf8);

}  // namespace korvel

#include "platform/TerminalText.h"

#include <cstdio>

#include "platform/Text1252.h"

namespace korvel {
namespace {

bool IsPlainAscii(char c) {
    return (c >= 0x20 && c < 0x7F) || c == '\n';
}

bool IsControl(char32_t cp) {
    return (cp < 0x20 && cp != '\n') || (cp >= 0x7F && cp <= 0x9F) ||
           (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

}  // namespace

std::string TerminalText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        // Runs of printable ASCII, nearly all of any output, are copied as they stand.
        std::size_t plain = 0;
        while (plain < text.size() && IsPlainAscii(text[plain])) ++plain;
        if (plain > 0) {
            shown.append(text.substr(0, plain));
            text.remove_prefix(plain);
            continue;
        }
        const auto [length, cp] = DecodeUtf8(text);
        if (length == 0) {
            shown += "\xEF\xBF\xBD";  // U+FFFD for a byte that is no UTF-8
            text.remove_prefix(1);
            continue;
        }
        if (IsControl(cp)) {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(cp));
            shown += escaped;
        } else {
            shown.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return shown;
}

std::string OneLineText(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\n') {
            line += "\\u000a";
        } else {
            line += c;
        }
    }
    return TerminalText(line);
}

}  // namespace korvel

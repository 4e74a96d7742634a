#include "app/cli/Output.h"

#include <algorithm>
#include <cstdio>

namespace korvel::cli {

std::size_t Utf8Length(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void TextTable::Print(std::ostream& out, const std::string& indent) const {
    std::vector<std::size_t> widths;
    for (const auto& column : columns_) widths.push_back(Utf8Length(column.Header));
    for (const auto& row : rows_) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], Utf8Length(row[c]));
        }
    }
    auto printLine = [&](const std::vector<std::string>& cells) {
        std::string line = indent;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const std::string cell = c < cells.size() ? cells[c] : std::string();
            const std::string padding(widths[c] - Utf8Length(cell), ' ');
            if (c > 0) line += "  ";
            line += columns_[c].Alignment == Align::Right ? padding + cell : cell + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    };
    std::vector<std::string> headers;
    for (const auto& column : columns_) headers.push_back(column.Header);
    printLine(headers);
    for (const auto& row : rows_) printLine(row);
}

void PrintJson(std::ostream& out, const nlohmann::json& value) {
    // Texts that are no valid UTF-8 (a path's bytes) still give valid JSON, with U+FFFD.
    out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

namespace {

// The length of the valid UTF-8 sequence at the start of `text` and its code point; length 0
// when the bytes there are no valid sequence.
std::pair<std::size_t, char32_t> DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {1, lead};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return {0, 0};
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {0, 0};
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
    return {length, cp};
}

}  // namespace

std::string TerminalText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const auto [length, cp] = DecodeUtf8(text);
        if (length == 0) {
            shown += "\xEF\xBF\xBD";  // U+FFFD for a byte that is no UTF-8
            text.remove_prefix(1);
            continue;
        }
        const bool control = (cp < 0x20 && cp != '\n') || (cp >= 0x7F && cp <= 0x9F);
        if (control) {
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

}  // namespace korvel::cli

#include "platform/WrapText.h"

namespace korvel {

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::vector<std::string> WrapWords(std::string_view text, std::size_t width,
                                   std::string_view continuation) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t column = 0;  // code points on `line`
    bool empty = true;       // no word on `line` yet
    const std::size_t indent = CodePoints(continuation);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        const std::size_t length = CodePoints(word);
        if (!empty && column + 1 + length > width) {
            lines.push_back(std::move(line));
            line.assign(continuation);
            column = indent;
            empty = true;
        }
        if (!empty) {
            line += ' ';
            ++column;
        }
        line.append(word);
        column += length;
        empty = false;
        start = end + 1;
    }
    lines.push_back(std::move(line));
    return lines;
}

}  // namespace korvel

#include "app/cli/Output.h"

#include <algorithm>

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

nlohmann::json ProblemsJson(const std::vector<LinesProblem>& problems) {
    nlohmann::json list = nlohmann::json::array();
    for (const LinesProblem& problem : problems) {
        list.push_back({{"Code", problem.Code}, {"Text", problem.Text}});
    }
    return list;
}

}  // namespace korvel::cli

#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "league/Condense.h"
#include "league/FixedText.h"
#include "league/LinesCheck.h"
#include "platform/TerminalText.h"
#include "platform/Text1252.h"

namespace korvel::cli {

// A record's fixed-width text as the command line prints it: without trailing blanks, in UTF-8.
template <std::size_t N>
std::string RecordText(const FixedText<N>& text) {
    return Windows1252ToUtf8(Condense(text.Str()));
}

// A control's text (already UTF-8) without its trailing blanks.
inline std::string ShownText(const std::string& controlText) {
    return Condense(controlText);
}

// Columns padded to their widest cell, counted in characters of the UTF-8 text.
class TextTable {
  public:
    enum class Align { Left, Right };
    struct Column {
        std::string Header;
        Align Alignment = Align::Left;
    };

    explicit TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}
    void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    // Each line starts with `indent`; trailing blanks of a line are left out.
    void Print(std::ostream& out, const std::string& indent = {}) const;

  private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
};

std::size_t Utf8Length(const std::string& text);

void PrintJson(std::ostream& out, const nlohmann::json& value);

// Problems as JSON: [{"Code", "Text"}].
nlohmann::json ProblemsJson(const std::vector<LinesProblem>& problems);

using korvel::TerminalText;

}  // namespace korvel::cli

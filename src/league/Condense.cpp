#include "league/Condense.h"

namespace korvel {
namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\0';
}
}  // namespace

std::string Condense(std::string_view text) {
    if (text.empty() || !IsBlank(text.back())) return std::string(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    const auto firstNul = text.find('\0');
    if (firstNul != std::string_view::npos) text = text.substr(0, firstNul);
    return std::string(text);
}

}  // namespace korvel

#include "platform/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

namespace korvel {
namespace {

// Rounds a plain decimal text such as "-12.345" to `decimals` places, halves away from zero.
std::string RoundDecimalText(std::string_view text, int decimals) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const auto point = text.find('.');
    std::string whole(text.substr(0, point));
    std::string fraction =
        point == std::string_view::npos ? "" : std::string(text.substr(point + 1));
    if (whole.empty()) whole.push_back('0');
    fraction.resize(static_cast<std::size_t>(decimals) + 1, '0');

    std::string digits = whole + fraction.substr(0, static_cast<std::size_t>(decimals));
    if (fraction[static_cast<std::size_t>(decimals)] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
            digits[static_cast<std::size_t>(i)] = '0';
        }
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[static_cast<std::size_t>(i)];
    }
    const std::size_t wholeDigits = digits.size() - static_cast<std::size_t>(decimals);
    std::string result = digits.substr(0, wholeDigits);
    if (decimals > 0) result.append(1, '.').append(digits, wholeDigits);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (negative && !isZero) result.insert(0, 1, '-');
    return result;
}

// Plain notation of the largest double needs 309 digits and of the smallest about 330 characters.
template <class T>
std::string ShortestFixed(T value) {
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

// Puts the style's decimal point and minus sign in place of those of a plain "-12.5".
std::string Styled(std::string plain, const NumberStyle& style) {
    std::string styled;
    for (const char c : plain) {
        if (c == '.')
            styled += style.DecimalPoint;
        else if (c == '-')
            styled += style.Minus;
        else
            styled += c;
    }
    return styled;
}

NumberStyle& StyleInUse() {
    static NumberStyle style;
    return style;
}

std::string GroupThousands(std::int64_t value, const std::string& separator) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<std::uint64_t>(value)
                                                 : static_cast<std::uint64_t>(value));
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

const NumberStyle& CurrentNumberStyle() { return StyleInUse(); }

void SetNumberStyle(NumberStyle style) { StyleInUse() = std::move(style); }

std::string FormatFixed(double value, int decimals, const NumberStyle& style) {
    if (!std::isfinite(value)) return {};
    return Styled(RoundDecimalText(ShortestFixed(value), decimals), style);
}

std::string FormatFixed(float value, int decimals, const NumberStyle& style) {
    if (!std::isfinite(value)) return {};
    return Styled(RoundDecimalText(ShortestFixed(value), decimals), style);
}

std::string FormatThousands(std::int64_t value, const NumberStyle& style) {
    std::string text = GroupThousands(value, style.GroupSeparator);
    if (value < 0) text.insert(0, style.Minus);
    return text;
}

std::string FormatDollars(std::int64_t value, const NumberStyle& style) {
    return PlaceMoney(GroupThousands(value, style.GroupSeparator), value < 0, style);
}

std::string PlaceMoney(const std::string& amount, bool negative, const NumberStyle& style) {
    const std::string& pattern = negative ? style.NegativeMoney : style.Money;
    const auto place = pattern.find('#');
    if (place == std::string::npos) return amount;
    return pattern.substr(0, place) + amount + pattern.substr(place + 1);
}

std::string FormatGeneral(float value, const NumberStyle& style) {
    if (!std::isfinite(value)) return {};
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return Styled(std::string(buffer.data(), result.ptr), style);
}

std::int64_t RoundHalfAway(double value) {
    // Converting a value outside the integer's range is undefined; such values are clamped.
    constexpr double kLimit = 9.2e18;  // below 2^63, which a double holds exactly
    if (std::isnan(value)) return 0;
    return static_cast<std::int64_t>(std::round(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace korvel

#include "platform/Text1252.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/TerminalText.h"

namespace korvel {
namespace {

using namespace std::string_literals;

std::string Byte(unsigned value) {
    return std::string(1, static_cast<char>(value));
}

// UTF-8 of the characters Windows-1252 puts at 0x80..0x9F; the five undefined bytes keep their
// own code point (U+0081, U+008D, U+008F, U+0090, U+009D).
const std::array<std::string, 32> kHighRange = {
    "€", "\xC2\x81", "‚",        "ƒ", "„",        "…",        "†", "‡",        "ˆ", "‰", "Š",
    "‹", "Œ",        "\xC2\x8D", "Ž", "\xC2\x8F", "\xC2\x90", "‘", "’",        "“", "”", "•",
    "–", "—",        "˜",        "™", "š",        "›",        "œ", "\xC2\x9D", "ž", "Ÿ"};

TEST(Text1252, HighControlRangeBecomesTheWindowsCharacters) {
    for (unsigned b = 0x80; b <= 0x9F; ++b) {
        EXPECT_EQ(Windows1252ToUtf8(Byte(b)), kHighRange[b - 0x80]) << "byte " << std::hex << b;
    }
    EXPECT_EQ(Windows1252ToUtf8(Byte(0x80)), "€");
    EXPECT_EQ(Windows1252ToUtf8(Byte(0x9A)), "š");
    EXPECT_EQ(Windows1252ToUtf8(Byte(0x8E)), "Ž");
}

TEST(Text1252, AsciiAndLatin1RangeKeepTheirCodePoints) {
    EXPECT_EQ(Windows1252ToUtf8("Smith 99"), "Smith 99");
    EXPECT_EQ(Windows1252ToUtf8(Byte(0xE9)), "é");
    EXPECT_EQ(Windows1252ToUtf8(Byte(0xA0)), "\xC2\xA0");
    EXPECT_EQ(Windows1252ToUtf8(Byte(0xD6)), "Ö");
    EXPECT_EQ(Windows1252ToUtf8(Byte(0xFF)), "ÿ");
    EXPECT_EQ(Windows1252ToUtf8("A\0B"s), "A\0B"s);
    EXPECT_EQ(Windows1252ToUtf8("J\xF6rgen \x8A"
                                "ed\xE9"),
              "Jörgen Šedé");
}

TEST(Text1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (unsigned b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToWindows1252("Jörgen Šedé €"),
              "J\xF6rgen \x8A"
              "ed\xE9 \x80");
}

TEST(Text1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1252("Ā"), "?");         // U+0100
    EXPECT_EQ(Utf8ToWindows1252("a中b"), "a?b");    // three-byte sequence
    EXPECT_EQ(Utf8ToWindows1252("😀"), "?");         // four-byte sequence
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x80"), "?");  // U+0080 has no byte of its own
    EXPECT_EQ(FirstCharacterOutside1252("Åke € a中Ā"), "中");
    EXPECT_EQ(FirstCharacterOutside1252("Åke € \xE9"), "");  // an invalid byte is read as Latin-1
}

TEST(Text1252, InvalidUtf8BytesAreTakenAsLatin1) {
    EXPECT_EQ(Utf8ToWindows1252("caf\xE9"), "caf\xE9");  // a lone lead byte at the end
    EXPECT_EQ(Utf8ToWindows1252("\xE9t\xE9"), "\xE9t\xE9");
    EXPECT_EQ(Utf8ToWindows1252("\x80"), "\x80");
    // Overlong forms, surrogates and values past U+10FFFF are no characters: never a zero byte.
    EXPECT_EQ(Utf8ToWindows1252("a\xC0\x80"
                                "b"),
              "a\xC0\x80"
              "b");
    EXPECT_EQ(Utf8ToWindows1252("\xE0\x80\xA0"), "\xE0\x80\xA0");
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "\xED\xA0\x80");
    EXPECT_EQ(Utf8ToWindows1252("\xF4\x90\x80\x80"), "\xF4\x90\x80\x80");
}

TEST(TerminalText, EscapesControlsAndBidirectionalControlsKeepsText) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\x1b[2Jb\n", "a\\u001b[2Jb\n"},
        {"\xC2\x9B"
         "1m",
         "\\u009b1m"},
        {"x\xE2\x80\xAEy\xE2\x81\xA6z\xE2\x81\xA9", "x\\u202ey\\u2066z\\u2069"},
        {"\xE2\x80\xA9 \xE2\x81\xAA", "\xE2\x80\xA9 \xE2\x81\xAA"},  // neighbours stay
        {"Jörgen €", "Jörgen €"},
        {"a\xC0\x80", "a\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& [raw, shown] : cases) EXPECT_EQ(TerminalText(raw), shown) << raw;
}

}  // namespace
}  // namespace korvel

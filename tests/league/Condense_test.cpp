#include "league/Condense.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

using namespace std::string_literals;

TEST(Condense, RemovesTrailingBlanksAndCutsAtCodeZeroOnlyWhenBlanksWereRemoved) {
    EXPECT_EQ(Condense("Smith" + std::string(17, ' ')), "Smith");
    EXPECT_EQ(Condense(std::string(10, ' ')), "");
    EXPECT_EQ(Condense(""), "");
    EXPECT_EQ(Condense("Ab\0cd  "s), "Ab");
    EXPECT_EQ(Condense("Ab\0cd"s), "Ab\0cd"s);
    EXPECT_EQ(Condense(std::string(22, '\0')), "");
    EXPECT_EQ(Condense("A b \0 \0"s), "A b");
}

}  // namespace
}  // namespace korvel

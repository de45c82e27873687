// Cutting UTF-8 text to a number of characters.

#include <gtest/gtest.h>

#include <string>

#include "base/Utf8.h"

namespace {

struct PrefixCase {
    std::string text;
    std::size_t count;
    std::string prefix;
};

class Utf8PrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(Utf8PrefixTest, KeepsWholeCharacters) {
    const PrefixCase& c = GetParam();
    EXPECT_EQ(std::string(Utf8Prefix(c.text, c.count)), c.prefix);
}

// "Документ" is 8 letters of two bytes, "日本語" 3 of three, U+1F600 one of four.
INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8PrefixTest,
    testing::Values(PrefixCase{"12345", 3, "123"}, PrefixCase{"12", 255, "12"},
                    PrefixCase{"abc", 0, ""}, PrefixCase{"", 4, ""},
                    PrefixCase{"\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82",
                               3, "\xD0\x94\xD0\xBE\xD0\xBA"},
                    PrefixCase{"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", 2,
                               "\xE6\x97\xA5\xE6\x9C\xAC"},
                    PrefixCase{"a\xF0\x9F\x98\x80z", 2, "a\xF0\x9F\x98\x80"},
                    PrefixCase{"a\xF0\x9F\x98\x80z", 1, "a"},
                    // Bytes of another code page (1252: "café") count one each.
                    PrefixCase{"caf\xE9!", 4, "caf\xE9"}, PrefixCase{"\xE9\xE9\xE9", 2, "\xE9\xE9"},
                    // A sequence cut short ends where its continuation bytes end.
                    PrefixCase{"\xE6\x97", 1, "\xE6\x97"}, PrefixCase{"\xE6\x97x", 1, "\xE6\x97"},
                    PrefixCase{"\xBF\xBFx", 2, "\xBF\xBF"}));

// 255 Cyrillic letters are 510 bytes: cutting at 255 bytes would split the 128th letter.
TEST(Utf8PrefixLongTest, CountsLettersNotBytes) {
    std::string letters;
    for (int i = 0; i < 300; ++i) letters += "\xD0\x96";
    EXPECT_EQ(Utf8Prefix(letters, 255).size(), 510u);
}

}  // namespace

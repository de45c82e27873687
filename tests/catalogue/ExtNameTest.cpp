// Extension names as typed by the user, and their case-blind comparison.

#include <gtest/gtest.h>

#include "base/AsciiCase.h"
#include "catalogue/ExtName.h"
#include "support/Cases.h"

namespace {

using namespace std::string_literals;

const TextCase kNormalise[] = {
    {"PutsADotInFrontOfABareName", {{"txt", ".txt"}}},
    {"LeavesANameWithItsDotAsItIs", {{".txt", ".txt"}}},
    {"LeavesADoubleDotAsItIs", {{"..txt", "..txt"}}},
    {"KeepsALeadingBlankAfterTheNewDot", {{" txt", ". txt"}}},
    {"TurnsEmptyTextIntoALoneDot", {{"", "."}}},
    {"LeavesALoneDotAsItIs", {{".", "."}}},
    {"KeepsLetterCaseAndTrailingBlanks", {{"TxT ", ".TxT "}}},
    {"DotLaterInTheTextStillGetsOneInFront", {{"tar.gz", ".tar.gz"}}},
    {"KeepsNonAsciiBytes", {{"\xE9t\xE9", ".\xE9t\xE9"}}},
};

class NormaliseExtensionTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NormaliseExtensionTest, Gives) {
    for (const auto& [typed, normalised] : GetParam().io)
        EXPECT_EQ(NormaliseExtension(typed), normalised);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormaliseExtensionTest, ::testing::ValuesIn(kNormalise),
                         CaseName());

// Pairs of names and whether they count as equal.
struct EqualCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> equal, unequal;
};

const EqualCase kEqual[] = {
    {"EqualNamesMatch", {{".txt", ".txt"}, {"", ""}}, {}},
    {"AsciiLettersMatchInEitherCase",
     {{".TXT", ".txt"}, {".txt", ".TXT"}, {".TxT", ".tXt"}, {".AZ", ".az"}},
     {}},
    {"DifferentLengthsDoNotMatch", {}, {{".txt", ".txt "}, {".tx", ".txt"}, {"", "."}}},
    {"DifferentLettersDoNotMatch", {}, {{".txt", ".txu"}}},
    {"NonAsciiLettersAreComparedExactly",
     {{".\xE9", ".\xE9"}},
     {{".\xC9", ".\xE9"}, {".\xC0", ".\xE0"}}},
    // Each pair is 32 apart, as a letter and its capital are, but neither is an ASCII letter.
    {"NeighboursOfTheLetterRangesAreNotFolded",
     {},
     {{"@", "`"}, {"[", "{"}, {"^", "~"}, {"\x7F", "_"}}},
    {"DigitsAndPunctuationMustBeEqual", {{".mp3", ".MP3"}}, {{".mp3", ".mp4"}, {". txt", "..txt"}}},
    {"EmbeddedNulBytesCount", {{".a\0b"s, ".A\0B"s}}, {{".a\0b"s, ".a\0c"s}}},
};

class ExtNamesEqualTest : public ::testing::TestWithParam<EqualCase> {};

TEST_P(ExtNamesEqualTest, Compares) {
    for (const auto& [a, b] : GetParam().equal)
        EXPECT_TRUE(EqualIgnoringAsciiCase(a, b)) << a << " ~ " << b;
    for (const auto& [a, b] : GetParam().unequal)
        EXPECT_FALSE(EqualIgnoringAsciiCase(a, b)) << a << " ~ " << b;
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtNamesEqualTest, ::testing::ValuesIn(kEqual), CaseName());

}  // namespace

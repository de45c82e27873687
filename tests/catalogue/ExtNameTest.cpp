// Extension names as typed by the user, and their case-blind comparison.

#include <gtest/gtest.h>

#include "catalogue/ExtName.h"

namespace {

TEST(NormaliseExtensionTest, PutsADotInFrontOfABareName) {
    EXPECT_EQ(NormaliseExtension("txt"), ".txt");
}

TEST(NormaliseExtensionTest, LeavesANameWithItsDotAsItIs) {
    EXPECT_EQ(NormaliseExtension(".txt"), ".txt");
}

TEST(NormaliseExtensionTest, LeavesADoubleDotAsItIs) {
    EXPECT_EQ(NormaliseExtension("..txt"), "..txt");
}

TEST(NormaliseExtensionTest, KeepsALeadingBlankAfterTheNewDot) {
    EXPECT_EQ(NormaliseExtension(" txt"), ". txt");
}

TEST(NormaliseExtensionTest, TurnsEmptyTextIntoALoneDot) {
    EXPECT_EQ(NormaliseExtension(""), ".");
}

TEST(NormaliseExtensionTest, LeavesALoneDotAsItIs) {
    EXPECT_EQ(NormaliseExtension("."), ".");
}

TEST(NormaliseExtensionTest, KeepsLetterCaseAndTrailingBlanks) {
    EXPECT_EQ(NormaliseExtension("TxT "), ".TxT ");
}

TEST(NormaliseExtensionTest, DotLaterInTheTextStillGetsOneInFront) {
    EXPECT_EQ(NormaliseExtension("tar.gz"), ".tar.gz");
}

TEST(NormaliseExtensionTest, KeepsNonAsciiBytes) {
    EXPECT_EQ(NormaliseExtension("\xE9t\xE9"), ".\xE9t\xE9");
}

TEST(ExtNamesEqualTest, EqualNamesMatch) {
    EXPECT_TRUE(ExtNamesEqual(".txt", ".txt"));
    EXPECT_TRUE(ExtNamesEqual("", ""));
}

TEST(ExtNamesEqualTest, AsciiLettersMatchInEitherCase) {
    EXPECT_TRUE(ExtNamesEqual(".TXT", ".txt"));
    EXPECT_TRUE(ExtNamesEqual(".txt", ".TXT"));
    EXPECT_TRUE(ExtNamesEqual(".TxT", ".tXt"));
    EXPECT_TRUE(ExtNamesEqual(".AZ", ".az"));
}

TEST(ExtNamesEqualTest, DifferentLengthsDoNotMatch) {
    EXPECT_FALSE(ExtNamesEqual(".txt", ".txt "));
    EXPECT_FALSE(ExtNamesEqual(".tx", ".txt"));
    EXPECT_FALSE(ExtNamesEqual("", "."));
}

TEST(ExtNamesEqualTest, DifferentLettersDoNotMatch) {
    EXPECT_FALSE(ExtNamesEqual(".txt", ".txu"));
}

TEST(ExtNamesEqualTest, NonAsciiLettersAreComparedExactly) {
    EXPECT_FALSE(ExtNamesEqual(".\xC9", ".\xE9"));
    EXPECT_TRUE(ExtNamesEqual(".\xE9", ".\xE9"));
    EXPECT_FALSE(ExtNamesEqual(".\xC0", ".\xE0"));
}

TEST(ExtNamesEqualTest, NeighboursOfTheLetterRangesAreNotFolded) {
    // Each pair is 32 apart, as a letter and its capital are, but neither is an ASCII letter.
    EXPECT_FALSE(ExtNamesEqual("@", "`"));
    EXPECT_FALSE(ExtNamesEqual("[", "{"));
    EXPECT_FALSE(ExtNamesEqual("^", "~"));
    EXPECT_FALSE(ExtNamesEqual("\x7F", "_"));
}

TEST(ExtNamesEqualTest, DigitsAndPunctuationMustBeEqual) {
    EXPECT_TRUE(ExtNamesEqual(".mp3", ".MP3"));
    EXPECT_FALSE(ExtNamesEqual(".mp3", ".mp4"));
    EXPECT_FALSE(ExtNamesEqual(". txt", "..txt"));
}

TEST(ExtNamesEqualTest, EmbeddedNulBytesCount) {
    using namespace std::string_literals;
    EXPECT_FALSE(ExtNamesEqual(".a\0b"s, ".a\0c"s));
    EXPECT_TRUE(ExtNamesEqual(".a\0b"s, ".A\0B"s));
}

}  // namespace

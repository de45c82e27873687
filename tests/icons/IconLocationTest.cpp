// Icon locations: splitting "path,index", converting the index text, composing, unquoting.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "icons/IconLocation.h"
#include "support/Cases.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct SplitCase {
    const char* text;
    const char* file;
    std::int32_t index;
};

class SplitIconLocationTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitIconLocationTest, GivesFileAndIndex) {
    const SplitCase& c = GetParam();
    const IconLocation loc = SplitIconLocation(c.text);
    EXPECT_EQ(loc.File, c.file) << "location '" << c.text << "'";
    EXPECT_EQ(loc.Index, c.index) << "location '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    RegistryForms, SplitIconLocationTest,
    ::testing::Values(
        SplitCase{"C:\\Windows\\moricons.dll,12", "C:\\Windows\\moricons.dll", 12},
        SplitCase{"C:\\Tools\\app.exe", "", 0},  //
        SplitCase{"%1", "", 0},                  //
        SplitCase{"7", "", 7},                   //
        SplitCase{"C:\\a.dll, 3", "C:\\a.dll", 3}, SplitCase{"C:\\a.dll,3 ", "C:\\a.dll", 0},
        SplitCase{"C:\\a.dll,-2", "C:\\a.dll", -2}, SplitCase{"C:\\a.dll,", "C:\\a.dll", 0},
        SplitCase{"C:\\a,b\\c.dll,4", "C:\\a", 0}, SplitCase{"", "", 0}, SplitCase{",5", "", 5},
        SplitCase{",", "", 0}, SplitCase{"-3", "", -3}, SplitCase{"C:\\a.dll,,1", "C:\\a.dll", 0},
        SplitCase{"%SystemRoot%\\System32\\shell32.dll,-154", "%SystemRoot%\\System32\\shell32.dll",
                  -154},
        SplitCase{"\"C:\\Program Files\\App\\app.exe\",1", "\"C:\\Program Files\\App\\app.exe\"",
                  1},
        SplitCase{"\"C:\\path with, comma.dll\",-3", "\"C:\\path with, comma.dll\"", -3},
        SplitCase{"\"C:\\no, closing,2", "\"C:\\no", 0},
        SplitCase{"C:\\a.dll,$1F", "C:\\a.dll", 31}, SplitCase{"C:\\a.dll,+4", "C:\\a.dll", 4},
        SplitCase{" C:\\a.dll,2", " C:\\a.dll", 2}, SplitCase{"C:\\a.dll,-1", "C:\\a.dll", -1}));

struct IndexCase {
    const char* text;
    std::int32_t index;
};

class ParseIconIndexTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ParseIconIndexTest, ConvertsOrGivesZero) {
    EXPECT_EQ(ParseIconIndex(GetParam().text), GetParam().index)
        << "index text '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseIconIndexTest,
    ::testing::Values(IndexCase{"0", 0}, IndexCase{"12", 12}, IndexCase{"00012", 12},
                      IndexCase{"-0", 0}, IndexCase{"-2", -2}, IndexCase{"+5", 5},
                      IndexCase{"  9", 9}, IndexCase{" -9", -9}, IndexCase{" +9", 9},
                      IndexCase{"2147483647", kMax}, IndexCase{"-2147483648", kMin},
                      IndexCase{"+2147483647", kMax}, IndexCase{"002147483647", kMax}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, ParseIconIndexTest,
                         ::testing::Values(IndexCase{"$1F", 31}, IndexCase{"$1f", 31},
                                           IndexCase{"$0", 0}, IndexCase{"$7FFFFFFF", kMax},
                                           IndexCase{" $10", 16}, IndexCase{"$0000000A", 10}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ParseIconIndexTest,
    ::testing::Values(IndexCase{"", 0}, IndexCase{" ", 0}, IndexCase{"-", 0}, IndexCase{"+", 0},
                      IndexCase{"$", 0}, IndexCase{"2147483648", 0}, IndexCase{"-2147483649", 0},
                      IndexCase{"4294967296", 0}, IndexCase{"99999999999999999999", 0},
                      IndexCase{"$80000000", 0}, IndexCase{"$FFFFFFFF", 0},
                      IndexCase{"$100000000", 0}, IndexCase{"3 ", 0}, IndexCase{"3x", 0},
                      IndexCase{"\t3", 0}, IndexCase{"3\t", 0}, IndexCase{"- 3", 0},
                      IndexCase{"+-3", 0}, IndexCase{"--3", 0}, IndexCase{"-$1", 0},
                      IndexCase{"$-1", 0}, IndexCase{"$ 1", 0}, IndexCase{"$G", 0},
                      IndexCase{"0x10", 0}, IndexCase{"1e3", 0}, IndexCase{"1.0", 0},
                      IndexCase{"1,2", 0}, IndexCase{"%1", 0}, IndexCase{"\xB2", 0}));

TEST(ParseIconIndexLengthTest, DigitAtTheLastKeptPositionCounts) {
    const std::string text = std::string(254, ' ') + "5";
    ASSERT_EQ(text.size(), 255u);
    EXPECT_EQ(ParseIconIndex(text), 5);
}

TEST(ParseIconIndexLengthTest, DigitsPastTheCutAreNotSeen) {
    EXPECT_EQ(ParseIconIndex(std::string(255, ' ') + "5"), 0);
}

TEST(ParseIconIndexLengthTest, JunkPastTheCutIsNotSeen) {
    // 255 characters that convert to 12, then a character that would spoil it.
    const std::string kept = std::string(253, '0') + "12";
    ASSERT_EQ(kept.size(), 255u);
    EXPECT_EQ(ParseIconIndex(kept + "x"), 12);
    EXPECT_EQ(ParseIconIndex(kept + " "), 12);
}

TEST(ParseIconIndexLengthTest, JunkInsideTheCutStillSpoilsIt) {
    const std::string text = std::string(252, '0') + "12x";
    ASSERT_EQ(text.size(), 255u);
    EXPECT_EQ(ParseIconIndex(text), 0);
}

TEST(ParseIconIndexLengthTest, CutAppliesToTheTextAfterTheComma) {
    const std::string path = "C:\\" + std::string(300, 'p') + ".dll";
    const IconLocation kept = SplitIconLocation(path + "," + std::string(254, ' ') + "6");
    EXPECT_EQ(kept.File, path);
    EXPECT_EQ(kept.Index, 6);
    EXPECT_EQ(SplitIconLocation(path + "," + std::string(255, ' ') + "6").Index, 0);
}

TEST(ParseIconIndexLengthTest, CutAppliesToAWholeLocationWithoutComma) {
    const std::string text = std::string(254, '0') + "9" + "Z";
    EXPECT_EQ(SplitIconLocation(text).Index, 9);
    EXPECT_EQ(SplitIconLocation(text).File, "");
}

struct ComposeCase {
    const char* name;
    std::vector<std::tuple<std::string, std::int32_t, std::string>> io;  // path, index, text
};

const ComposeCase kCompose[] = {
    {"PathCommaAndIndex", {{"C:\\x.dll", 3, "C:\\x.dll,3"}}},
    {"NegativeIndexKeepsItsMinusSign", {{"C:\\x.dll", -2, "C:\\x.dll,-2"}}},
    {"ZeroIsASingleDigit", {{"C:\\x.dll", 0, "C:\\x.dll,0"}}},
    {"RangeEndsAreWrittenInFull", {{"a", kMax, "a,2147483647"}, {"a", kMin, "a,-2147483648"}}},
    {"PathIsWrittenUnchanged",
     {{"\"%SystemRoot%\\a,b.dll\"", 1, "\"%SystemRoot%\\a,b.dll\",1"}, {"", 5, ",5"}}},
};

class ComposeIconLocationTest : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeIconLocationTest, Writes) {
    for (const auto& [path, index, text] : GetParam().io)
        EXPECT_EQ(ComposeIconLocation(path, index), text);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComposeIconLocationTest, ::testing::ValuesIn(kCompose), CaseName());

TEST(ComposeIconLocationTest, ReadsBackToTheSamePathAndIndex) {
    for (const std::int32_t index : {0, 1, 3, -1, -2, 255, 1023, kMax, kMin}) {
        const IconLocation loc =
            SplitIconLocation(ComposeIconLocation("C:\\Icons\\set.icl", index));
        EXPECT_EQ(loc.File, "C:\\Icons\\set.icl");
        EXPECT_EQ(loc.Index, index);
    }
}

const TextCase kUnquote[] = {
    {"RemovesOnePairAroundTheWholePath",
     {{"\"C:\\Program Files\\App\\app.exe\"", "C:\\Program Files\\App\\app.exe"}}},
    {"RemovesOnlyOnePair", {{"\"\"C:\\a.dll\"\"", "\"C:\\a.dll\""}}},
    {"TwoQuotesAloneGiveEmptyText", {{"\"\"", ""}}},
    {"LoneQuoteIsKept", {{"\"", "\""}}},
    {"QuoteAtOneEndOnlyIsKept", {{"\"C:\\a.dll", "\"C:\\a.dll"}, {"C:\\a.dll\"", "C:\\a.dll\""}}},
    {"QuotesInsideThePathAreKept", {{"C:\\\"a\"\\b.dll", "C:\\\"a\"\\b.dll"}}},
    {"BlanksOutsideTheQuotesKeepThem", {{" \"C:\\a.dll\"", " \"C:\\a.dll\""}}},
    {"UnquotedAndEmptyPathsAreUnchanged",
     {{"%SystemRoot%\\System32\\shell32.dll", "%SystemRoot%\\System32\\shell32.dll"}, {"", ""}}},
};

class UnquotePathTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(UnquotePathTest, Gives) {
    for (const auto& [path, unquoted] : GetParam().io) EXPECT_EQ(UnquotePath(path), unquoted);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnquotePathTest, ::testing::ValuesIn(kUnquote), CaseName());

}  // namespace

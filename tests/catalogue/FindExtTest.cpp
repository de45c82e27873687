// FindExt: lookup of an extension by name, ASCII letters folded, every other byte exact.

#include "CatalogueRecorders.h"

namespace cataloguetest {
namespace {

using FindExtTest = CatalogueFixture;

TEST_F(FindExtTest, EmptyCatalogueGivesMinusOne) {
    EXPECT_EQ(cat().FindExt(".txt"), -1);
    EXPECT_EQ(cat().FindExt(""), -1);
}

TEST_F(FindExtTest, UnknownNameGivesMinusOne) {
    cat().AddEntry(".txt", "txtfile", "Text", "");

    EXPECT_EQ(cat().FindExt(".doc"), -1);
    EXPECT_EQ(cat().FindExt("txt"), -1);
    EXPECT_EQ(cat().FindExt(".txt "), -1);
    EXPECT_EQ(cat().FindExt(".tx"), -1);
}

TEST_F(FindExtTest, ReturnsTheSlotOfTheOwningType) {
    cat().AddEntry(".txt", "txtfile", "Text", "");
    cat().AddEntry(".doc", "docfile", "Doc", "");
    cat().AddEntry(".log", "txtfile", "Text", "");

    EXPECT_EQ(cat().FindExt(".txt"), 0);
    EXPECT_EQ(cat().FindExt(".doc"), 1);
    EXPECT_EQ(cat().FindExt(".log"), 0);
}

TEST_F(FindExtTest, CapitalLettersFindTheNameSpelledInSmallLetters) {
    cat().AddEntry(".doc", "docfile", "Doc", "");
    cat().AddEntry(".txt", "txtfile", "Text", "");

    EXPECT_EQ(cat().FindExt(".TXT"), 1);
    EXPECT_EQ(cat().FindExt(".TxT"), 1);
}

TEST_F(FindExtTest, SmallLettersFindTheNameSpelledInCapitals) {
    cat().AddEntry(".JPG", "jpegfile", "JPEG", "");

    EXPECT_EQ(cat().FindExt(".jpg"), 0);
}

TEST_F(FindExtTest, NonAsciiCaseDifferenceDoesNotMatch) {
    cat().AddEntry(".\xE9t\xE9", "etefile", "Summer", "");

    EXPECT_EQ(cat().FindExt(".\xC9T\xC9"), -1);
    EXPECT_EQ(cat().FindExt(".\xC9t\xE9"), -1);
    EXPECT_EQ(cat().FindExt(".\xE9T\xE9"), 0);
}

TEST_F(FindExtTest, BytesBesideTheAsciiLetterRangeAreNotFolded) {
    // '@' and '[' sit just outside A-Z, '`' and '{' just outside a-z.
    cat().AddEntry(".@[", "punct", "P", "");
    cat().AddEntry(".`{", "punct2", "P", "");

    EXPECT_EQ(cat().FindExt(".@["), 0);
    EXPECT_EQ(cat().FindExt(".`{"), 1);
    EXPECT_EQ(cat().FindExt(".`["), -1);
    EXPECT_EQ(cat().FindExt(".@{"), -1);
}

TEST_F(FindExtTest, TheDotIsPartOfTheName) {
    cat().AddEntry(".txt", "txtfile", "Text", "");
    cat().AddEntry("..txt", "dotfile", "Dot", "");

    EXPECT_EQ(cat().FindExt("..txt"), 1);
    EXPECT_EQ(cat().FindExt(".txt"), 0);
}

TEST_F(FindExtTest, LoneDotIsAnOrdinaryName) {
    cat().AddEntry(".a", "afile", "A", "");
    cat().AddEntry(".", "dotfile", "Dot", "");

    EXPECT_EQ(cat().FindExt("."), 1);
    EXPECT_EQ(cat().FindExt(""), -1);
}

TEST_F(FindExtTest, NameWithBlankIsFoundOnlyWithTheBlank) {
    cat().AddEntry(". txt", "blankfile", "Blank", "");

    EXPECT_EQ(cat().FindExt(". TXT"), 0);
    EXPECT_EQ(cat().FindExt(".txt"), -1);
}

TEST_F(FindExtTest, FirstOfTwoEqualNamesInChainOrderWins) {
    cat().AddEntry(".a", "afile", "A", "");
    cat().AddEntry(".b", "bfile", "B", "");
    cat().AppendExt(1, ".A");

    EXPECT_EQ(cat().FindExt(".a"), 0);
}

TEST_F(FindExtTest, FindsAmongThousandsOfExtensions) {
    for (int i = 0; i < 5000; ++i)
        cat().AddEntry(".x" + std::to_string(i), "type" + std::to_string(i % 1250), "T", "");

    EXPECT_EQ(cat().FindExt(".X4999"), 4999 % 1250);
    EXPECT_EQ(cat().FindExt(".x0"), 0);
    EXPECT_EQ(cat().FindExt(".x5000"), -1);
}

}  // namespace
}  // namespace cataloguetest

// AddEntry: new types, known types, icon locations and the row labels they produce.

#include "CatalogueRecorders.h"

namespace cataloguetest {
namespace {

using AddEntryTest = CatalogueFixture;

TEST_F(AddEntryTest, FirstExtensionCreatesTypeInSlotZeroWithRow) {
    cat().AddEntry(".txt", "txtfile", "Text Document", "C:\\Windows\\system32\\shell32.dll,70");

    ASSERT_EQ(cat().EntryCount, 1);
    EXPECT_EQ(entry(0).Name, "txtfile");
    EXPECT_EQ(entry(0).Description, "Text Document");
    EXPECT_EQ(entry(0).IconFile, "C:\\Windows\\system32\\shell32.dll");
    EXPECT_EQ(entry(0).IconIndex, 70);
    EXPECT_EQ(TypeChain(cat(), 0), Names({".txt"}));
    EXPECT_EQ(AllChain(cat()), Names({".txt"}));
    EXPECT_EQ(cat().ExtHead, cat().ExtTail);
    EXPECT_EQ(entry(0).FirstExt, entry(0).LastExt);
    EXPECT_EQ(entry(0).FirstExt->Entry, 0);
    EXPECT_EQ(view.rows, Names({"Text Document (txtfile)"}));
}

TEST_F(AddEntryTest, NewTypeGetsTheIconExtractedAtItsLocation) {
    cat().AddEntry(".dll", "dllfile", "Application extension",
                   "%SystemRoot%\\System32\\imageres.dll,-67");

    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "%SystemRoot%\\System32\\imageres.dll");
    EXPECT_EQ(icons.extracts[0].index, -67);
    EXPECT_EQ(IdOf(entry(0).Icon), icons.extracts[0].id);
    EXPECT_TRUE(icons.fallbacks.empty());
    EXPECT_TRUE(ledger().released.empty());
}

TEST_F(AddEntryTest, EmptyLocationGivesNoIconMarkerMinusOneAndFallbackIcon) {
    cat().AddEntry(".xyz", "xyzfile", "XYZ", "");

    EXPECT_EQ(entry(0).IconFile, "<no icon>");
    EXPECT_EQ(entry(0).IconIndex, -1);
    ASSERT_EQ(icons.fallbacks.size(), 1u);
    EXPECT_EQ(IdOf(entry(0).Icon), icons.fallbacks[0]);
    EXPECT_TRUE(icons.extracts.empty());
}

TEST_F(AddEntryTest, LocationIsCutAtItsFirstComma) {
    cat().AddEntry(".abc", "abcfile", "ABC", "C:\\a,b\\c.dll,4");

    EXPECT_EQ(entry(0).IconFile, "C:\\a");
    EXPECT_EQ(entry(0).IconIndex, 0);
    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "C:\\a");
    EXPECT_EQ(icons.extracts[0].index, 0);
}

TEST_F(AddEntryTest, LocationWithoutCommaExtractsFromEmptyPath) {
    cat().AddEntry(".exe", "exefile", "Application", "%1");

    EXPECT_EQ(entry(0).IconFile, "");
    EXPECT_EQ(entry(0).IconIndex, 0);
    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "");
    EXPECT_TRUE(icons.fallbacks.empty());
}

TEST_F(AddEntryTest, BareNumberLocationIsTheIndexWithEmptyPath) {
    cat().AddEntry(".n", "nfile", "N", "7");

    EXPECT_EQ(entry(0).IconFile, "");
    EXPECT_EQ(entry(0).IconIndex, 7);
}

TEST_F(AddEntryTest, MinusOneIndexIsPassedToTheIconSource) {
    cat().AddEntry(".cnt", "cntfile", "Count", "C:\\x.dll,-1");

    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].index, -1);
    EXPECT_EQ(entry(0).IconIndex, -1);
    EXPECT_EQ(entry(0).IconFile, "C:\\x.dll");
}

TEST_F(AddEntryTest, QuotedPathIsKeptAsStored) {
    cat().AddEntry(".q", "qfile", "Q", "\"C:\\Program Files\\Q\\q.exe\",2");

    EXPECT_EQ(entry(0).IconFile, "\"C:\\Program Files\\Q\\q.exe\"");
    EXPECT_EQ(entry(0).IconIndex, 2);
    EXPECT_EQ(icons.extracts.at(0).file, "\"C:\\Program Files\\Q\\q.exe\"");
}

TEST_F(AddEntryTest, IconThatCannotBeExtractedStillAddsTheEntry) {
    icons.extractGivesNothing = true;
    cat().AddEntry(".gone", "gonefile", "Gone", "C:\\missing.dll,3");

    ASSERT_EQ(cat().EntryCount, 1);
    EXPECT_TRUE(entry(0).Icon.empty());
    EXPECT_EQ(entry(0).IconFile, "C:\\missing.dll");
    EXPECT_EQ(entry(0).IconIndex, 3);
    EXPECT_TRUE(icons.fallbacks.empty());
    EXPECT_EQ(view.rows, Names({"Gone (gonefile)"}));
}

TEST_F(AddEntryTest, SecondExtensionOfKnownTypeKeepsDescriptionAndIcon) {
    cat().AddEntry(".htm", "htmlfile", "HTML Document", "C:\\ie.dll,1");
    const int firstIcon = IdOf(entry(0).Icon);
    cat().AddEntry(".html", "htmlfile", "Something else", "C:\\other.dll,9");

    ASSERT_EQ(cat().EntryCount, 1);
    EXPECT_EQ(entry(0).Description, "HTML Document");
    EXPECT_EQ(entry(0).IconFile, "C:\\ie.dll");
    EXPECT_EQ(entry(0).IconIndex, 1);
    EXPECT_EQ(IdOf(entry(0).Icon), firstIcon);
    EXPECT_EQ(icons.extracts.size(), 1u);
    EXPECT_TRUE(ledger().released.empty());
    EXPECT_EQ(view.rows, Names({"HTML Document (htmlfile)"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".htm", ".html"}));
}

TEST_F(AddEntryTest, SecondExtensionOfFallbackTypeAsksForNoIcon) {
    cat().AddEntry(".a", "afile", "A", "");
    cat().AddEntry(".b", "afile", "A", "");

    EXPECT_EQ(icons.fallbacks.size(), 1u);
    EXPECT_TRUE(icons.extracts.empty());
}

TEST_F(AddEntryTest, TypeNamesDifferingOnlyInCaseGiveTwoEntriesAndTwoRows) {
    cat().AddEntry(".jpg", "jpegfile", "JPEG Image", "");
    cat().AddEntry(".jpeg", "JPEGFILE", "JPEG Image", "");

    ASSERT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(entry(0).Name, "jpegfile");
    EXPECT_EQ(entry(1).Name, "JPEGFILE");
    EXPECT_EQ(view.rows, Names({"JPEG Image (jpegfile)", "JPEG Image (JPEGFILE)"}));
    EXPECT_EQ(cat().FindExt(".jpeg"), 1);
}

TEST_F(AddEntryTest, TypeNameIsMatchedByLengthToo) {
    cat().AddEntry(".a", "file", "F", "");
    cat().AddEntry(".b", "file ", "F", "");
    cat().AddEntry(".c", "fil", "F", "");

    EXPECT_EQ(cat().EntryCount, 3);
}

TEST_F(AddEntryTest, ExtensionJoinsFirstSlotWithTheTypeName) {
    cat().AddEntry(".a", "afile", "A", "");
    cat().AppendType("A again", "afile", "C:\\a.ico", 0);
    cat().AddEntry(".b", "afile", "ignored", "");

    EXPECT_EQ(TypeChain(cat(), 0), Names({".a", ".b"}));
    EXPECT_EQ(entry(1).FirstExt, nullptr);
    EXPECT_EQ(cat().FindExt(".b"), 0);
}

TEST_F(AddEntryTest, TypeNameWithBackslashesIsAnOrdinaryName) {
    const std::string clsid = "CLSID\\{00021401-0000-0000-C000-000000000046}";
    cat().AddEntry(".lnk", clsid, "Shortcut", "");
    cat().AddEntry(".pif", clsid, "Other", "");
    cat().AddEntry(".url", "CLSID\\{00021401-0000-0000-C000-000000000047}", "Internet", "");

    ASSERT_EQ(cat().EntryCount, 2);
    EXPECT_EQ(entry(0).Name, clsid);
    EXPECT_EQ(TypeChain(cat(), 0), Names({".lnk", ".pif"}));
    EXPECT_EQ(view.rows[0], "Shortcut (" + clsid + ")");
}

TEST_F(AddEntryTest, DashDescriptionIsJustText) {
    cat().AddEntry(".d", "dfile", "-", "");

    EXPECT_EQ(entry(0).Description, "-");
    EXPECT_EQ(view.rows, Names({"- (dfile)"}));
}

TEST_F(AddEntryTest, EmptyDescriptionStillGivesTheBracketedName) {
    cat().AddEntry(".e", "efile", "", "");

    EXPECT_EQ(view.rows, Names({" (efile)"}));
}

TEST_F(AddEntryTest, EmptyTypeNameIsStoredAsGiven) {
    cat().AddEntry(".e", "", "Nameless", "");
    cat().AddEntry(".f", "", "Nameless", "");

    ASSERT_EQ(cat().EntryCount, 1);
    EXPECT_EQ(view.rows, Names({"Nameless ()"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".e", ".f"}));
}

TEST_F(AddEntryTest, NonAsciiBytesInTextsArePassedThrough) {
    cat().AddEntry(".\xE9t\xE9",
                   "caf\xE9"
                   "file",
                   "Caf\xE9 \xC0 la carte", "C:\\\xC9t\xE9.dll,1");

    EXPECT_EQ(entry(0).Name,
              "caf\xE9"
              "file");
    EXPECT_EQ(entry(0).IconFile, "C:\\\xC9t\xE9.dll");
    EXPECT_EQ(view.rows, Names({"Caf\xE9 \xC0 la carte (caf\xE9"
                                "file)"}));
    EXPECT_EQ(cat().FindExt(".\xE9t\xE9"), 0);
}

TEST_F(AddEntryTest, ExtensionsOfInterleavedTypesKeepInsertionOrderOnBothChains) {
    cat().AddEntry(".a1", "A", "A", "");
    cat().AddEntry(".b1", "B", "B", "");
    cat().AddEntry(".a2", "A", "A", "");
    cat().AddEntry(".c1", "C", "C", "");
    cat().AddEntry(".b2", "B", "B", "");
    cat().AddEntry(".a3", "A", "A", "");

    EXPECT_EQ(AllChain(cat()), Names({".a1", ".b1", ".a2", ".c1", ".b2", ".a3"}));
    EXPECT_EQ(TypeChain(cat(), 0), Names({".a1", ".a2", ".a3"}));
    EXPECT_EQ(TypeChain(cat(), 1), Names({".b1", ".b2"}));
    EXPECT_EQ(TypeChain(cat(), 2), Names({".c1"}));
    EXPECT_EQ(view.rows, Names({"A (A)", "B (B)", "C (C)"}));
}

TEST_F(AddEntryTest, ExtensionNameKeepsItsLetterCase) {
    cat().AddEntry(".TxT", "txtfile", "Text", "");

    EXPECT_EQ(AllChain(cat()), Names({".TxT"}));
}

TEST_F(AddEntryTest, IconIsExtractedBeforeTheRowIsAppended) {
    cat().AddEntry(".a", "afile", "A", "C:\\a.dll,2");

    EXPECT_EQ(ledger().events, Names({"extract C:\\a.dll|2 #0", "append A (afile)"}));
}

TEST_F(AddEntryTest, DoesNotShowAnyMessage) {
    for (int i = 0; i < 50; ++i) cat().AddEntry(".e" + std::to_string(i), "t", "T", "");

    EXPECT_TRUE(view.messages.empty());
}

}  // namespace
}  // namespace cataloguetest

// The start-up scan over a scratch HKEY_CLASSES_ROOT, filling a catalogue whose view and icon
// source are recorders.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "catalogue/CatalogueRecorders.h"
#include "catalogue/Scan.h"
#include "registry/TRegistry.h"
#include "support/ScratchRegistry.h"

using namespace cataloguetest;
using rawreg::Bytes;
using rawreg::Put;
using rawreg::PutDword;
using rawreg::PutText;

namespace {

class ScanTest : public ::testing::Test {
protected:
    ScanTest() { ledger().Reset(); }

    void extension(const std::string& name, const std::string& type) {
        PutText(HKEY_CLASSES_ROOT, name, "", type);
    }
    void fileType(const std::string& name, const std::string& description) {
        PutText(HKEY_CLASSES_ROOT, name, "", description);
    }
    void icon(const std::string& type, const std::string& location) {
        PutText(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", location);
    }
    void scan() { ScanRegistry(catalogue, keyNames); }
    const TEntry& entry(std::int32_t slot) { return *catalogue.Entries.at(slot); }

    // The given names in the order in which the registry enumerates the root's subkeys.
    std::vector<std::string> inEnumerationOrder(std::vector<std::string> names) {
        const std::vector<std::string> order = rawreg::Subkeys(HKEY_CLASSES_ROOT, "");
        auto position = [&](const std::string& n) {
            return std::find(order.begin(), order.end(), n) - order.begin();
        };
        std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
            return position(a) < position(b);
        });
        return names;
    }

    ScratchRegistry scratch;
    RecordingView view;
    RecordingIcons icons;
    TCatalogue catalogue{view, icons};
    std::vector<std::string> keyNames;
};

}  // namespace

TEST_F(ScanTest, KeyNamesHoldEverySubkeyOfTheRootInEnumerationOrder) {
    extension(".txt", "txtfile");
    fileType("txtfile", "Text Document");
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "CLSID\\{00021401-0000-0000-C000-000000000046}");
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "Word.Document.8");
    rawreg::MakeKey(HKEY_CLASSES_ROOT, ".");
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "*");
    keyNames = {"left over"};
    scan();
    EXPECT_EQ(keyNames, rawreg::Subkeys(HKEY_CLASSES_ROOT, ""));
    EXPECT_EQ(keyNames.size(), 6u);
}

TEST_F(ScanTest, AnEmptyRootGivesNoRowsAndNoNames) {
    scan();
    EXPECT_TRUE(keyNames.empty());
    EXPECT_EQ(catalogue.EntryCount, 0);
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(ScanTest, AnExtensionNamingATypeWithADescriptionGivesItsRow) {
    extension(".kst", "kstfile");
    fileType("kstfile", "Kestrune file");
    icon("kstfile", "C:\\Kestrune\\kst.dll,3");
    scan();
    ASSERT_EQ(catalogue.EntryCount, 1);
    EXPECT_EQ(view.rows, Names({"Kestrune file (kstfile)"}));
    EXPECT_EQ(entry(0).IconFile, "C:\\Kestrune\\kst.dll");
    EXPECT_EQ(entry(0).IconIndex, 3);
    EXPECT_EQ(TypeChain(catalogue, 0), Names({".kst"}));
    EXPECT_TRUE(icons.extracts.empty()) << "the scan extracts no icon; drawing the row does";
    catalogue.RowIcon(0);
    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "C:\\Kestrune\\kst.dll");
    EXPECT_EQ(icons.extracts[0].index, 3);
    EXPECT_TRUE(CatalogueIsSound(catalogue, view));
}

TEST_F(ScanTest, ExtensionsOfOneTypeShareOneRowInEnumerationOrder) {
    for (const char* ext : {".txt", ".log", ".TEXT", ".asc"}) extension(ext, "txtfile");
    fileType("txtfile", "Text Document");
    scan();
    ASSERT_EQ(catalogue.EntryCount, 1);
    EXPECT_EQ(TypeChain(catalogue, 0), inEnumerationOrder({".txt", ".log", ".TEXT", ".asc"}));
    EXPECT_EQ(AllChain(catalogue), TypeChain(catalogue, 0));
    EXPECT_TRUE(CatalogueIsSound(catalogue, view));
}

TEST_F(ScanTest, RowsFollowTheOrderInWhichTypesAreFirstNamed) {
    extension(".b1", "typeB");
    extension(".a1", "typeC");
    extension(".c1", "typeA");
    extension(".a2", "typeA");
    for (const char* type : {"typeA", "typeB", "typeC"}) fileType(type, std::string("D") + type);
    scan();

    std::vector<std::string> expectedRows;
    for (const std::string& ext : inEnumerationOrder({".b1", ".a1", ".c1", ".a2"})) {
        const std::string type = *rawreg::GetText(HKEY_CLASSES_ROOT, ext, "");
        const std::string row = "D" + type + " (" + type + ")";
        if (std::find(expectedRows.begin(), expectedRows.end(), row) == expectedRows.end())
            expectedRows.push_back(row);
    }
    EXPECT_EQ(view.rows, expectedRows);
    EXPECT_EQ(AllChain(catalogue), inEnumerationOrder({".b1", ".a1", ".c1", ".a2"}));
    EXPECT_TRUE(CatalogueIsSound(catalogue, view));
}

TEST_F(ScanTest, TypeKeysThatNoExtensionNamesAreNotListed) {
    fileType("txtfile", "Text Document");
    fileType("Word.Document.8", "Document");
    icon("txtfile", "C:\\x.dll,1");
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
    EXPECT_TRUE(icons.extracts.empty());
}

TEST_F(ScanTest, AnExtensionWhoseValueIsADashIsSkipped) {
    extension(".kst", "-");
    fileType("-", "a key really named dash");
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
}

TEST_F(ScanTest, ATypeWhoseDescriptionIsADashIsSkipped) {
    extension(".kst", "kstfile");
    fileType("kstfile", "-");
    icon("kstfile", "C:\\x.dll,1");
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
    EXPECT_TRUE(icons.extracts.empty());
}

TEST_F(ScanTest, OnlyTheExactDashCountsAsMissing) {
    extension(".kst", "kstfile");
    fileType("kstfile", " -");
    extension(".dsh", "--");
    fileType("--", "Dashes");
    scan();
    std::vector<std::string> rows = view.rows;
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, Names({" - (kstfile)", "Dashes (--)"}));
}

TEST_F(ScanTest, AnExtensionWithoutDefaultValueIsSkipped) {
    PutText(HKEY_CLASSES_ROOT, ".kst", "Content Type", "text/plain");
    rawreg::MakeKey(HKEY_CLASSES_ROOT, ".kst\\OpenWithProgids");
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
}

TEST_F(ScanTest, AnExtensionNamingAMissingTypeKeyIsSkipped) {
    extension(".kst", "kstfile");
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
}

TEST_F(ScanTest, ATypeKeyWithoutDefaultValueIsSkipped) {
    extension(".kst", "kstfile");
    PutText(HKEY_CLASSES_ROOT, "kstfile", "FriendlyTypeName", "Kestrune file");
    icon("kstfile", "C:\\x.dll,1");
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
}

TEST_F(ScanTest, AnExtensionWithAnEmptyValueIsSkipped) {
    extension(".txt", "");
    Put(HKEY_CLASSES_ROOT, ".bin", "", REG_BINARY, {});
    scan();
    EXPECT_EQ(catalogue.EntryCount, 0);
}

// An empty type name reads the root's own default value, which a root normally lacks.
TEST_F(ScanTest, AnExtensionWithAnEmptyValueReadsTheRootsOwnDescription) {
    extension(".txt", "");
    PutText(HKEY_CLASSES_ROOT, "", "", "Root text");
    scan();
    EXPECT_EQ(view.rows, Names({"Root text ()"}));
}

TEST_F(ScanTest, AnEmptyDescriptionIsListed) {
    extension(".kst", "kstfile");
    fileType("kstfile", "");
    scan();
    EXPECT_EQ(view.rows, Names({" (kstfile)"}));
}

TEST_F(ScanTest, TypeKeyNamesDifferingInCaseGiveTwoRows) {
    extension(".kst", "kstfile");
    extension(".kst2", "KstFile");
    fileType("kstfile", "Kestrune file");
    scan();
    ASSERT_EQ(catalogue.EntryCount, 2);
    std::vector<std::string> rows = view.rows;
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, Names({"Kestrune file (KstFile)", "Kestrune file (kstfile)"}));
    EXPECT_EQ(TypeChain(catalogue, 0).size(), 1u);
    EXPECT_EQ(TypeChain(catalogue, 1).size(), 1u);
}

TEST_F(ScanTest, ATypeWithoutDefaultIconGetsTheFallback) {
    extension(".kst", "kstfile");
    fileType("kstfile", "Kestrune file");
    scan();
    ASSERT_EQ(catalogue.EntryCount, 1);
    EXPECT_EQ(entry(0).IconFile, "<no icon>");
    EXPECT_EQ(entry(0).IconIndex, -1);
    EXPECT_TRUE(icons.fallbacks.empty()) << "the scan takes no icon; drawing the row does";
    catalogue.RowIcon(0);
    ASSERT_EQ(icons.fallbacks.size(), 1u);
    EXPECT_TRUE(icons.extracts.empty());
    EXPECT_EQ(IdOf(entry(0).Icon), icons.fallbacks[0]);
}

TEST_F(ScanTest, AnEmptyOrMissingDefaultIconValueGetsTheFallback) {
    extension(".a", "emptyIcon");
    fileType("emptyIcon", "Empty icon value");
    icon("emptyIcon", "");
    extension(".b", "noIconValue");
    fileType("noIconValue", "No icon value");
    PutText(HKEY_CLASSES_ROOT, "noIconValue\\DefaultIcon", "other", "C:\\x.dll,1");
    scan();
    ASSERT_EQ(catalogue.EntryCount, 2);
    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(entry(slot).IconFile, "<no icon>");
        EXPECT_EQ(entry(slot).IconIndex, -1);
    }
    EXPECT_TRUE(icons.fallbacks.empty());
    for (int slot = 0; slot < 2; ++slot) catalogue.RowIcon(slot);
    EXPECT_EQ(icons.fallbacks.size(), 2u);
    EXPECT_TRUE(icons.extracts.empty());
}

TEST_F(ScanTest, AnExpandableIconLocationReachesTheIconSourceUnexpanded) {
    extension(".kst", "kstfile");
    fileType("kstfile", "Kestrune file");
    Put(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", "", REG_EXPAND_SZ,
        Bytes("%SystemRoot%\\system32\\shell32.dll,-152"));
    scan();
    EXPECT_TRUE(icons.extracts.empty());
    catalogue.RowIcon(0);
    ASSERT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(icons.extracts[0].file, "%SystemRoot%\\system32\\shell32.dll");
    EXPECT_EQ(icons.extracts[0].index, -152);
    EXPECT_EQ(entry(0).IconFile, "%SystemRoot%\\system32\\shell32.dll");
}

TEST_F(ScanTest, AQuotedIconLocationIsKeptAsStored) {
    extension(".kst", "kstfile");
    fileType("kstfile", "Kestrune file");
    icon("kstfile", "\"C:\\Program Files\\Kestrune\\k.exe\",0");
    scan();
    EXPECT_EQ(entry(0).IconFile, "\"C:\\Program Files\\Kestrune\\k.exe\"");
    EXPECT_EQ(entry(0).IconIndex, 0);
}

TEST_F(ScanTest, ALaterExtensionKeepsTheIconOfItsTypesFirstExtension) {
    extension(".a", "kstfile");
    extension(".b", "kstfile");
    fileType("kstfile", "Kestrune file");
    icon("kstfile", "C:\\k.dll,4");
    scan();
    EXPECT_TRUE(icons.extracts.empty());
    catalogue.RowIcon(0);
    EXPECT_EQ(icons.extracts.size(), 1u);
    EXPECT_EQ(TypeChain(catalogue, 0).size(), 2u);
}

TEST_F(ScanTest, ATypeNamingAKeyBelowCLSIDIsReadThere) {
    const std::string type = "CLSID\\{B5F8350B-0548-48B1-A6EE-88BD00B4A5E7}";
    extension(".kst", type);
    fileType(type, "Class type");
    icon(type, "C:\\windows\\system32\\shell32.dll,12");
    scan();
    EXPECT_EQ(view.rows, std::vector<std::string>{"Class type (" + type + ")"});
    EXPECT_EQ(entry(0).IconIndex, 12);
}

TEST_F(ScanTest, AnExtensionNamingItselfIsItsOwnType) {
    extension(".kst", ".kst");
    scan();
    EXPECT_EQ(view.rows, Names({".kst (.kst)"}));
    EXPECT_EQ(TypeChain(catalogue, 0), Names({".kst"}));
}

TEST_F(ScanTest, ADotAloneIsAnExtensionKey) {
    extension(".", "dotfile");
    fileType("dotfile", "Dot");
    scan();
    EXPECT_EQ(view.rows, Names({"Dot (dotfile)"}));
    EXPECT_EQ(TypeChain(catalogue, 0), Names({"."}));
}

TEST_F(ScanTest, ExtensionNamesKeepTheirLetterCase) {
    extension(".TxT", "txtfile");
    fileType("txtfile", "Text");
    scan();
    EXPECT_EQ(AllChain(catalogue), Names({".TxT"}));
    EXPECT_EQ(catalogue.FindExt(".txt"), 0);
}

// A default value that is no text (of an extension, a type or its icon location, which is read
// before the description is looked at) leaves its key out, and the scan goes on.
TEST_F(ScanTest, DefaultValuesThatAreNoTextLeaveTheirKeysOutAndTheScanGoesOn) {
    for (const char* ext : {".a", ".c", ".d", ".e"}) extension(ext, std::string("t") + ext);
    for (const char* type : {"t.a", "t.d"}) fileType(type, "D");
    PutDword(HKEY_CLASSES_ROOT, ".b", "", 1);
    PutDword(HKEY_CLASSES_ROOT, "t.c", "", 7);
    fileType("t.e", "-");
    Put(HKEY_CLASSES_ROOT, "t.e\\DefaultIcon", "", REG_BINARY, {1, 2});
    std::vector<std::string> leftOut = ScanRegistry(catalogue, keyNames);

    std::sort(leftOut.begin(), leftOut.end());
    EXPECT_EQ(leftOut, Names({".b", "t.c", "t.e\\DefaultIcon"}));
    EXPECT_EQ(AllChain(catalogue), inEnumerationOrder({".a", ".d"}));
    EXPECT_EQ(LeftOutMessage({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}),
              "These keys were left out of the list, as their default value cannot be read as "
              "text: \"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", \"8\", \"9\", \"10\" and 2 "
              "more");
}

TEST_F(ScanTest, MoreTypesThanTheTableHoldsShowTheMessageOncePerLaterExtension) {
    constexpr int kTypes = kMaxEntries + 4;
    std::vector<std::string> extensions;
    for (int i = 0; i < kTypes; ++i) {
        char ext[16], type[16];
        snprintf(ext, sizeof ext, ".e%04d", i);
        snprintf(type, sizeof type, "t%04d", i);
        extension(ext, type);
        fileType(type, std::string("Type ") + type);
        extensions.push_back(ext);
    }
    // Extra extensions of one type that may or may not fit, and of one that surely fits.
    for (const char* ext : {".z1", ".z2"}) {
        extension(ext, "t4099");
        extensions.push_back(ext);
    }
    extension(".z3", "t0000");
    extensions.push_back(".z3");
    scan();

    // Walk the extensions as the registry enumerates them to see which types fit.
    std::set<std::string> listed;
    int expectedMessages = 0;
    std::vector<std::string> expectedChain;
    for (const std::string& ext : inEnumerationOrder(extensions)) {
        const std::string type = *rawreg::GetText(HKEY_CLASSES_ROOT, ext, "");
        if (!listed.count(type) && listed.size() == static_cast<size_t>(kMaxEntries)) {
            ++expectedMessages;
            continue;
        }
        listed.insert(type);
        expectedChain.push_back(ext);
    }
    ASSERT_GE(expectedMessages, kTypes - kMaxEntries);
    EXPECT_EQ(catalogue.EntryCount, kMaxEntries);
    EXPECT_EQ(view.messages, std::vector<std::string>(expectedMessages,
                                                      "File Type Array Full! Contact the "
                                                      "programmer!!!"));
    EXPECT_EQ(AllChain(catalogue), expectedChain);
    EXPECT_EQ(catalogue.FindExt(".z3") != -1, listed.count("t0000") == 1);
    EXPECT_TRUE(CatalogueIsSound(catalogue, view));
}

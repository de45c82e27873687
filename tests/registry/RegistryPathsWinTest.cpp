// Roots, current keys and the two kinds of path.

#include <algorithm>

#include "registry/RegistryFixture.h"

using rawreg::GetText;
using rawreg::KeyExists;
using rawreg::PutText;

TEST_F(RegistryTest, EmptyPathAfterSetRootMakesTheRootCurrent) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", "Kestrune file");
    TRegIniFile fresh("");
    fresh.SetRoot(HKEY_CLASSES_ROOT);
    EXPECT_TRUE(fresh.SelectKey("", false));
    EXPECT_NE(fresh.ActiveKey(), nullptr);
    EXPECT_EQ(fresh.ReadText("kstfile", "", "-"), "Kestrune file");
}

TEST_F(RegistryTest, RelativeAndAbsolutePathsNameTheSameKey) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", "Kestrune file");
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "Kestrune file");
    EXPECT_EQ(reg.ReadText("\\kstfile", "", "-"), "Kestrune file");
    reg.WriteText("\\kstfile", "", "Written absolutely");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", ""), "Written absolutely");
}

TEST_F(RegistryTest, RelativePathResolvesAgainstTheCurrentKeyAbsoluteAgainstTheRoot) {
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    PutText(HKEY_CLASSES_ROOT, "inner", "", "top level");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "nested");
    EXPECT_EQ(reg.ReadText("\\inner", "", "-"), "top level");
}

TEST_F(RegistryTest, EmptyPathReadsTheCurrentKeysOwnValue) {
    PutText(HKEY_CLASSES_ROOT, "outer", "", "outer value");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    EXPECT_EQ(reg.ReadText("", "", "-"), "outer value");
}

TEST_F(RegistryTest, SelectKeyOfMissingKeyWithoutCreateFailsAndKeepsTheCurrentKey) {
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    const HKEY before = reg.ActiveKey();
    EXPECT_FALSE(reg.SelectKey("missing", false));
    EXPECT_EQ(reg.ActiveKey(), before);
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "nested");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "outer\\missing"));
}

TEST_F(RegistryTest, SelectKeyWithCreateMakesTheMissingKeyCurrent) {
    EXPECT_TRUE(reg.SelectKey("made\\deeper", true));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "made\\deeper"));
    reg.WriteValueText("here", "x");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "made\\deeper", "here"), "x");
}

TEST_F(RegistryTest, SelectKeyOfAnExistingKeyWithCreateOpensIt) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "keep", "kept");
    EXPECT_TRUE(reg.SelectKey("kstfile", true));
    EXPECT_EQ(reg.ReadValueText("keep"), "kept");
}

TEST_F(RegistryTest, RegIniFileWithEmptyPathOpensCurrentUserItself) {
    TRegIniFile user("");
    EXPECT_EQ(user.Root(), HKEY_CURRENT_USER);
    ASSERT_NE(user.ActiveKey(), nullptr);
    user.WriteText("Settings", "DefaultDir", "C:\\Icons");
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, "Settings", "DefaultDir"), "C:\\Icons");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Settings"));
}

TEST_F(RegistryTest, RegIniFileCreatesItsPathBelowCurrentUser) {
    TRegIniFile settings("Software");
    EXPECT_TRUE(settings.SelectKey("Morvane", true));
    EXPECT_TRUE(settings.SelectKey("Kestrune", true));
    settings.WriteText("Settings", "DefaultDir", "D:\\Libraries");
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, "Software\\Morvane\\Kestrune\\Settings", "DefaultDir"),
              "D:\\Libraries");
    EXPECT_EQ(settings.ReadText("Settings", "DefaultDir", ""), "D:\\Libraries");
}

TEST_F(RegistryTest, SetRootToAnotherRootReleasesTheCurrentKey) {
    ASSERT_NE(reg.ActiveKey(), nullptr);
    reg.SetRoot(HKEY_CURRENT_USER);
    EXPECT_EQ(reg.ActiveKey(), nullptr);
    EXPECT_EQ(reg.Root(), HKEY_CURRENT_USER);
}

TEST_F(RegistryTest, SetRootToTheSameRootKeepsTheCurrentKey) {
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    const HKEY before = reg.ActiveKey();
    reg.SetRoot(HKEY_CLASSES_ROOT);
    EXPECT_EQ(reg.ActiveKey(), before);
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "nested");
}

TEST_F(RegistryTest, WithoutCurrentKeyRelativePathsResolveAgainstTheRoot) {
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    PutText(HKEY_CLASSES_ROOT, "inner", "", "top level");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    reg.CloseActive();
    EXPECT_EQ(reg.ActiveKey(), nullptr);
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "top level");
}

TEST_F(RegistryTest, MakeKeyCreatesThePathAndLeavesTheCurrentKey) {
    ASSERT_TRUE(reg.SelectKey("", false));
    const HKEY before = reg.ActiveKey();
    EXPECT_TRUE(reg.MakeKey("one\\two\\three"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "one\\two\\three"));
    EXPECT_EQ(reg.ActiveKey(), before);
}

TEST_F(RegistryTest, MakeKeyOfAnExistingKeyKeepsItsValues) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", "Kestrune file");
    EXPECT_TRUE(reg.MakeKey("kstfile"));
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", ""), "Kestrune file");
}

TEST_F(RegistryTest, KeyPresentAndOpenHandleTellExistingFromMissingKeys) {
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon");
    EXPECT_TRUE(reg.KeyPresent("kstfile"));
    EXPECT_TRUE(reg.KeyPresent("KSTFILE\\defaulticon"));
    EXPECT_FALSE(reg.KeyPresent("kstfile\\shell"));
    EXPECT_TRUE(static_cast<bool>(reg.OpenHandle("\\kstfile")));
    EXPECT_FALSE(static_cast<bool>(reg.OpenHandle("missing")));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "missing"));
}

TEST_F(RegistryTest, OpenHandleGivesAKeyTheCallerOwns) {
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "kstfile");
    UniqueKey key = reg.OpenHandle("kstfile");
    ASSERT_TRUE(static_cast<bool>(key));
    EXPECT_EQ(RegSetValueExA(key.get(), "n", 0, REG_SZ, reinterpret_cast<const BYTE*>("v"), 2),
              ERROR_SUCCESS);
    EXPECT_NE(key.get(), reg.ActiveKey());
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", "n"), "v");
}

TEST_F(RegistryTest, ValuePresentLooksAtTheCurrentKey) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "named", "x");
    ASSERT_TRUE(reg.SelectKey("kstfile", false));
    EXPECT_TRUE(reg.ValuePresent("named"));
    EXPECT_TRUE(reg.ValuePresent("NAMED"));
    EXPECT_FALSE(reg.ValuePresent(""));
    EXPECT_FALSE(reg.ValuePresent("other"));
}

TEST_F(RegistryTest, ListSubkeysGivesAllNamesInEnumerationOrder) {
    for (const char* name : {".txt", "txtfile", "CLSID", ".Log", "zeta", ".", "Alpha"})
        rawreg::MakeKey(HKEY_CLASSES_ROOT, name);
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "txtfile\\DefaultIcon");
    std::vector<std::string> names{"stale"};
    reg.ListSubkeys(names);
    EXPECT_EQ(names, rawreg::Subkeys(HKEY_CLASSES_ROOT, ""));
    EXPECT_EQ(names.size(), 7u);
}

TEST_F(RegistryTest, ListSubkeysOfAKeyWithoutSubkeysEmptiesTheList) {
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "leaf");
    ASSERT_TRUE(reg.SelectKey("leaf", false));
    std::vector<std::string> names{"stale"};
    reg.ListSubkeys(names);
    EXPECT_TRUE(names.empty());
}

TEST_F(RegistryTest, ListSubkeysKeepsLongNames) {
    const std::string longName(255, 'k');
    rawreg::MakeKey(HKEY_CLASSES_ROOT, longName);
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "short");
    std::vector<std::string> names;
    reg.ListSubkeys(names);
    EXPECT_NE(std::find(names.begin(), names.end(), longName), names.end());
    EXPECT_EQ(names.size(), 2u);
}

TEST(PredefinedKeys, RootsAreRecognisedAndOpenedKeysAreNot) {
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                      HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA})
        EXPECT_TRUE(isPredefined(root));
    ScratchRegistry scratch;
    EXPECT_FALSE(isPredefined(scratch.Classes()));
    EXPECT_FALSE(isPredefined(nullptr));
}

TEST_F(RegistryTest, FreeingARegistryObjectLeavesThePredefinedRootUsable) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", "Kestrune file");
    for (int i = 0; i < 3; ++i) {
        TRegIniFile temporary("");
        temporary.SetRoot(HKEY_CLASSES_ROOT);
        ASSERT_TRUE(temporary.SelectKey("", false));
    }
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", ""), "Kestrune file");
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "Kestrune file");
}

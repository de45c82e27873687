// Deleting a key with everything below it.

#include "registry/RegistryFixture.h"

using rawreg::GetText;
using rawreg::KeyExists;
using rawreg::MakeKey;
using rawreg::PutText;
using rawreg::Subkeys;

namespace {

void buildTypeKey(const std::string& name) {
    PutText(HKEY_CLASSES_ROOT, name, "", "Kestrune file");
    PutText(HKEY_CLASSES_ROOT, name + "\\DefaultIcon", "", "C:\\k.dll,2");
    PutText(HKEY_CLASSES_ROOT, name + "\\shell\\open\\command", "", "k.exe \"%1\"");
    PutText(HKEY_CLASSES_ROOT, name + "\\shell\\open\\ddeexec\\Application", "", "k");
    PutText(HKEY_CLASSES_ROOT, name + "\\shell\\print\\command", "", "k.exe /p \"%1\"");
    MakeKey(HKEY_CLASSES_ROOT, name + "\\shellex\\{00021500-0000-0000-C000-000000000046}");
}

}  // namespace

TEST_F(RegistryTest, RemoveKeyTreeRemovesANestedTreeAndReturnsTrue) {
    buildTypeKey("kstfile");
    EXPECT_TRUE(reg.RemoveKeyTree("kstfile"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
    EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "").empty());
}

TEST_F(RegistryTest, RemoveKeyTreeLeavesSiblingsAndLookalikesAlone) {
    buildTypeKey("kstfile");
    buildTypeKey("kstfile2");
    PutText(HKEY_CLASSES_ROOT, ".kst", "", "kstfile");
    EXPECT_TRUE(reg.RemoveKeyTree("kstfile"));
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile2\\shell\\open\\ddeexec\\Application", ""), "k");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, ".kst", ""), "kstfile");
}

TEST_F(RegistryTest, RemoveKeyTreeOfAMissingKeyReturnsFalse) {
    MakeKey(HKEY_CLASSES_ROOT, "other");
    EXPECT_FALSE(reg.RemoveKeyTree("missing"));
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, ""), std::vector<std::string>{"other"});
}

TEST_F(RegistryTest, RemoveKeyTreeComparesNamesCaseBlind) {
    buildTypeKey("kstfile");
    EXPECT_TRUE(reg.RemoveKeyTree("KstFile"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
}

TEST_F(RegistryTest, RemoveKeyTreeOfADeeperPathRemovesOnlyThatBranch) {
    buildTypeKey("kstfile");
    EXPECT_TRUE(reg.RemoveKeyTree("kstfile\\shell\\open"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile\\shell\\open"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "kstfile\\shell\\print\\command"));
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", ""), "Kestrune file");
}

TEST_F(RegistryTest, RemoveKeyTreeResolvesRelativeToTheCurrentKeyAndRestoresIt) {
    buildTypeKey("outer\\kstfile");
    buildTypeKey("kstfile");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    const HKEY before = reg.ActiveKey();
    EXPECT_TRUE(reg.RemoveKeyTree("kstfile"));
    EXPECT_EQ(reg.ActiveKey(), before);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "outer\\kstfile"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "kstfile\\shell\\open\\command"));
    EXPECT_TRUE(reg.RemoveKeyTree("\\kstfile"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "outer"));
}

TEST_F(RegistryTest, RemoveKeyTreeOfTheEmptyPathRemovesNothing) {
    buildTypeKey("kstfile");
    PutText(HKEY_CLASSES_ROOT, ".kst", "", "kstfile");
    EXPECT_FALSE(reg.RemoveKeyTree(""));
    EXPECT_FALSE(reg.RemoveKeyTree("\\"));
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "").size(), 2u);
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "kstfile\\shell\\open\\ddeexec\\Application"));
}

TEST_F(RegistryTest, RemoveKeyTreeRemovesAKeyWithThousandsOfSubkeys) {
    for (int i = 0; i < 1500; ++i) MakeKey(HKEY_CLASSES_ROOT, "big\\sub" + std::to_string(i));
    EXPECT_TRUE(reg.RemoveKeyTree("big"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "big"));
}

// The association schema's writer and paths, over a scratch HKEY_CLASSES_ROOT.

#include <gtest/gtest.h>

#include "catalogue/Schema.h"
#include "registry/ClassesView.h"
#include "support/ScratchRegistry.h"

using rawreg::Bytes;
using rawreg::Get;
using rawreg::GetText;
using rawreg::HasValue;
using rawreg::KeyExists;
using rawreg::PutText;

namespace {

class SchemaTest : public ::testing::Test {
protected:
    ScratchRegistry scratch;
};

// The writer's plan, written where the view puts it.
void writeTypeKeys(const std::string& name, const std::string& description, const std::string& file,
                   std::int32_t index) {
    ClassesPlan plan;
    WriteTypeKeys(plan, name, description, file, index);
    ClassesView().Apply(plan, WriteMode::AsTheView);
}

}  // namespace

TEST(SchemaPaths, TheIconKeyIsTheDefaultIconSubkeyOfTheType) {
    EXPECT_EQ(IconKeyPath("kstfile"), "kstfile\\DefaultIcon");
    EXPECT_EQ(IconKeyPath("CLSID\\{0}"), "CLSID\\{0}\\DefaultIcon");
}

TEST(SchemaPaths, ExtensionKeysAreTheNamesBeginningWithADot) {
    EXPECT_TRUE(IsExtensionKey(".txt"));
    EXPECT_TRUE(IsExtensionKey("."));
    EXPECT_FALSE(IsExtensionKey(""));
    EXPECT_FALSE(IsExtensionKey("txtfile"));
    EXPECT_FALSE(IsExtensionKey("Word.Document.8"));
}

TEST_F(SchemaTest, WriteTypeKeysWritesTheDescriptionAndTheIconLocation) {
    writeTypeKeys("kstfile", "Kestrune file", "C:\\x.dll", 3);
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "kstfile", "", REG_SZ, Bytes("Kestrune file")));
    EXPECT_TRUE(
        HasValue(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", "", REG_SZ, Bytes("C:\\x.dll,3")));
}

TEST_F(SchemaTest, WriteTypeKeysWritesANegativeIndexWithItsSign) {
    writeTypeKeys("kstfile", "Kestrune file", "C:\\x.dll", -2);
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", ""), "C:\\x.dll,-2");
}

TEST_F(SchemaTest, WriteTypeKeysKeepsThePathAsGiven) {
    writeTypeKeys("kstfile", "K", "\"%ProgramFiles%\\Kestrune\\k.icl\"", 0);
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", ""),
              "\"%ProgramFiles%\\Kestrune\\k.icl\",0");
}

TEST_F(SchemaTest, WriteTypeKeysKeepsAnExpandableLocationExpandableAndMakesANewOneSo) {
    rawreg::Put(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", "", REG_EXPAND_SZ,
                Bytes("%SystemRoot%\\a.dll,1"));
    writeTypeKeys("kstfile", "Kestrune file", "C:\\b.dll", 5);
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", "", REG_EXPAND_SZ,
                         Bytes("C:\\b.dll,5")));
    writeTypeKeys("newtype", "%USERNAME%'s", "%SystemRoot%\\c.dll", -2);
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "newtype", "", REG_EXPAND_SZ));
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "newtype\\DefaultIcon", "", REG_EXPAND_SZ));
}

TEST_F(SchemaTest, WriteTypeKeysLeavesTheTypesOtherContentsAlone) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", "Old description");
    PutText(HKEY_CLASSES_ROOT, "kstfile", "FriendlyTypeName", "@k.dll,-1");
    PutText(HKEY_CLASSES_ROOT, "kstfile\\shell\\open\\command", "", "k.exe \"%1\"");
    writeTypeKeys("kstfile", "New description", "C:\\k.dll", 1);
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", ""), "New description");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", "FriendlyTypeName"), "@k.dll,-1");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile\\shell\\open\\command", ""), "k.exe \"%1\"");
}

TEST_F(SchemaTest, WriteTypeKeysWritesBelowClassesRootOnly) {
    writeTypeKeys("kstfile", "Kestrune file", "C:\\x.dll", 3);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "kstfile"));
    EXPECT_TRUE(rawreg::Subkeys(HKEY_CURRENT_USER, "").empty());
}

TEST_F(SchemaTest, WriteTypeKeysWithAnEmptyNameWritesNothing) {
    writeTypeKeys("", "Kestrune file", "C:\\x.dll", 3);
    EXPECT_FALSE(Get(HKEY_CLASSES_ROOT, "", ""));
    EXPECT_TRUE(rawreg::Subkeys(HKEY_CLASSES_ROOT, "").empty());
}

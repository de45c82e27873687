// Keys and writes the system refuses, and the texts the layer raises for them.

#include "registry/RegistryFixture.h"

#include <sddl.h>

using rawreg::Get;
using rawreg::GetText;
using rawreg::KeyExists;
using rawreg::PutText;
using rawreg::Subkeys;
using rawreg::ValueNames;

namespace {

// Everyone may read the key, nobody may change it.
void makeReadOnly(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR sd = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
        "D:(A;;KR;;;WD)", SDDL_REVISION_1, &sd, nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
    LocalFree(sd);
    RegCloseKey(key);
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &probe), ERROR_ACCESS_DENIED)
        << "the key still grants full access";
}

void makeVolatile(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

class ReadOnlyKeyTest : public RegistryTest {
protected:
    ReadOnlyKeyTest() {
        PutText(HKEY_CLASSES_ROOT, "locked", "", "original");
        PutText(HKEY_CLASSES_ROOT, "locked", "named", "kept");
        makeReadOnly(HKEY_CLASSES_ROOT, "locked");
    }
    void expectUnchanged() {
        EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "locked", ""), "original");
        EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "locked", "named"), "kept");
        EXPECT_EQ(ValueNames(HKEY_CLASSES_ROOT, "locked").size(), 2u);
        EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "locked").empty());
        EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, ""), std::vector<std::string>{"locked"});
    }
};

}  // namespace

TEST_F(ReadOnlyKeyTest, OpensAtReadAccessWhenFullAccessIsRefused) {
    EXPECT_TRUE(reg.KeyPresent("locked"));
    EXPECT_TRUE(static_cast<bool>(reg.OpenHandle("locked")));
    EXPECT_EQ(reg.ReadText("locked", "", "-"), "original");
}

TEST_F(ReadOnlyKeyTest, SelectKeyMakesItCurrentAtReadAccess) {
    ASSERT_TRUE(reg.SelectKey("locked", false));
    EXPECT_EQ(reg.ReadValueText("named"), "kept");
}

TEST_F(ReadOnlyKeyTest, WritingItsDefaultValueRaisesFailedToSetData) {
    ASSERT_TRUE(reg.SelectKey("locked", false));
    EXPECT_EQ(RaisedText([&] { reg.WriteValueText("", "replaced"); }), "Failed to set data for ''");
    expectUnchanged();
}

TEST_F(ReadOnlyKeyTest, WritingANamedValueNamesItInTheError) {
    ASSERT_TRUE(reg.SelectKey("locked", false));
    EXPECT_EQ(RaisedText([&] { reg.WriteValueText("named", "replaced"); }),
              "Failed to set data for 'named'");
    expectUnchanged();
}

// Creating-or-opening asks for full access too, which the key refuses, so WriteText stops
// before its write.
TEST_F(ReadOnlyKeyTest, WriteTextRaisesFailedToCreateKeyWithThePathAsGiven) {
    EXPECT_EQ(RaisedText([&] { reg.WriteText("\\locked", "", "replaced"); }),
              "Failed to create key \\locked");
    expectUnchanged();
}

TEST_F(RegistryTest, MakeKeyBelowAVolatileKeyRaisesFailedToCreateKey) {
    makeVolatile(HKEY_CLASSES_ROOT, "volatile");
    EXPECT_EQ(RaisedText([&] { reg.MakeKey("volatile\\child"); }),
              "Failed to create key volatile\\child");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "volatile\\child"));
}

TEST_F(RegistryTest, WriteTextBelowAVolatileKeyRaisesFailedToCreateKey) {
    makeVolatile(HKEY_CLASSES_ROOT, "volatile");
    EXPECT_EQ(RaisedText([&] { reg.WriteText("volatile\\DefaultIcon", "", "x.dll,1"); }),
              "Failed to create key volatile\\DefaultIcon");
    EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "volatile").empty());
}

TEST_F(RegistryTest, MakeKeyOfAnOverlongNameRaisesFailedToCreateKey) {
    const std::string name(300, 'n');
    // The name is cut in the message, so that the box fits the screen.
    EXPECT_EQ(RaisedText([&] { reg.MakeKey(name); }),
              "Failed to create key " + name.substr(0, 63) + "\xE2\x80\xA6");
    EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "").empty());
}

TEST_F(RegistryTest, MakeKeyBelowARootThatIsNoKeyRaisesFailedToCreateKey) {
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    TRegistry other;
    other.SetRoot(static_cast<HKEY>(event));
    EXPECT_EQ(RaisedText([&] { other.MakeKey("\\kstfile"); }), "Failed to create key \\kstfile");
    EXPECT_FALSE(other.SelectKey("kstfile", true));
    other.SetRoot(HKEY_CLASSES_ROOT);
    CloseHandle(event);
    EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "").empty());
}

TEST_F(RegistryTest, SelectKeyThatCannotCreateReturnsFalseWithoutRaising) {
    makeVolatile(HKEY_CLASSES_ROOT, "volatile");
    const HKEY before = reg.ActiveKey();
    EXPECT_FALSE(reg.SelectKey("volatile\\child", true));
    EXPECT_EQ(reg.ActiveKey(), before);
}

TEST_F(RegistryTest, WriteValueTextOfAnOverlongValueNameRaisesFailedToSetData) {
    const std::string name(20000, 'v');
    ASSERT_TRUE(reg.SelectKey("kstfile", true));
    EXPECT_EQ(RaisedText([&] { reg.WriteValueText(name, "x"); }),
              "Failed to set data for '" + name.substr(0, 63) + "\xE2\x80\xA6'");
    EXPECT_TRUE(ValueNames(HKEY_CLASSES_ROOT, "kstfile").empty());
}

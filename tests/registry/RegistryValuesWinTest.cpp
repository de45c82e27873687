// Reading and writing text values, their defaults and their errors.

#include "registry/RegistryFixture.h"

using rawreg::Bytes;
using rawreg::Get;
using rawreg::GetText;
using rawreg::HasValue;
using rawreg::KeyExists;
using rawreg::Put;
using rawreg::PutDword;
using rawreg::PutText;

TEST_F(RegistryTest, WriteTextCreatesTheSubkeyAndItsIntermediateKeys) {
    reg.WriteText("kstfile\\shell\\open", "", "Open");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "kstfile\\shell"));
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile\\shell\\open", ""), "Open");
}

TEST_F(RegistryTest, WriteTextStoresRegSzWithItsTerminatingNul) {
    reg.WriteText("kstfile", "", "Kestrune file");
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "kstfile", "", REG_SZ, Bytes("Kestrune file")));
}

TEST_F(RegistryTest, WriteTextOfEmptyTextStoresJustTheNul) {
    reg.WriteText("kstfile", "", "");
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "kstfile", "", REG_SZ, Bytes("")));
}

TEST_F(RegistryTest, WriteTextReplacesAValueOfAnotherType) {
    PutDword(HKEY_CLASSES_ROOT, "kstfile", "", 7);
    reg.WriteText("kstfile", "", "text now");
    EXPECT_TRUE(HasValue(HKEY_CLASSES_ROOT, "kstfile", "", REG_SZ));
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "text now");
}

TEST_F(RegistryTest, WriteTextLeavesOtherValuesAndSubkeysAlone) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "FriendlyTypeName", "@shell32.dll,-123");
    PutText(HKEY_CLASSES_ROOT, "kstfile\\shell\\open\\command", "", "\"C:\\k.exe\" \"%1\"");
    reg.WriteText("kstfile", "", "Kestrune file");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", "FriendlyTypeName"), "@shell32.dll,-123");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile\\shell\\open\\command", ""),
              "\"C:\\k.exe\" \"%1\"");
}

TEST_F(RegistryTest, WriteTextWritesNamedValues) {
    reg.WriteText("kstfile", "Content Type", "text/x-kestrune");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", "Content Type"), "text/x-kestrune");
    EXPECT_FALSE(Get(HKEY_CLASSES_ROOT, "kstfile", ""));
}

TEST_F(RegistryTest, WriteTextRestoresTheCurrentKey) {
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    const HKEY before = reg.ActiveKey();
    reg.WriteText("other", "", "x");
    EXPECT_EQ(reg.ActiveKey(), before);
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "outer\\other", ""), "x");
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "nested");
}

TEST_F(RegistryTest, ReadTextOfAMissingSubkeyGivesTheDefault) {
    EXPECT_EQ(reg.ReadText("missing", "", "-"), "-");
    EXPECT_EQ(reg.ReadText("missing\\DefaultIcon", "", ""), "");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "missing"));
}

TEST_F(RegistryTest, ReadTextOfAMissingValueGivesTheDefault) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "other", "x");
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "-");
    EXPECT_EQ(reg.ReadText("kstfile", "absent", "fallback"), "fallback");
}

TEST_F(RegistryTest, ReadTextGivesTheTextOfAStringValue) {
    PutText(HKEY_CLASSES_ROOT, ".kst", "", "kstfile");
    EXPECT_EQ(reg.ReadText(".kst", "", "-"), "kstfile");
}

TEST_F(RegistryTest, ReadTextGivesAnExpandableStringUnexpanded) {
    Put(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", "", REG_EXPAND_SZ,
        Bytes("%SystemRoot%\\system32\\shell32.dll,-152"));
    EXPECT_EQ(reg.ReadText("kstfile\\DefaultIcon", "", ""),
              "%SystemRoot%\\system32\\shell32.dll,-152");
}

TEST_F(RegistryTest, ReadTextStopsAtTheFirstNul) {
    Put(HKEY_CLASSES_ROOT, "kstfile", "", REG_SZ, {'a', 'b', 0, 'c', 'd', 0});
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "ab");
}

TEST_F(RegistryTest, ReadTextOfAStringStoredWithoutNulGivesAllOfIt) {
    Put(HKEY_CLASSES_ROOT, "kstfile", "", REG_SZ, Bytes("no terminator", false));
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "no terminator");
}

TEST_F(RegistryTest, ReadTextReadsLongValuesWhole) {
    const std::string longText(70000, 'x');
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", longText);
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), longText);
}

TEST_F(RegistryTest, ReadTextKeepsQuotesCommasAndBackslashes) {
    const std::string location = "\"C:\\Program Files\\Ks,t\\app.exe\",-3";
    PutText(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", "", location);
    EXPECT_EQ(reg.ReadText("kstfile\\DefaultIcon", "", ""), location);
}

class EmptyValueOfAnyType : public RegistryTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(EmptyValueOfAnyType, ReadsAsEmptyTextNotAsTheDefault) {
    Put(HKEY_CLASSES_ROOT, "kstfile", "", GetParam(), {});
    ASSERT_EQ(Get(HKEY_CLASSES_ROOT, "kstfile", "")->data.size(), 0u);
    EXPECT_EQ(reg.ReadText("kstfile", "", "-"), "");
}

INSTANTIATE_TEST_SUITE_P(Types, EmptyValueOfAnyType,
                         ::testing::Values(REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY,
                                           REG_DWORD, REG_QWORD, REG_NONE, 0x4B53u));

TEST_F(RegistryTest, ReadTextOfADwordDefaultValueRaisesInvalidDataType) {
    PutDword(HKEY_CLASSES_ROOT, ".kst", "", 1);
    EXPECT_EQ(RaisedText([&] { reg.ReadText(".kst", "", "-"); }), "Invalid data type for ''");
}

TEST_F(RegistryTest, ReadTextOfABinaryNamedValueNamesTheValue) {
    Put(HKEY_CLASSES_ROOT, "kstfile", "EditFlags", REG_BINARY, {0, 0, 1, 0});
    EXPECT_EQ(RaisedText([&] { reg.ReadText("kstfile", "EditFlags", "-"); }),
              "Invalid data type for 'EditFlags'");
}

TEST_F(RegistryTest, ReadTextOfAMultiStringRaisesInvalidDataType) {
    Put(HKEY_CLASSES_ROOT, "kstfile", "", REG_MULTI_SZ, {'a', 0, 'b', 0, 0});
    EXPECT_EQ(RaisedText([&] { reg.ReadText("kstfile", "", "-"); }), "Invalid data type for ''");
}

TEST_F(RegistryTest, TheReadErrorIsTheProgramsGeneralErrorType) {
    PutDword(HKEY_CLASSES_ROOT, ".kst", "", 1);
    try {
        reg.ReadText(".kst", "", "-");
        FAIL() << "nothing raised";
    } catch (const Exception& e) {
        EXPECT_NE(dynamic_cast<const ERegistryException*>(&e), nullptr);
        EXPECT_EQ(e.message(), "Invalid data type for ''");
    }
}

TEST_F(RegistryTest, ReadTextThatRaisesStillRestoresTheCurrentKey) {
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    PutDword(HKEY_CLASSES_ROOT, "outer\\number", "", 5);
    ASSERT_TRUE(reg.SelectKey("outer", false));
    const HKEY before = reg.ActiveKey();
    EXPECT_EQ(RaisedText([&] { reg.ReadText("number", "", "-"); }), "Invalid data type for ''");
    EXPECT_EQ(reg.ActiveKey(), before);
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "nested");
}

TEST_F(RegistryTest, ReadValueTextReadsTheCurrentKey) {
    PutText(HKEY_CLASSES_ROOT, "kstfile", "", "Kestrune file");
    ASSERT_TRUE(reg.SelectKey("kstfile", false));
    EXPECT_EQ(reg.ReadValueText(""), "Kestrune file");
    EXPECT_EQ(reg.ReadValueText("absent"), "");
}

TEST_F(RegistryTest, WriteValueTextWritesTheCurrentKey) {
    ASSERT_TRUE(reg.SelectKey("kstfile", true));
    reg.WriteValueText("", "Kestrune file");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile", ""), "Kestrune file");
}

// Moving a key with all its values and subkeys to a new name.

#include <cstdint>
#include <string>
#include <vector>

#include "registry/RegistryFixture.h"
#include "registry/UniqueKey.h"
#include "support/WideRegistry.h"

using rawreg::Bytes;
using rawreg::GetText;
using rawreg::KeyExists;
using rawreg::MakeKey;
using rawreg::Put;
using rawreg::PutText;
using rawreg::Subkeys;
using rawreg::ValueNames;

namespace {

std::vector<BYTE> qword(std::uint64_t v) {
    const BYTE* p = reinterpret_cast<const BYTE*>(&v);
    return std::vector<BYTE>(p, p + sizeof v);
}

// Every kind of value a type key may carry, at the key itself and at depth 3.
struct Sample {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<Sample> samples() {
    return {
        {"", REG_SZ, Bytes("Kestrune file")},
        {"Text", REG_SZ, Bytes("plain")},
        {"EmptyText", REG_SZ, {}},
        {"JustNul", REG_SZ, Bytes("")},
        {"Expand", REG_EXPAND_SZ, Bytes("%SystemRoot%\\system32\\shell32.dll")},
        {"Multi", REG_MULTI_SZ, {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0}},
        {"EmptyMulti", REG_MULTI_SZ, {}},
        {"Quad", REG_QWORD, qword(0x0123456789ABCDEFull)},
        {"Flags", REG_BINARY, {0x00, 0x01, 0xFF, 0x80, 0x00}},
        {"EmptyBinary", REG_BINARY, {}},
        {"Number", REG_DWORD, {1, 2, 3, 4}},
        {"BigEndian", REG_DWORD_BIG_ENDIAN, {4, 3, 2, 1}},
        {"Nothing", REG_NONE, {9, 8}},
        {"Resources", REG_RESOURCE_LIST, {1, 0, 0, 0}},
        {"Private", 0x4B53, {'k', 's', 't'}},
        {"With Spaces, Commas\\and Backslashes", REG_SZ, Bytes("odd name")},
    };
}

void putSamples(const std::string& path) {
    for (const Sample& s : samples()) Put(HKEY_CLASSES_ROOT, path, s.name, s.type, s.data);
}

void expectSamples(const std::string& path, size_t extraValues = 0) {
    for (const Sample& s : samples())
        EXPECT_TRUE(rawreg::HasValue(HKEY_CLASSES_ROOT, path, s.name, s.type, s.data));
    EXPECT_EQ(ValueNames(HKEY_CLASSES_ROOT, path).size(), samples().size() + extraValues) << path;
}

void buildTree(const std::string& root) {
    putSamples(root);
    PutText(HKEY_CLASSES_ROOT, root + "\\DefaultIcon", "", "C:\\k.dll,2");
    putSamples(root + "\\shell\\open\\command");
    PutText(HKEY_CLASSES_ROOT, root + "\\shell\\Print", "", "&Print");
    MakeKey(HKEY_CLASSES_ROOT, root + "\\shellex\\{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}");
}

}  // namespace

TEST_F(RegistryTest, RelocateKeyKeepsEveryValueWithItsType) {
    buildTree("kstfile");
    reg.RelocateKey("kstfile", "kstfile.2");
    expectSamples("kstfile.2");
}

TEST_F(RegistryTest, RelocateKeyKeepsEverySubkeyAtEveryDepth) {
    buildTree("kstfile");
    reg.RelocateKey("kstfile", "kstfile.2");
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "kstfile.2"),
              (std::vector<std::string>{"DefaultIcon", "shell", "shellex"}));
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile.2\\DefaultIcon", ""), "C:\\k.dll,2");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile.2\\shell\\Print", ""), "&Print");
    expectSamples("kstfile.2\\shell\\open\\command");
    EXPECT_TRUE(
        KeyExists(HKEY_CLASSES_ROOT, "kstfile.2\\shellex\\{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}"));
}

TEST_F(RegistryTest, RelocateKeyRemovesTheOldKey) {
    buildTree("kstfile");
    reg.RelocateKey("kstfile", "kstfile.2");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, ""), std::vector<std::string>{"kstfile.2"});
}

TEST_F(RegistryTest, RelocateKeyKeepsTheLetterCaseOfSubkeyNames) {
    MakeKey(HKEY_CLASSES_ROOT, "kstfile\\Shell\\OPEN\\Command");
    reg.RelocateKey("kstfile", "Renamed");
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "Renamed"), std::vector<std::string>{"Shell"});
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "Renamed\\Shell"), std::vector<std::string>{"OPEN"});
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "Renamed\\Shell\\OPEN"),
              std::vector<std::string>{"Command"});
}

TEST_F(RegistryTest, RelocateKeyOfAKeyWithoutValuesOrSubkeysMovesIt) {
    MakeKey(HKEY_CLASSES_ROOT, "bare");
    reg.RelocateKey("bare", "moved");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "moved"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "bare"));
}

TEST_F(RegistryTest, RelocateKeyMovesIntoADeeperNewPath) {
    buildTree("kstfile");
    reg.RelocateKey("kstfile", "Vendor\\Kestrune.File");
    expectSamples("Vendor\\Kestrune.File");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
}

TEST_F(RegistryTest, RelocateKeyOntoAnExistingKeyChangesNothing) {
    buildTree("kstfile");
    PutText(HKEY_CLASSES_ROOT, "taken", "", "already here");
    reg.RelocateKey("kstfile", "TAKEN");
    expectSamples("kstfile");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "taken", ""), "already here");
    EXPECT_EQ(ValueNames(HKEY_CLASSES_ROOT, "taken").size(), 1u);
    EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "taken").empty());
}

TEST_F(RegistryTest, RelocateKeyFromAMissingKeyChangesNothing) {
    reg.RelocateKey("missing", "created");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "created"));
    EXPECT_TRUE(Subkeys(HKEY_CLASSES_ROOT, "").empty());
}

TEST_F(RegistryTest, RelocateKeyToAnotherCaseOfItsOwnNameChangesNothing) {
    buildTree("kstfile");
    reg.RelocateKey("kstfile", "KstFile");
    expectSamples("kstfile");
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, ""), std::vector<std::string>{"kstfile"});
}

class RelocateInsideItself : public RegistryTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(RelocateInsideItself, ChangesNothingAndRaisesNothing) {
    buildTree("kstfile");
    EXPECT_EQ(RaisedText([&] { reg.RelocateKey("kstfile", GetParam()); }), "<nothing raised>");
    expectSamples("kstfile");
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "kstfile"),
              (std::vector<std::string>{"DefaultIcon", "shell", "shellex"}));
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, ""), std::vector<std::string>{"kstfile"});
}

INSTANTIATE_TEST_SUITE_P(Paths, RelocateInsideItself,
                         ::testing::Values("kstfile\\sub", "KSTFILE\\Sub", "\\kstfile\\sub",
                                           "kstfile\\shell\\new", "kstfile\\\\sub",
                                           "kstfile\\sub\\deeper"));

TEST_F(RegistryTest, RelocateKeyFromAnAbsoluteOldPathIntoItselfChangesNothing) {
    buildTree("kstfile");
    reg.RelocateKey("\\kstfile", "kstfile\\sub");
    expectSamples("kstfile");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile\\sub"));
}

TEST_F(RegistryTest, RelocateKeyToANameThatOnlyBeginsLikeTheOldOneMoves) {
    buildTree("kstfile");
    reg.RelocateKey("kstfile", "kstfile2\\sub");
    expectSamples("kstfile2\\sub");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
}

TEST_F(RegistryTest, RelocateKeyRestoresTheCurrentKey) {
    buildTree("outer\\kstfile");
    PutText(HKEY_CLASSES_ROOT, "outer\\inner", "", "nested");
    ASSERT_TRUE(reg.SelectKey("outer", false));
    const HKEY before = reg.ActiveKey();
    reg.RelocateKey("kstfile", "moved");
    EXPECT_EQ(reg.ActiveKey(), before);
    expectSamples("outer\\moved");
    EXPECT_EQ(reg.ReadText("inner", "", "-"), "nested");
}

// A value whose name has no form in the program's code page cannot be read through the ANSI
// calls; the move stops with the old key whole. A lone surrogate has none even in UTF-8: it
// comes back as U+FFFD.
TEST_F(RegistryTest, RelocateKeyThatCannotReadAValueRaisesAndKeepsTheOldKeyWhole) {
    buildTree("kstfile");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"kstfile", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    const wchar_t data[] = L"wide";
    ASSERT_EQ(RegSetValueExW(key, L"caf\xD800", 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                             sizeof data),
              ERROR_SUCCESS);
    RegCloseKey(key);

    EXPECT_EQ(RaisedText([&] { reg.RelocateKey("kstfile", "moved"); }),
              "Failed to get data for 'caf\xEF\xBF\xBD'");
    expectSamples("kstfile", 1);
    expectSamples("kstfile\\shell\\open\\command");
    EXPECT_EQ(GetText(HKEY_CLASSES_ROOT, "kstfile\\DefaultIcon", ""), "C:\\k.dll,2");
}

// A subkey that cannot be opened cannot be copied (its name, a lone surrogate, has no form in
// UTF-8); deleting the old key would then lose it, so the old key stays beside the copy.
TEST_F(RegistryTest, RelocateKeyThatCannotOpenASubkeyKeepsTheOldKey) {
    buildTree("kstfile");
    HKEY sub = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"kstfile\\shell\\\xDC00", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &sub, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(sub);

    reg.RelocateKey("kstfile", "moved");
    expectSamples("moved");
    expectSamples("moved\\shell\\open\\command");
    expectSamples("kstfile");
    expectSamples("kstfile\\shell\\open\\command");
    EXPECT_EQ(Subkeys(HKEY_CLASSES_ROOT, "kstfile\\shell").size(), 3u);
}

// Text data may hold characters outside the ANSI code page (an open command naming a user's
// folder in another script); the copy keeps them, in every text kind.
TEST_F(RegistryTest, RelocateKeyKeepsTextOutsideTheAnsiCodePage) {
    const std::wstring command = L"\"C:\\Users\\\x0141ukasz\\\x65E5\x672C.exe\" \"%1\"";
    const std::wstring multi(L"\x2603 one\0two\0\0", 12);
    const struct {
        const wchar_t* name;
        DWORD type;
        std::wstring data;
    } values[] = {{L"", REG_SZ, command + L'\0'},
                  {L"Expand", REG_EXPAND_SZ, L"%SystemRoot%\\\x0416.dll" + std::wstring(1, 0)},
                  {L"Multi", REG_MULTI_SZ, multi}};
    auto bytesOf = [](const std::wstring& s) {
        const BYTE* p = reinterpret_cast<const BYTE*>(s.data());
        return std::vector<BYTE>(p, p + s.size() * sizeof(wchar_t));
    };
    UniqueKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"kstfile\\shell\\open\\command", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, key.put(), nullptr),
              ERROR_SUCCESS);
    for (const auto& v : values) {
        const std::vector<BYTE> data = bytesOf(v.data);
        ASSERT_EQ(RegSetValueExW(key.get(), v.name, 0, v.type, data.data(),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }
    key.reset();

    reg.RelocateKey("kstfile", "moved");
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CLASSES_ROOT, L"moved\\shell\\open\\command", 0, KEY_READ, key.put()),
        ERROR_SUCCESS);
    for (const auto& v : values) {
        DWORD type = 0;
        std::vector<BYTE> data(256);
        DWORD size = static_cast<DWORD>(data.size());
        ASSERT_EQ(RegQueryValueExW(key.get(), v.name, nullptr, &type, data.data(), &size),
                  ERROR_SUCCESS);
        data.resize(size);
        EXPECT_EQ(type, v.type);
        EXPECT_EQ(data, bytesOf(v.data)) << "value '" << v.name << "' changed";
    }
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "kstfile"));
}

// A type key named in Cyrillic, with value names, subkey names and texts in Cyrillic and CJK,
// is moved to a name in CJK and Cyrillic: the tree arrives exactly, read through the wide calls.
// One value name is as long as the registry allows, in CJK: 16383 characters, 49149 bytes in
// UTF-8.
TEST_F(RegistryTest, RelocateKeyMovesNamesAndTextsOfEveryScript) {
    const std::wstring oldName = L"\x0414\x043E\x043A\x0443\x043C\x0435\x043D\x0442.1";
    const std::wstring newName = L"\x65E5\x672C\x8A9E.\x0424\x0430\x0439\x043B";
    const std::wstring longName(16383, L'\x8A9E');
    widereg::PutText(HKEY_CLASSES_ROOT, oldName, L"", L"\x0414\x043E\x043A \x65E5\x672C");
    widereg::PutText(HKEY_CLASSES_ROOT, oldName, L"\x0418\x043C\x044F", L"\x5024");
    widereg::PutText(HKEY_CLASSES_ROOT, oldName, longName, L"long");
    widereg::Put(HKEY_CLASSES_ROOT, oldName, L"\x6570", REG_DWORD, {1, 2, 3, 4});
    widereg::PutText(HKEY_CLASSES_ROOT, oldName + L"\\DefaultIcon", L"",
                     L"C:\\\x56FE\x6807\\\x56FE\x6807.dll,3");
    widereg::PutText(HKEY_CLASSES_ROOT, oldName + L"\\shell\\\x043E\x0442\x043A\x0440\\command",
                     L"", L"\"C:\\\x7A0B\x5E8F\\app.exe\" \"%1\"");
    const widereg::Tree before = widereg::Snapshot(HKEY_CLASSES_ROOT, oldName);
    ASSERT_EQ(before.size(), 5u);  // the key, DefaultIcon, shell and the two below it

    reg.RelocateKey(widereg::Utf8(oldName), widereg::Utf8(newName));

    EXPECT_TRUE(widereg::Snapshot(HKEY_CLASSES_ROOT, newName) == before)
        << "the moved tree differs from the old one";
    EXPECT_FALSE(widereg::KeyExists(HKEY_CLASSES_ROOT, oldName));
}

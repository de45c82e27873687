// The registry script format proved against the real registry editor: a record that the
// program writes, imported with "regedit /s", gives back exactly the tree it recorded; a file
// that "regedit /e" exports reads into exactly the tree that the registry calls return.
//
// The registry editor runs as a process of its own, which the in-process redirection of
// HKEY_CURRENT_USER does not reach, so these tests work in a key of their own below the real
// HKEY_CURRENT_USER\Software\KestruneTests of the throwaway Wine prefix.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/AnsiText.h"
#include "regscript/Import.h"
#include "registry/KeySnapshot.h"
#include "support/KeyTrees.h"
#include "base/WideText.h"
#include "support/Regedit.h"
#include "support/ScriptPrinters.h"
#include "support/TestData.h"
#include "support/WideRegistry.h"

using regscript::Key;
using regscript::KeyState;

namespace {

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The registry editor of Wine carries REG_SZ data exactly only when it is one text with its
// NUL. Importing, it adds the NUL that hex(1) data lacks; exporting, it writes such data as
// the text before its last character, between quotes. Both change key as they say.
void forEachText(Key& key, void (*change)(std::vector<std::uint8_t>&)) {
    for (regscript::Value& value : key.values)
        if (value.type == regscript::kSz) change(value.data);
    for (Key& subkey : key.subkeys) forEachText(subkey, change);
}

Key asRegeditImports(Key key) {
    forEachText(key, [](std::vector<std::uint8_t>& data) {
        if (data.size() >= 2 && (data[data.size() - 2] || data[data.size() - 1]))
            data.insert(data.end(), {0, 0});
    });
    return key;
}

Key asRegeditExports(Key key) {
    forEachText(key, [](std::vector<std::uint8_t>& data) {
        data.resize(data.size() >= 2 ? data.size() - 2 : 0);
        data.insert(data.end(), {0, 0});
    });
    return key;
}

class Regedit : public ::testing::Test {
protected:
    Regedit() { RegDeleteTreeW(HKEY_CURRENT_USER, wide(path)); }
    ~Regedit() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, wide(path));
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KestruneTests");
        DeleteFileA(file.c_str());
    }

    // The full path of a key of this test, as a script names it.
    std::u16string Full(const std::u16string& name) const {
        return u"HKEY_CURRENT_USER\\" + path + u"\\" + name;
    }
    std::u16string File() const { return ToU16(file); }
    std::optional<Key> Read(const std::u16string& name) const {
        return ReadKeySnapshot(HKEY_CURRENT_USER, path + u"\\" + name);
    }

    const std::u16string path =
        u"Software\\KestruneTests\\regedit-" + ToU16(std::to_string(GetCurrentProcessId()));
    const std::string file = TempFilePath("kestrune-regedit-", ".reg");
};

}  // namespace

TEST_F(Regedit, ImportingAWrittenRecordGivesBackTheRecordedKeys) {
    widereg::WriteTree(HKEY_CURRENT_USER, path + u"\\kst.Тип", EveryValueType());
    const std::vector<KeyState> recorded = {{Full(u"kst.Тип"), Read(u"kst.Тип")},
                                            {Full(u"absent"), std::nullopt}};
    ASSERT_EQ(recorded[0].key, EveryValueType());
    const std::vector<std::uint8_t> bytes =
        regscript::WriteScript(regscript::RecordScript({u"recorded"}, recorded));
    WriteFileBytes(file, bytes);

    // Everything changes since: values, subkeys, and the key that was absent appears.
    const std::u16string type = path + u"\\kst.Тип";
    ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, wide(type), L"Multi"), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, wide(type + u"\\shell")), ERROR_SUCCESS);
    widereg::WriteTree(
        HKEY_CURRENT_USER, type,
        Key{u"", {TextValue(u"", u"changed"), TextValue(u"added", u"x")}, {Key{u"new", {}, {}}}});
    widereg::WriteTree(HKEY_CURRENT_USER, path + u"\\absent", SmallType());

    RunRegedit(u"/s \"" + File() + u"\"");
    EXPECT_EQ(Read(u"kst.Тип"), asRegeditImports(*recorded[0].key));
    EXPECT_EQ(Read(u"absent"), std::nullopt);
}

TEST_F(Regedit, AnExportedFileReadsIntoTheTreeTheRegistryCallsReturn) {
    widereg::WriteTree(HKEY_CURRENT_USER, path + u"\\kst.Тип", EveryValueType());
    RunRegedit(u"/e \"" + File() + u"\" \"" + Full(u"kst.Тип") + u"\"");
    const std::vector<std::uint8_t> bytes = FileBytes(file);
    ASSERT_FALSE(bytes.empty()) << "the registry editor exported nothing";

    const Key imported = regscript::ImportScript(regscript::ReadScript(bytes, ToU16));
    const Key* exported = regscript::FindKey(imported, Full(u"kst.Тип"));
    ASSERT_NE(exported, nullptr);
    EXPECT_EQ(*exported, asRegeditExports(*Read(u"kst.Тип")));
    ASSERT_EQ(Read(u"kst.Тип"), EveryValueType());
}

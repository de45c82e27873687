// What importing a script leaves, and history records: the states of the keys a change
// addresses go through the file's bytes and come back exactly, absent keys included.

#include <gtest/gtest.h>

#include "regscript/Import.h"
#include "support/ScriptPrinters.h"

using namespace regscript;

namespace {

Value text(std::u16string name, std::u16string_view data) {
    return Value{std::move(name), kSz, TextBytes(data)};
}

Entry set(std::u16string name, std::u16string_view data) {
    return Entry{text(std::move(name), data), false};
}

std::u16string latin1(std::string_view s) {
    return std::u16string(s.begin(), s.end());
}

// A type key with values of several types and subkeys down to depth 3.
Key typeKey() {
    Key command{u"command", {text(u"", u"notepad \"%1\""), text(u"DelegateExecute", u"")}, {}};
    Key open{u"open", {text(u"", u"&Открыть")}, {command}};
    Key shell{u"shell", {}, {open, Key{u"print", {}, {}}}};
    Key icon{u"DefaultIcon", {Value{u"", kExpandSz, TextBytes(u"%SystemRoot%\\a.dll,-3")}}, {}};
    Key key{u"txtfile",
            {text(u"", u"Text Document"), Value{u"EditFlags", kDword, {0, 0, 1, 0}},
             Value{u"Raw", kBinary, {}}},
            {shell, icon}};
    SortKey(key);
    return key;
}

}  // namespace

TEST(ImportScript, DeletesAndMakesKeysAndValuesInOrderMatchingNamesCaseBlind) {
    Script script;
    script.sections = {
        Section{u"HKCR\\A\\B", false, {set(u"x", u"1"), set(u"y", u"2")}},
        Section{u"HKEY_CLASSES_ROOT\\a\\b",
                false,
                {set(u"X", u"3"), Entry{Value{u"Y", kNone, {}}, true}}},
        Section{u"HKCR\\A\\C", false, {}},
        Section{u"HKCR\\a\\c", true, {}},
        Section{u"HKCR\\gone", true, {}},
    };
    const Key imported = ImportScript(script);
    const Key* b = FindKey(imported, u"HKEY_CLASSES_ROOT\\A\\B");
    ASSERT_NE(b, nullptr);
    // The value keeps the spelling it was made with and takes the later data.
    EXPECT_EQ(b->values, std::vector<Value>{text(u"x", u"3")});
    EXPECT_EQ(FindKey(imported, u"HKCR\\a\\c"), nullptr);
    EXPECT_EQ(FindKey(imported, u"HKCR\\gone"), nullptr);
    ASSERT_NE(FindKey(imported, u"hkcr\\a"), nullptr);
    EXPECT_EQ(FindKey(imported, u"HKCR\\a")->subkeys.size(), 1u);
}

TEST(ImportScript, ARecordGivesBackEveryStateThroughItsBytes) {
    const std::vector<KeyState> states = {
        KeyState{u"HKEY_CLASSES_ROOT\\txtfile", typeKey()},
        KeyState{u"HKEY_CLASSES_ROOT\\newname", std::nullopt},
        KeyState{u"HKEY_CLASSES_ROOT\\.txt",
                 Key{u".txt", {text(u"", u"txtfile")}, {Key{u"ShellNew", {}, {}}}}},
        KeyState{u"HKEY_CLASSES_ROOT\\.empty", Key{u".empty", {}, {}}},
    };
    const Script record = RecordScript({u"2026-12-08 12:34:56 Rename"}, states);
    const Script read = ReadScript(WriteScript(record), latin1);
    EXPECT_EQ(read.comments, record.comments);
    EXPECT_EQ(RecordedStates(read), states);
}

TEST(ImportScript, ARecordDeletesEachKeyBeforeWritingItBackWhole) {
    const Script record = RecordScript({}, {KeyState{u"HKEY_CLASSES_ROOT\\txtfile", typeKey()},
                                            KeyState{u"HKEY_CLASSES_ROOT\\gone", std::nullopt}});
    std::vector<std::u16string> lines;
    for (const Section& s : record.sections) lines.push_back((s.removeKey ? u"-" : u"") + s.path);
    EXPECT_EQ(lines, (std::vector<std::u16string>{
                         u"-HKEY_CLASSES_ROOT\\txtfile",
                         u"HKEY_CLASSES_ROOT\\txtfile",
                         u"HKEY_CLASSES_ROOT\\txtfile\\DefaultIcon",
                         u"HKEY_CLASSES_ROOT\\txtfile\\shell",
                         u"HKEY_CLASSES_ROOT\\txtfile\\shell\\open",
                         u"HKEY_CLASSES_ROOT\\txtfile\\shell\\open\\command",
                         u"HKEY_CLASSES_ROOT\\txtfile\\shell\\print",
                         u"-HKEY_CLASSES_ROOT\\gone",
                     }));
    // Imported over a registry that holds anything at all there, the keys come back whole.
    Script over;
    over.sections = {Section{u"HKCR\\txtfile\\extra", false, {set(u"", u"added since")}},
                     Section{u"HKCR\\txtfile", false, {set(u"", u"changed since")}},
                     Section{u"HKCR\\gone\\made", false, {}}};
    over.sections.insert(over.sections.end(), record.sections.begin(), record.sections.end());
    const Key imported = ImportScript(over);
    EXPECT_EQ(*FindKey(imported, u"HKEY_CLASSES_ROOT\\txtfile"), typeKey());
    EXPECT_EQ(FindKey(imported, u"HKEY_CLASSES_ROOT\\gone"), nullptr);
}

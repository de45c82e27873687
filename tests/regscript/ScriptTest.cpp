// Registry scripts written and read back: every value type with its exact bytes, names that
// need escapes, long data over continued lines, the exact text of the version 5 form, old
// REGEDIT4 files, and the lines the reader refuses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "regscript/Script.h"
#include "support/ScriptPrinters.h"

using namespace regscript;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> list) {
    std::vector<std::uint8_t> out;
    for (int b : list) out.push_back(static_cast<std::uint8_t>(b));
    return out;
}

// Every byte is the character of the same number: the code page of these tests.
std::u16string latin1(std::string_view text) {
    std::u16string out;
    for (char c : text) out += static_cast<char16_t>(static_cast<unsigned char>(c));
    return out;
}

Script read(const std::vector<std::uint8_t>& file) {
    return ReadScript(file, latin1);
}

std::vector<std::uint8_t> file8bit(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// The text of a version 5 file, after its byte-order mark.
std::u16string textOf(const std::vector<std::uint8_t>& file) {
    EXPECT_GE(file.size(), 2u);
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xFE);
    std::u16string text;
    for (size_t i = 2; i + 1 < file.size(); i += 2)
        text += static_cast<char16_t>(file[i] | (file[i + 1] << 8));
    return text;
}

std::vector<std::uint8_t> utf16File(std::u16string_view text) {
    std::vector<std::uint8_t> file{0xFF, 0xFE};
    const std::vector<std::uint8_t> body = TextBytes(text, false);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Entry value(std::u16string name, std::uint32_t type, std::vector<std::uint8_t> data) {
    return Entry{Value{std::move(name), type, std::move(data)}, false};
}

Script oneKey(std::vector<Entry> entries) {
    return Script{{}, {Section{u"HKEY_CLASSES_ROOT\\kst", false, std::move(entries)}}};
}

std::vector<std::uint8_t> numbered(size_t n) {
    std::vector<std::uint8_t> data(n);
    for (size_t i = 0; i < n; ++i) data[i] = static_cast<std::uint8_t>(i * 7);
    return data;
}

}  // namespace

TEST(RegistryScript, EveryValueTypeAndNameComesBackWithItsExactBytes) {
    const std::vector<Entry> cases = {
        value(u"", kSz, TextBytes(u"Text Document")),
        value(u"quotes", kSz, TextBytes(u"\"C:\\Program Files\\a.exe\" \"%1\"")),
        value(u"empty text", kSz, TextBytes(u"")),
        value(u"no data", kSz, {}),
        value(u"no NUL", kSz, TextBytes(u"abc", false)),
        value(u"odd length", kSz, bytes({0x41, 0x00, 0x42})),
        value(u"inner NUL", kSz, TextBytes(std::u16string(u"a\0b", 3))),
        value(u"two NULs", kSz, bytes({0x41, 0x00, 0x00, 0x00, 0x00, 0x00})),
        value(u"line break", kSz, TextBytes(u"one\r\ntwo")),
        value(u"Cyrillic", kSz, TextBytes(u"Текстовый документ")),
        value(u"CJK and beyond", kSz, TextBytes(u"文本文档 \U0001F600")),
        value(u"lone surrogate", kSz, TextBytes(std::u16string(1, char16_t(0xD800)))),
        value(u"expand", kExpandSz, TextBytes(u"%SystemRoot%\\system32\\notepad.exe,-1")),
        value(u"multi", kMultiSz, TextBytes(std::u16string(u"one\0two\0\0", 9), false)),
        value(u"multi empty", kMultiSz, {}),
        value(u"dword", kDword, bytes({0x78, 0x56, 0x34, 0x12})),
        value(u"short dword", kDword, bytes({1, 2, 3})),
        value(u"empty dword", kDword, {}),
        value(u"qword", kQword, bytes({1, 2, 3, 4, 5, 6, 7, 0x88})),
        value(u"binary", kBinary, numbered(700)),
        value(u"empty binary", kBinary, {}),
        value(u"none", kNone, bytes({0xDE, 0xAD})),
        value(u"empty none", kNone, {}),
        value(u"big endian", 5, bytes({0, 0, 0, 1})),
        value(u"unknown type", 0x12345678, bytes({9})),
        value(u"@", kSz, TextBytes(u"not the default value")),
        value(u"a\"b\\c", kSz, TextBytes(u"escaped name")),
        value(u"name\r\non two lines", kDword, bytes({0, 0, 0, 0})),
        value(u"имя 名前", kSz, TextBytes(u"")),
        Entry{Value{u"removed", kNone, {}}, true},
    };
    const Script script = oneKey(cases);
    const Script back = read(WriteScript(script));
    ASSERT_EQ(back.sections.size(), 1u);
    ASSERT_EQ(back.sections[0].entries.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(back.sections[0].entries[i], cases[i]) << "case " << i;
}

TEST(RegistryScript, KeysDeletionsCommentsAndRootsComeBack) {
    Script script;
    script.comments = {u"2026-12-08 12:34:56 Delete File Type \"txtfile\"", u"", u"ещё"};
    script.sections = {
        Section{u"HKEY_CLASSES_ROOT\\txtfile", true, {}},
        Section{u"HKEY_CLASSES_ROOT\\txtfile", false, {}},
        Section{u"HKEY_CLASSES_ROOT\\txtfile\\shell\\open\\command",
                false,
                {value(u"", kSz, TextBytes(u"notepad \"%1\""))}},
        Section{u"HKEY_CURRENT_USER\\Software\\Key with ] and [ and = in it", false, {}},
        Section{u"HKEY_CLASSES_ROOT\\.тест", false, {}},
    };
    EXPECT_EQ(read(WriteScript(script)), script);
}

TEST(RegistryScript, WritesTheVersion5FormAsTheRegistryEditorReadsIt) {
    Script script;
    script.comments = {u"2026-12-08 12:34:56 Delete File Type \"txtfile\""};
    script.sections = {
        Section{u"HKEY_CLASSES_ROOT\\txtfile", true, {}},
        Section{u"HKEY_CLASSES_ROOT\\txtfile",
                false,
                {value(u"", kSz, TextBytes(u"Text \"Document\" C:\\x")),
                 value(u"EditFlags", kDword, bytes({0x00, 0x00, 0x01, 0x00})),
                 value(u"a\"b\\c", kExpandSz, TextBytes(u"%A%")), value(u"Bin", kBinary, {}),
                 value(u"Q", kQword, bytes({1, 0, 0, 0, 0, 0, 0, 0})),
                 Entry{Value{u"Old", kNone, {}}, true}}},
    };
    EXPECT_EQ(textOf(WriteScript(script)),
              u"Windows Registry Editor Version 5.00\r\n"
              u"\r\n"
              u"; 2026-12-08 12:34:56 Delete File Type \"txtfile\"\r\n"
              u"\r\n"
              u"[-HKEY_CLASSES_ROOT\\txtfile]\r\n"
              u"\r\n"
              u"[HKEY_CLASSES_ROOT\\txtfile]\r\n"
              u"@=\"Text \\\"Document\\\" C:\\\\x\"\r\n"
              u"\"EditFlags\"=dword:00010000\r\n"
              u"\"a\\\"b\\\\c\"=hex(2):25,00,41,00,25,00,00,00\r\n"
              u"\"Bin\"=hex:\r\n"
              u"\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
              u"\"Old\"=-\r\n"
              u"\r\n");
}

TEST(RegistryScript, LongDataGoesOnOverLinesOfAtMostEightyCharacters) {
    const std::u16string text =
        textOf(WriteScript(oneKey({value(u"Long", kBinary, numbered(300))})));
    size_t lines = 0, start = 0;
    for (size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2) {
        const std::u16string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 80u) << "line " << lines;
        if (line.ends_with(u"\\")) {
            EXPECT_EQ(line.size(), 78u) << "a line that goes on is full";
        }
        ++lines;
    }
    // Header, blank, key, blank line before the end; 300 bytes fill 13 lines of the value.
    EXPECT_EQ(lines, 4u + 13u);
}

TEST(RegistryScript, ReadsARegedit4FileInItsCodePageWithItsContinuedLines) {
    const std::string file =
        "REGEDIT4\r\n"
        "\r\n"
        "; exported\n"
        "[HKCR\\caf\xE9]\r\n"
        "@=\"Caf\xE9 \\\"menu\\\"\"\r\n"
        "\"Path\"=hex(2):25,53,25,00\r\n"
        "\"Multi\"=hex(7):61,00,\\\r\n"
        "  62,00,00\r\n"
        "\"Bin\" = hex:01, 02 ,\\\n"
        "\t03\n"
        "\"Flags\"=dword:1f\n";
    const Script script = read(file8bit(file));
    ASSERT_EQ(script.sections.size(), 1u);
    EXPECT_EQ(script.comments, std::vector<std::u16string>{u"exported"});
    const Section& s = script.sections[0];
    EXPECT_EQ(s.path, u"HKCR\\café");
    ASSERT_EQ(s.entries.size(), 5u);
    EXPECT_EQ(s.entries[0], value(u"", kSz, TextBytes(u"Café \"menu\"")));
    EXPECT_EQ(s.entries[1], value(u"Path", kExpandSz, TextBytes(u"%S%")));
    EXPECT_EQ(s.entries[2],
              value(u"Multi", kMultiSz, TextBytes(std::u16string(u"a\0b\0\0", 5), false)));
    EXPECT_EQ(s.entries[3], value(u"Bin", kBinary, bytes({1, 2, 3})));
    EXPECT_EQ(s.entries[4], value(u"Flags", kDword, bytes({0x1F, 0, 0, 0})));
}

TEST(RegistryScript, ReadsAVersion5FileWithLineFeedsAlone) {
    const Script script = read(
        utf16File(u"Windows Registry Editor Version 5.00\n[HKEY_USERS\\x]\n\"n\"=hex(2):41,00\n"));
    ASSERT_EQ(script.sections.size(), 1u);
    // In a version 5 file the string types' data are UTF-16 as they stand.
    EXPECT_EQ(script.sections[0].entries.at(0), value(u"n", kExpandSz, bytes({0x41, 0x00})));
}

TEST(RegistryScript, RefusesWhatIsNoRegistryScriptNamingTheLine) {
    const struct {
        const char16_t* text;
        const char* message;
    } cases[] = {
        {u"", "no known header"},
        {u"Windows Registry Editor Version 4.00\r\n", "no known header"},
        {u"Windows Registry Editor Version 5.00\r\n\"a\"=\"b\"", "Line 2 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a\r\n", "Line 2 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKEY_NOWHERE\\a]", "Line 2 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a\\\\b]", "Line 2 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a\\]", "Line 2 of"},
        {u"Windows Registry Editor Version 5.00\r\n[-HKCR\\a]\r\n@=\"x\"", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n\"a=\"x\"", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n\"a\"\"x\"", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=\"x\\t\"", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=\"x\" y", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=dword:123456789", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=dword:", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=hex:1,2,", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=hex:100", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=hex(x):00", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=hex(1)00", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=hex:00,\\", "Line 4 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\n@=word:1", "Line 3 of"},
        {u"Windows Registry Editor Version 5.00\r\n[HKCR\\a]\r\nstray", "Line 3 of"},
    };
    for (const auto& c : cases) {
        try {
            read(utf16File(c.text));
            ADD_FAILURE() << "read without error: case " << (&c - cases);
        } catch (const ScriptError& e) {
            EXPECT_NE(e.message().find(c.message), std::string::npos)
                << e.message() << " (case " << (&c - cases) << ")";
        }
    }
    std::vector<std::uint8_t> odd = utf16File(u"Windows Registry Editor Version 5.00\r\n");
    odd.push_back(0x41);
    EXPECT_THROW(read(odd), ScriptError);
}

TEST(RegistryScript, RefusesToWriteAKeyNameWithALineBreak) {
    const Script script{{}, {Section{u"HKEY_CLASSES_ROOT\\two\nlines", false, {}}}};
    EXPECT_THROW(WriteScript(script), ScriptError);
}

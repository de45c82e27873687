#pragma once
// Names and texts in Cyrillic and CJK for the tests of text in any script: in UTF-16, as the
// registry holds them and the tests put and read them through the wide calls, and in UTF-8
// (widereg::Utf8), as the program and its test programs hold them.

#include <windows.h>

#include <string>

#include "support/TestData.h"
#include "support/WideRegistry.h"

namespace scripts {

inline const std::wstring kTypeName = L"\x0414\x043E\x043A\x0443\x043C\x0435\x043D\x0442.1";
inline const std::wstring kDescription =
    L"\x0414\x043E\x043A\x0443\x043C\x0435\x043D\x0442 \x65E5\x672C\x8A9E";
inline const std::wstring kNewTypeName = L"\x041D\x043E\x0432\x044B\x0439.\x0422\x0438\x043F";
inline const std::wstring kCjkExtension = L".\x65E5\x672C\x8A9E";
inline const std::wstring kLetterZhe = L"\x0416";  // one Cyrillic letter, two bytes in UTF-8

// The row label of a type: description, " (", key name, ")".
inline std::string RowLabel(const std::wstring& description, const std::wstring& name) {
    return widereg::Utf8(description + L" (" + name + L")");
}

// A copy of icons10.dll in a folder with a CJK name beside the test programs; its full path
// in UTF-8, the folder ending in a backslash in folder.
inline std::string LibraryInCjkFolder(std::string* folder = nullptr) {
    const std::wstring dll = widereg::Wide(TestDataPath("icons10.dll"));
    const std::wstring dir = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"\x56FE\x6807\x5E93\\";
    CreateDirectoryW(dir.c_str(), nullptr);
    CopyFileW(dll.c_str(), (dir + L"icons10.dll").c_str(), FALSE);
    if (folder) *folder = widereg::Utf8(dir);
    return widereg::Utf8(dir + L"icons10.dll");
}

}  // namespace scripts

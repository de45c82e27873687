#pragma once
// The registry through its wide calls, for tests of text in any script: what the test puts in
// and reads back does not pass through any code page, so a name or text that the program
// changed on its way shows as changed.
//
//     widereg::PutText(HKEY_CLASSES_ROOT, L"\x0414.1", L"", L"\x65E5\x672C");
//     ... the program works ...
//     EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, L"\x0414.1", L""), L"\x65E5\x672C");

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "regscript/RegKey.h"
#include "support/ScratchRegistry.h"

namespace widereg {

// UTF-16 from and to UTF-8, the code page the program and its test programs run in.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// Creates path below root (and the keys on the way) and sets a value; throws on failure.
void Put(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
         const std::vector<BYTE>& data);
// REG_SZ with its terminating NUL.
void PutText(HKEY root, const std::wstring& path, const std::wstring& name,
             const std::wstring& text);

bool KeyExists(HKEY root, const std::wstring& path);
std::optional<rawreg::Value> Get(HKEY root, const std::wstring& path, const std::wstring& name);
// The text of a REG_SZ or REG_EXPAND_SZ value up to its NUL; nullopt when absent or not text.
std::optional<std::wstring> GetText(HKEY root, const std::wstring& path, const std::wstring& name);

// Every key from path down with its values, by path below path ("" is path itself).
using Tree = std::map<std::wstring, std::map<std::wstring, rawreg::Value>>;
Tree Snapshot(HKEY root, const std::wstring& path);

// A whole key tree written as it is given: path below root is made, and every value and
// subkey of key is written into it (values that are there already stay). Throws on failure.
//
//     widereg::WriteTree(HKEY_CLASSES_ROOT, u"txtfile", {u"", {TextValue(u"", u"Текст")}, {}});
void WriteTree(HKEY root, const std::u16string& path, const regscript::Key& key);

// Gives the key at path the access list of sddl ("D:(A;;KR;;;WD)": everyone reads, nobody
// writes). Throws on failure.
void SetAccess(HKEY root, const std::u16string& path, const char* sddl);

}  // namespace widereg

// A REG_SZ value (with its NUL) and one of any type, as regscript holds them.
regscript::Value TextValue(std::u16string name, std::u16string_view text,
                           std::uint32_t type = regscript::kSz);
regscript::Value RawValue(std::u16string name, std::uint32_t type,
                          std::initializer_list<int> bytes);

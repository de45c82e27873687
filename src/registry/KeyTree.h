#pragma once
// The raw registry work behind TRegistry: opening with the access fallback, listing subkeys,
// reading values whole, copying a key tree, and the texts the layer raises. Only the registry
// layer includes this.

#include <windows.h>

#include <string>
#include <vector>

#include "registry/UniqueKey.h"

namespace keytree {

inline constexpr const char* kCreateFailed = "Failed to create key %s";
inline constexpr const char* kSetFailed = "Failed to set data for '%s'";
inline constexpr const char* kGetFailed = "Failed to get data for '%s'";
inline constexpr const char* kInvalidType = "Invalid data type for '%s'";
inline constexpr const char* kDeleteValueFailed = "Failed to delete value '%s'";

// Raises ERegistryException with the %s of format replaced by what.
[[noreturn]] void Raise(const char* format, const std::string& what);

// Opens with full access, and when that is refused with read access; empty when neither works.
UniqueKey OpenKey(HKEY base, const std::string& path);

// Opens for reading values and subkeys only; empty when that is refused or the key is missing.
UniqueKey OpenForReading(HKEY base, const std::string& path);

// Creates (or opens) with full access, non-volatile; empty on failure.
UniqueKey CreateKey(HKEY base, const std::string& path);

// The subkey names of key in enumeration order; names that cannot be enumerated are left out.
std::vector<std::string> SubkeyNames(HKEY key);

// A value as stored: its platform type and its data bytes.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

enum class ReadResult { Absent, Read, Failed };

// Reads the value whole: Absent when its size cannot be queried, Failed when the data cannot
// be read after that.
ReadResult ReadRawValue(HKEY key, const std::string& name, RawValue& value);

// A text value as read: present is false when the value's size cannot be queried (then text
// is empty). A value without data is present with the empty text, whatever its type.
struct Text {
    bool present = false;
    std::string text;
};

// Reads a REG_SZ or REG_EXPAND_SZ value as stored, up to its first NUL. Raises "Failed to get
// data for '%s'" when the data cannot be read, "Invalid data type for '%s'" for data of any
// other type.
Text ReadText(HKEY key, const std::string& name);

// Copies every value (each with its own type and its data byte for byte, characters outside
// the ANSI code page included; empty ones too) and every subkey at any depth from source into
// target. A failed value copy raises "Failed to get data for '%s'" or "Failed to set data for
// '%s'" with the value's name; a subkey that cannot be made raises "Failed to create key %s"
// with destinationPath and the subkey's path below it. A subkey that cannot be opened is
// skipped, and the result is then false: the copy is not the whole tree.
bool CopyTree(HKEY source, HKEY target, const std::string& destinationPath);

// True when inner is outer itself or a key below it. Leading backslashes and empty components
// are ignored and names compare case-blind, as the registry compares them.
bool PathWithin(const std::string& inner, const std::string& outer);

}  // namespace keytree

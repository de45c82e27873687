#pragma once
// A registry key as the program records it, with no Win32 in it: its values and its subkeys at
// every depth.
//
// Names are held as the registry stores them: UTF-16 code units, exactly, whatever the code
// page of the program's own strings. Value data are the stored bytes; the data of the string
// types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) is the UTF-16LE text that the wide registry calls
// read and write, terminating NULs included, so a value goes back byte for byte.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regscript {

// Value types by their registry numbers; a number outside this list is kept as it is.
enum : std::uint32_t {
    kNone = 0,
    kSz = 1,
    kExpandSz = 2,
    kBinary = 3,
    kDword = 4,
    kMultiSz = 7,
    kQword = 11,
};

struct Value {
    std::u16string name;  // empty: the key's default value
    std::uint32_t type = kNone;
    std::vector<std::uint8_t> data;
    bool operator==(const Value&) const = default;
};

struct Key {
    std::u16string name;
    std::vector<Value> values;
    std::vector<Key> subkeys;
    bool operator==(const Key&) const = default;
};

// Puts the values and subkeys of key, at every depth, in the order of their names, so that two
// keys with the same contents compare equal however they were read.
void SortKey(Key& key);

// A key named by its full path ("HKEY_CLASSES_ROOT\txtfile"), with everything it holds, or
// nothing when it does not exist.
struct KeyState {
    std::u16string path;
    std::optional<Key> key;
    bool operator==(const KeyState&) const = default;
};

// The UTF-16LE bytes of text, with the terminating NUL when withNul: the data of REG_SZ.
std::vector<std::uint8_t> TextBytes(std::u16string_view text, bool withNul = true);

}  // namespace regscript

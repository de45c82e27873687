#include "regscript/RegKey.h"

#include <algorithm>

namespace regscript {

void SortKey(Key& key) {
    std::sort(key.values.begin(), key.values.end(),
              [](const Value& a, const Value& b) { return a.name < b.name; });
    std::sort(key.subkeys.begin(), key.subkeys.end(),
              [](const Key& a, const Key& b) { return a.name < b.name; });
    for (Key& subkey : key.subkeys) SortKey(subkey);
}

std::vector<std::uint8_t> TextBytes(std::u16string_view text, bool withNul) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * (text.size() + 1));
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (withNul) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

}  // namespace regscript

#pragma once
// Readable failure messages for registry keys and scripts: names and text as UTF-8, data as
// hexadecimal bytes.

#include <ostream>
#include <string>

#include "regscript/Script.h"

namespace regscript {

inline std::string Printable(std::u16string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

inline void PrintTo(const Value& v, std::ostream* os) {
    static const char digits[] = "0123456789abcdef";
    *os << '"' << Printable(v.name) << "\" type " << v.type << ':';
    for (std::uint8_t b : v.data) *os << ' ' << digits[b >> 4] << digits[b & 15];
}

inline void PrintTo(const Entry& e, std::ostream* os) {
    if (e.remove) *os << "remove ";
    PrintTo(e.value, os);
}

inline void PrintTo(const Key& k, std::ostream* os, int depth = 0) {
    *os << '\n' << std::string(2 * depth, ' ') << '[' << Printable(k.name) << ']';
    for (const Value& v : k.values) {
        *os << '\n' << std::string(2 * depth + 2, ' ');
        PrintTo(v, os);
    }
    for (const Key& s : k.subkeys) PrintTo(s, os, depth + 1);
}

inline void PrintTo(const KeyState& s, std::ostream* os) {
    *os << Printable(s.path) << ':';
    if (s.key)
        PrintTo(*s.key, os);
    else
        *os << " absent";
}

}  // namespace regscript

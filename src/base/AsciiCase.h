#pragma once
// Names compared with the case of the ASCII letters ignored and every other character taken as
// it is: the rule of the catalogue's extensions, and of the key names that registry scripts
// and Explorer's lookup match without asking the registry. In the program's 8-bit text and in
// UTF-16 alike.

#include <algorithm>
#include <string_view>

namespace ascii_case {

template <class Char>
constexpr Char fold(Char c) {
    return c >= Char('a') && c <= Char('z') ? static_cast<Char>(c - Char('a') + Char('A')) : c;
}

template <class Char>
bool equal(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](Char x, Char y) { return fold(x) == fold(y); });
}

}  // namespace ascii_case

// True when a and b are equal once the ASCII letters a-z are folded to A-Z.
inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return ascii_case::equal(a, b);
}
inline bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    return ascii_case::equal(a, b);
}

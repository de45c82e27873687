#pragma once
// Text as the program holds it: UTF-8, the code page the program runs in wherever Windows
// allows one (Windows 10 version 1903 and later). Limits given in characters count the
// characters, not the bytes, and a text is never cut inside one.

#include <cstddef>
#include <string>
#include <string_view>

// The first count characters of text, or the whole text when it has no more. A character is a
// lead byte with the continuation bytes that follow it; a byte that is no UTF-8 counts as one
// character of its own, so text in another code page is cut no later than at count bytes.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

// The number of UTF-16 units text takes, the unit in which the registry and the window system
// count lengths: one for each character, two for one beyond U+FFFF (four bytes of UTF-8); a
// byte that is no UTF-8 counts as one.
std::size_t Utf16Length(std::string_view text);

// text when it has at most count characters, else its first count - 1 characters and an
// ellipsis ("…"): a name quoted in a message, kept short enough for the box to fit the screen.
std::string Abbreviated(std::string_view text, std::size_t count);

// A name as a message quotes it, cut after 64 characters: the longest name the registry holds
// would make a box wider than the screen.
inline std::string ShownName(std::string_view name) {
    return Abbreviated(name, 64);
}

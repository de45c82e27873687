#pragma once
// The characters that no file name may hold on Windows, for the names the program suggests or
// gives files of its own.

#include <string_view>

// True for a control character and for \ / : * ? " < > |. Takes a UTF-16 unit or a byte of
// UTF-8 alike: the bytes of a character outside ASCII are all fit.
constexpr bool UnfitForFileName(char32_t c) {
    return c < 0x20 || std::u32string_view(U"\\/:*?\"<>|").find(c) != std::u32string_view::npos;
}

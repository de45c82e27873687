#pragma once
// The program's strings are in the process code page; the registry's names and text are
// UTF-16. These turn one into the other, and view the wide text as the registry scripts hold
// it (char16_t) without a copy.

#include <string>
#include <string_view>

#include "base/AnsiText.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the registry's wide characters are UTF-16");

inline std::wstring Widen(std::string_view text) {
    return WideFromAnsi(text);
}
// Characters the code page lacks become its default character.
std::string Narrow(std::wstring_view text);

inline std::wstring_view AsWide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string_view AsU16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// The program's text as the registry scripts hold it.
inline std::u16string ToU16(std::string_view text) {
    const std::wstring wide = Widen(text);
    return std::u16string(AsU16(wide));
}

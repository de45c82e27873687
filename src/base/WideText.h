#pragma once
// The registry's names and text are UTF-16, which the registry scripts hold as char16_t and
// the wide calls take as wchar_t: the one viewed as the other without a copy, and the
// program's own text (in the process's code page) as the scripts hold it.

#include <string>
#include <string_view>

#include "base/AnsiText.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the registry's wide characters are UTF-16");

inline std::wstring_view AsWide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string_view AsU16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::u16string ToU16(std::string_view text) {
    const std::wstring wide = WideFromAnsi(text);
    return std::u16string(AsU16(wide));
}

#pragma once
// Key and value names as the registry compares them: the one rule beside the ASCII one of
// base/AsciiCase.h.

#include <string>
#include <string_view>

// True when the registry takes a and b for the same key name: it ignores letter case in every
// script, comparing the names as Unicode text with the system's upper-case table.
bool SameRegistryName(const std::string& a, const std::string& b);
// The same for names as the registry holds them, in UTF-16; value names compare so too.
bool SameRegistryName(std::u16string_view a, std::u16string_view b);

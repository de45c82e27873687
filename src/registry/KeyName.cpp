#include "registry/KeyName.h"

#include <windows.h>

#include "base/AnsiText.h"
#include "base/WideText.h"

bool SameRegistryName(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const std::wstring wa = WideFromAnsi(a), wb = WideFromAnsi(b);
    return SameRegistryName(AsU16(wa), AsU16(wb));
}

bool SameRegistryName(std::u16string_view a, std::u16string_view b) {
    // The ordinal comparison ignoring case is the registry's own rule; the locale's would also
    // pass over characters such as the soft hyphen that make a key name of their own.
    const std::wstring_view wa = AsWide(a), wb = AsWide(b);
    return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

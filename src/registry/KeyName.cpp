#include "registry/KeyName.h"

#include <windows.h>

namespace {

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

}  // namespace

bool SameKeyName(const std::string& a, const std::string& b) {
    if (a == b) return true;
    // The ordinal comparison ignoring case is the registry's own rule; the locale's would also
    // pass over characters such as the soft hyphen that make a key name of their own.
    const std::wstring wa = wide(a), wb = wide(b);
    return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

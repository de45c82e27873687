#include "ui/TypeNameRules.h"

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

std::string KeyExistsMessage(const std::string& name) {
    return "A key named \"" + name + "\" already exists!";
}

bool SameKeyName(const std::string& a, const std::string& b) {
    if (a == b) return true;
    // The registry compares key names as Unicode text with the system's upper-case table,
    // which is what the ordinal comparison ignoring case does.
    const std::wstring wa = wide(a), wb = wide(b);
    return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

bool NamesBaseKey(const std::string& name) {
    return name.find_first_not_of('\\') == std::string::npos;
}

std::string NewTypeNameRefusal(const std::string& name) {
    if (name.empty()) return kEnterTypeName;
    if (name.find('\\') != std::string::npos) return kBackslashInTypeName;
    return {};
}

std::string RenameRefusal(const std::string& newName, const std::string& oldName,
                          const std::function<bool(const std::string&)>& keyExists) {
    if (newName.empty()) return kEnterTypeName;
    // A type read from a nested key keeps its name; only a new name must be a top-level one.
    if (SameKeyName(newName, oldName) && !NamesBaseKey(oldName)) return {};
    if (newName.find('\\') != std::string::npos) return kBackslashInTypeName;
    if (keyExists(newName)) return KeyExistsMessage(newName);
    return {};
}

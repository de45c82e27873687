#include "catalogue/ExtName.h"

namespace {
char foldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::string NormaliseExtension(std::string_view typed) {
    if (!typed.empty() && typed.front() == '.') return std::string(typed);
    return "." + std::string(typed);
}

bool ExtNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    return true;
}

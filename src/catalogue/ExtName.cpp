#include "catalogue/ExtName.h"

#include "base/AsciiCase.h"

std::string NormaliseExtension(std::string_view typed) {
    if (!typed.empty() && typed.front() == '.') return std::string(typed);
    return "." + std::string(typed);
}

bool ExtNamesEqual(std::string_view a, std::string_view b) {
    return EqualIgnoringAsciiCase(a, b);
}

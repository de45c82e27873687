#include "catalogue/ExtName.h"

std::string NormaliseExtension(std::string_view typed) {
    if (!typed.empty() && typed.front() == '.') return std::string(typed);
    return "." + std::string(typed);
}

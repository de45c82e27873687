#include "base/RegistryText.h"

#include "base/Utf8.h"

namespace {

// The characters of a variable name as people write them: letters, digits and a few marks
// ("ProgramFiles(x86)", "COMMONPROGRAMFILES"); no blank, quote or another "%".
bool nameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '(' || c == ')' || c == '-' || c == '.' || c == '{' || c == '}';
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool FitsKeyName(std::string_view name) {
    return Utf16Length(name) <= kLongestKeyName;
}

bool HoldsVariableReference(std::string_view text) {
    for (std::size_t open = text.find('%'); open != std::string_view::npos;
         open = text.find('%', open + 1)) {
        const std::size_t close = text.find('%', open + 1);
        if (close == std::string_view::npos) return false;
        const std::string_view name = text.substr(open + 1, close - open - 1);
        // "%1%" and "%L%" would be placeholders run together, not a name.
        bool isName = name.size() >= 2 && !digit(name.front());
        for (char c : name) isName = isName && nameCharacter(c);
        if (isName) return true;
    }
    return false;
}

bool WritesExpandable(std::optional<std::uint32_t> storedType, std::string_view text) {
    constexpr std::uint32_t kSz = 1, kExpandSz = 2;
    if (storedType == kExpandSz) return true;
    if (storedType == kSz) return false;
    return HoldsVariableReference(text);
}

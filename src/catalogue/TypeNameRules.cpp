#include "catalogue/TypeNameRules.h"

std::string KeyExistsMessage(const std::string& name) {
    return "A key named \"" + name + "\" already exists!";
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
                          const SameKeyRule& sameKey, const KeyExistsRule& keyExists) {
    if (newName.empty()) return kEnterTypeName;
    // A type read from a nested key keeps its name; only a new name must be a top-level one.
    if (sameKey(newName, oldName) && !NamesBaseKey(oldName)) return {};
    if (newName.find('\\') != std::string::npos) return kBackslashInTypeName;
    if (keyExists(newName)) return KeyExistsMessage(newName);
    return {};
}

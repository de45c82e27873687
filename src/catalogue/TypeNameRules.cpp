#include "catalogue/TypeNameRules.h"

#include "base/RegistryText.h"
#include "base/Utf8.h"

std::string KeyExistsMessage(const std::string& name) {
    return "A key named \"" + ShownName(name) + "\" already exists!";
}

std::string ExtensionKeyRenameRefusal(const std::string& name) {
    return "\"" + ShownName(name) +
           "\" is an extension's key as well: renaming the File Type would take the extension "
           "with it!";
}

bool NamesBaseKey(const std::string& name) {
    return name.find_first_not_of('\\') == std::string::npos;
}

std::string NewTypeNameRefusal(const std::string& name) {
    if (name.empty()) return kEnterTypeName;
    if (name.find('\\') != std::string::npos) return kBackslashInTypeName;
    if (!FitsKeyName(name)) return kKeyNameTooLong;
    return {};
}

std::string RenameRefusal(const std::string& newName, const std::string& oldName,
                          const SameKeyRule& sameKey, const KeyExistsRule& keyExists) {
    if (newName.empty()) return kEnterTypeName;
    // A type read from a nested key keeps its name; only a new name must be a top-level one.
    if (sameKey(newName, oldName) && !NamesBaseKey(oldName)) return {};
    if (newName.find('\\') != std::string::npos) return kBackslashInTypeName;
    if (!FitsKeyName(newName)) return kKeyNameTooLong;
    if (keyExists(newName)) return KeyExistsMessage(newName);
    return {};
}

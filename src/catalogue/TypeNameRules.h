#pragma once
// What a File Type name typed into the properties dialog may be. The name is the name of a
// key directly under HKEY_CLASSES_ROOT, so an empty name would address the root itself and a
// backslash would name a key nested inside another. Pure text rules: the registry's own
// comparison of key names and its knowledge of existing keys come in as functions.

#include <functional>
#include <string>

inline constexpr const char* kEnterTypeName = "Enter a File Type name!";
inline constexpr const char* kBackslashInTypeName = "A File Type name cannot contain a backslash!";
inline constexpr const char* kNamelessTypeUndeletable =
    "This File Type has no key name of its own and cannot be deleted!";
// Of every name the program gives a key: a type's, an extension's.
inline constexpr const char* kKeyNameTooLong = "A key name can have at most 255 characters!";

// "A key named "name" already exists!"
std::string KeyExistsMessage(const std::string& name);

// True when name, as a key path, names the key it is resolved against itself: it is empty or
// holds nothing but backslashes.
bool NamesBaseKey(const std::string& name);

// Why the type whose key is name may not be renamed: name is an extension's key as well.
std::string ExtensionKeyRenameRefusal(const std::string& name);

// Why a new type may not be called name, or the empty text when it may.
std::string NewTypeNameRefusal(const std::string& name);

using SameKeyRule = std::function<bool(const std::string&, const std::string&)>;
using KeyExistsRule = std::function<bool(const std::string&)>;

// Why the type now called oldName may not be renamed to newName, or the empty text when it
// may. sameKey tells whether the registry takes two names for one key; keyExists whether a
// key of that name is in the registry. A name that the registry takes for the old one (the
// same name, or one differing only in letter case) names the type's own key and is kept; any
// other must be a fresh top-level key name.
std::string RenameRefusal(const std::string& newName, const std::string& oldName,
                          const SameKeyRule& sameKey, const KeyExistsRule& keyExists);

#pragma once
// The registry layout of file associations under HKEY_CLASSES_ROOT, in one place. An extension
// key (".txt") holds in its default value the name of its type key; the type key holds the
// type's description in its default value, and its subkey DefaultIcon holds the icon location
// ("file,index") in its default value. Every value the program reads or writes is a default
// value, named by the empty text.

#include <cstdint>
#include <string>

#include "registry/TRegistry.h"

inline constexpr const char* kDefaultIconKey = "DefaultIcon";
inline constexpr const char* kDefaultValue = "";

// The key holding a type's icon location: typeName + "\DefaultIcon".
std::string IconKeyPath(const std::string& typeName);

// True for the name of an extension key: it begins with a dot ("." alone included).
bool IsExtensionKey(const std::string& keyName);

// A registry object for association work: HKEY_CLASSES_ROOT is its root and its current key,
// so a relative path names a subkey of HKEY_CLASSES_ROOT.
class ClassesRoot : public TRegIniFile {
public:
    ClassesRoot();
};

// The one writer of a type's description and icon location: the description as the default
// value of key Name, then IconFile + "," + IconIndex as the default value of Name\DefaultIcon.
// Missing keys are created; raises as the registry layer does. An empty Name writes nothing.
void WriteTypeKeys(const std::string& Name, const std::string& Description,
                   const std::string& IconFile, std::int32_t IconIndex);
// The description alone, for a change that leaves the icon location as it is stored.
void WriteTypeDescription(const std::string& Name, const std::string& Description);

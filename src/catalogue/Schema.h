#pragma once
// The registry layout of file associations in the classes (HKEY_CLASSES_ROOT, the user's and
// the machine's parts seen as one), in one place. An extension
// key (".txt") holds in its default value the name of its type key; the type key holds the
// type's description in its default value, and its subkey DefaultIcon holds the icon location
// ("file,index") in its default value. Every value the program reads or writes is a default
// value, named by the empty text.

#include <cstdint>
#include <string>

#include "registry/ClassesPlan.h"

inline constexpr const char* kDefaultIconKey = "DefaultIcon";
inline constexpr const char* kDefaultValue = "";

// The key holding a type's icon location: typeName + "\DefaultIcon".
std::string IconKeyPath(const std::string& typeName);

// True for the name of an extension key: it begins with a dot ("." alone included).
bool IsExtensionKey(const std::string& keyName);

// The one writer of a type's description and icon location, into a command's plan: the
// description as the default value of key Name, then IconFile + "," + IconIndex as the default
// value of Name\DefaultIcon. Missing keys are created when the plan is written. An empty Name
// writes nothing.
void WriteTypeKeys(ClassesPlan& plan, const std::string& Name, const std::string& Description,
                   const std::string& IconFile, std::int32_t IconIndex);
// The description alone, for a change that leaves the icon location as it is stored.
void WriteTypeDescription(ClassesPlan& plan, const std::string& Name,
                          const std::string& Description);

#pragma once
// The classes of one part as a registry object: its root is the part's Software\Classes key, so
// that a relative path names a key below the classes, as below HKEY_CLASSES_ROOT.

#include <windows.h>

#include <string>

#include "registry/ClassesPlan.h"
#include "registry/TRegistry.h"
#include "registry/UniqueKey.h"

inline constexpr const char* kClassesKey = "Software\\Classes";

// HKEY_CURRENT_USER for the user's part, HKEY_LOCAL_MACHINE for the machine's.
HKEY PartRoot(Part part);
// "HKEY_CURRENT_USER\Software\Classes" or "HKEY_LOCAL_MACHINE\Software\Classes".
std::u16string PartClassesPath(Part part);

class PartClasses : public TRegIniFile {
public:
    // With create, the part's classes key is made when missing (a fresh user has none).
    explicit PartClasses(Part part, bool create = false);
    // False when the part has no classes key: nothing below it can be read or written then.
    bool Present() const { return static_cast<bool>(classes_); }
    HKEY Classes() const { return classes_.get(); }

private:
    UniqueKey classes_;
};

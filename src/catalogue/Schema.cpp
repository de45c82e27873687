#include "catalogue/Schema.h"

#include "icons/IconLocation.h"

std::string IconKeyPath(const std::string& typeName) {
    return typeName + "\\" + kDefaultIconKey;
}

bool IsExtensionKey(const std::string& keyName) {
    return !keyName.empty() && keyName[0] == '.';
}

ClassesRoot::ClassesRoot() : TRegIniFile("") {
    SetRoot(HKEY_CLASSES_ROOT);
    SelectKey("", false);
}

void WriteTypeKeys(const std::string& Name, const std::string& Description,
                   const std::string& IconFile, std::int32_t IconIndex) {
    // The empty name would put a description into the default value of HKEY_CLASSES_ROOT
    // itself, which belongs to no file type.
    if (Name.empty()) return;
    WriteTypeDescription(Name, Description);
    ClassesRoot().WriteText(IconKeyPath(Name), kDefaultValue,
                            ComposeIconLocation(IconFile, IconIndex));
}

void WriteTypeDescription(const std::string& Name, const std::string& Description) {
    if (Name.empty()) return;
    ClassesRoot().WriteText(Name, kDefaultValue, Description);
}

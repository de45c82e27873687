#include "catalogue/Schema.h"

#include "icons/IconLocation.h"

std::string IconKeyPath(const std::string& typeName) {
    return typeName + "\\" + kDefaultIconKey;
}

bool IsExtensionKey(const std::string& keyName) {
    return !keyName.empty() && keyName[0] == '.';
}

void WriteTypeKeys(ClassesPlan& plan, const std::string& Name, const std::string& Description,
                   const std::string& IconFile, std::int32_t IconIndex) {
    // The empty name would put a description into the default value of the classes' root
    // itself, which belongs to no file type.
    if (Name.empty()) return;
    WriteTypeDescription(plan, Name, Description);
    plan.push_back(
        SetText(IconKeyPath(Name), kDefaultValue, ComposeIconLocation(IconFile, IconIndex)));
}

void WriteTypeDescription(ClassesPlan& plan, const std::string& Name,
                          const std::string& Description) {
    if (Name.empty()) return;
    plan.push_back(SetText(Name, kDefaultValue, Description));
}

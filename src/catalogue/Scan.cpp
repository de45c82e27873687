#include "catalogue/Scan.h"

#include "catalogue/Schema.h"

namespace {

// A value whose text is exactly this counts as absent.
constexpr const char* kAbsent = "-";

}  // namespace

void ScanRegistry(TCatalogue& catalogue, std::vector<std::string>& keyNames) {
    ClassesRoot reg;
    reg.ListSubkeys(keyNames);
    for (const std::string& name : keyNames) {
        if (!IsExtensionKey(name)) continue;
        const std::string type = reg.ReadText(name, kDefaultValue, kAbsent);
        if (type == kAbsent) continue;
        const std::string description = reg.ReadText(type, kDefaultValue, kAbsent);
        const std::string location = reg.ReadText(IconKeyPath(type), kDefaultValue, "");
        if (description == kAbsent) continue;
        // Of thousands of rows the list shows twelve: each icon waits until its row is drawn.
        catalogue.AddEntry(name, type, description, location, IconLoad::WhenDrawn);
    }
}

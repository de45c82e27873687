#include "catalogue/Scan.h"

#include <optional>

#include "base/Utf8.h"
#include "catalogue/Schema.h"
#include "registry/ClassesView.h"
#include "registry/ERegistryException.h"

namespace {

// A value whose text is exactly this counts as absent.
constexpr const char* kAbsent = "-";

}  // namespace

std::vector<std::string> ScanRegistry(TCatalogue& catalogue, std::vector<std::string>& keyNames) {
    ClassesView reg;
    keyNames = reg.SubkeyNames();
    std::vector<std::string> leftOut;
    // A default value that cannot be read as text leaves its key out, as "-" does; the scan
    // goes on with the keys after it.
    const auto read = [&](const std::string& key, const std::string& absent) {
        try {
            return std::optional<std::string>(reg.ReadText(key, kDefaultValue, absent));
        } catch (const ERegistryException&) {
            leftOut.push_back(key);
            return std::optional<std::string>();
        }
    };
    for (const std::string& name : keyNames) {
        if (!IsExtensionKey(name)) continue;
        const std::optional<std::string> type = read(name, kAbsent);
        if (!type || *type == kAbsent) continue;
        const std::optional<std::string> description = read(*type, kAbsent);
        if (!description) continue;
        const std::optional<std::string> location = read(IconKeyPath(*type), "");
        if (!location || *description == kAbsent) continue;
        // Of thousands of rows the list shows twelve: each icon waits until its row is drawn.
        catalogue.AddEntry(name, *type, *description, *location, IconLoad::WhenDrawn);
    }
    return leftOut;
}

std::string LeftOutMessage(const std::vector<std::string>& keys) {
    constexpr size_t kNamed = 10;
    std::string text =
        "These keys were left out of the list, as their default value cannot be "
        "read as text: ";
    for (size_t i = 0; i < keys.size() && i < kNamed; ++i)
        text += (i ? ", \"" : "\"") + ShownName(keys[i]) + "\"";
    if (keys.size() > kNamed) text += " and " + std::to_string(keys.size() - kNamed) + " more";
    return text;
}

#include "base/AsciiCase.h"
#include "regscript/KeyPath.h"

#include <algorithm>
#include <array>
#include <utility>

#include "regscript/RegKey.h"

namespace regscript {

namespace {

constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 6> kRoots{{
    {u"HKEY_CLASSES_ROOT", u"HKCR"},
    {u"HKEY_CURRENT_USER", u"HKCU"},
    {u"HKEY_LOCAL_MACHINE", u"HKLM"},
    {u"HKEY_USERS", u"HKU"},
    {u"HKEY_CURRENT_CONFIG", u"HKCC"},
    {u"HKEY_DYN_DATA", u"HKDD"},
}};

}  // namespace

std::u16string_view FullRootName(std::u16string_view name) {
    for (const auto& [full, brief] : kRoots)
        if (EqualIgnoringAsciiCase(name, full) || EqualIgnoringAsciiCase(name, brief)) return full;
    return {};
}

std::vector<std::u16string_view> PathNames(std::u16string_view path) {
    std::vector<std::u16string_view> names;
    size_t start = 0;
    for (;;) {
        const size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) {
            names.push_back(path.substr(start));
            return names;
        }
        names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
}

bool ValidKeyPath(std::u16string_view path) {
    const std::vector<std::u16string_view> names = PathNames(path);
    return !FullRootName(names.front()).empty() &&
           std::none_of(names.begin(), names.end(), [](auto n) { return n.empty(); });
}

}  // namespace regscript

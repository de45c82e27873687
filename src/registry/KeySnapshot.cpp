#include "registry/KeySnapshot.h"

#include <algorithm>
#include <vector>

#include "base/AnsiText.h"
#include "registry/KeyName.h"
#include "registry/KeyTree.h"
#include "registry/UniqueKey.h"
#include "base/WideText.h"

using regscript::Key;
using regscript::Value;

namespace {

constexpr const char* kReadFailed = "Failed to read key %s";
constexpr const char* kDeleteKeyFailed = "Failed to delete key %s";
using keytree::kDeleteValueFailed;
// Reading asks for no more than it needs, so a key that grants only that is read too.
constexpr REGSAM kReadAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;
// The longest value name the registry allows, with its NUL.
constexpr size_t kLongestValueName = 16384;

[[noreturn]] void raiseFor(const char* format, std::u16string_view name) {
    keytree::Raise(format, AnsiFromWide(AsWide(name)));
}

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::u16string below(const std::u16string& path, std::u16string_view name) {
    std::u16string joined = path;
    joined += u'\\';
    joined += name;
    return joined;
}

// One call per value: the buffers are as large as the key's longest name and data, and grow
// only when a value grew since the key's information was read.
void readValues(HKEY key, DWORD count, DWORD longestName, DWORD longestData, Key& out,
                const std::u16string& path) {
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(longestData + 1);
    out.values.reserve(count);
    for (DWORD i = 0; i < count; ++i) {
        DWORD nameLength = 0, size = 0, type = REG_NONE;
        LSTATUS r = ERROR_MORE_DATA;
        for (int attempt = 0; r == ERROR_MORE_DATA && attempt < 4; ++attempt) {
            if (attempt > 0) {
                name.resize(kLongestValueName);
                data.resize(std::max<size_t>(2 * data.size(), size));
            }
            nameLength = static_cast<DWORD>(name.size());
            size = static_cast<DWORD>(data.size());
            r = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        }
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS) raiseFor(kReadFailed, path);
        out.values.push_back(Value{std::u16string(AsU16({name.data(), nameLength})), type,
                                   std::vector<std::uint8_t>(data.begin(), data.begin() + size)});
    }
}

void readTree(HKEY key, Key& out, const std::u16string& path) {
    DWORD subkeys = 0, longestSubkey = 0, values = 0, longestValueName = 0, longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values,
                         &longestValueName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        raiseFor(kReadFailed, path);
    readValues(key, values, longestValueName, longestData, out, path);
    // Key names are at most 255 characters.
    std::vector<wchar_t> name(std::max<DWORD>(longestSubkey, 255) + 1);
    out.subkeys.reserve(subkeys);
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS r =
            RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS) raiseFor(kReadFailed, path);
        Key child{std::u16string(AsU16({name.data(), length})), {}, {}};
        const std::u16string childPath = below(path, child.name);
        UniqueKey subkey;
        if (RegOpenKeyExW(key, name.data(), 0, kReadAccess, subkey.put()) != ERROR_SUCCESS)
            raiseFor(kReadFailed, childPath);
        readTree(subkey.get(), child, childPath);
        out.subkeys.push_back(std::move(child));
    }
}

// The item of items (sorted by name) that the registry takes for name: the one spelled so,
// else one spelled otherwise in letter case; end when there is none.
template <class Item>
typename std::vector<Item>::const_iterator findNamed(const std::vector<Item>& items,
                                                     std::u16string_view name) {
    const auto at = std::lower_bound(
        items.begin(), items.end(), name,
        [](const Item& item, std::u16string_view n) { return std::u16string_view(item.name) < n; });
    if (at != items.end() && at->name == name) return at;
    return std::find_if(items.begin(), items.end(),
                        [&](const Item& item) { return SameRegistryName(item.name, name); });
}

class Restorer {
public:
    explicit Restorer(HKEY root) : root_(root) {}
    int Writes() const { return writes_; }

    void DeleteTree(const std::u16string& path, const Key& now) {
        for (const Key& subkey : now.subkeys) DeleteTree(below(path, subkey.name), subkey);
        if (RegDeleteKeyW(root_, wide(path)) != ERROR_SUCCESS) raiseFor(kDeleteKeyFailed, path);
        ++writes_;
    }

    void Make(const std::u16string& path, const Key& wanted) {
        UniqueKey key;
        if (RegCreateKeyExW(root_, wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                            nullptr, key.put(), nullptr) != ERROR_SUCCESS)
            raiseFor(keytree::kCreateFailed, path);
        ++writes_;
        for (const Value& value : wanted.values) setValue(key.get(), value);
        for (const Key& subkey : wanted.subkeys) Make(below(path, subkey.name), subkey);
    }

    void Sync(const std::u16string& path, const Key& now, const Key& wanted) {
        if (now == wanted) return;
        syncValues(path, now, wanted);
        for (const Key& subkey : now.subkeys)
            if (findNamed(wanted.subkeys, subkey.name) == wanted.subkeys.end())
                DeleteTree(below(path, subkey.name), subkey);
        for (const Key& subkey : wanted.subkeys) {
            const auto present = findNamed(now.subkeys, subkey.name);
            if (present == now.subkeys.end())
                Make(below(path, subkey.name), subkey);
            else
                Sync(below(path, present->name), *present, subkey);
        }
    }

private:
    void setValue(HKEY key, const Value& value) {
        const BYTE* data = value.data.empty() ? nullptr : value.data.data();
        if (RegSetValueExW(key, wide(value.name), 0, value.type, data,
                           static_cast<DWORD>(value.data.size())) != ERROR_SUCCESS)
            raiseFor(keytree::kSetFailed, value.name);
        ++writes_;
    }

    void syncValues(const std::u16string& path, const Key& now, const Key& wanted) {
        // The key is opened for writing only when one of its values must change, so a key that
        // refuses writes but is already as wanted does not stop the rest.
        UniqueKey key;
        const auto writable = [&](const std::u16string& valueName, const char* refusal) {
            if (!key &&
                RegOpenKeyExW(root_, wide(path), 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS)
                raiseFor(refusal, valueName);
            return key.get();
        };
        // A value spelled otherwise is deleted and written anew, as a value may be.
        for (const Value& value : now.values) {
            const auto kept = findNamed(wanted.values, value.name);
            if (kept != wanted.values.end() && kept->name == value.name) continue;
            if (RegDeleteValueW(writable(value.name, kDeleteValueFailed), wide(value.name)) !=
                ERROR_SUCCESS)
                raiseFor(kDeleteValueFailed, value.name);
            ++writes_;
        }
        for (const Value& value : wanted.values) {
            const auto present = findNamed(now.values, value.name);
            if (present != now.values.end() && *present == value) continue;
            setValue(writable(value.name, keytree::kSetFailed), value);
        }
    }

    HKEY root_;
    int writes_ = 0;
};

}  // namespace

std::optional<Key> ReadKeySnapshot(HKEY root, const std::u16string& path) {
    UniqueKey key;
    const LSTATUS r = RegOpenKeyExW(root, wide(path), 0, kReadAccess, key.put());
    if (r == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (r != ERROR_SUCCESS) raiseFor(kReadFailed, path);
    Key state{path.substr(path.rfind(u'\\') + 1), {}, {}};
    readTree(key.get(), state, path);
    regscript::SortKey(state);
    return state;
}

int RestoreKeySnapshot(HKEY root, const std::u16string& path, const std::optional<Key>& wanted) {
    const std::optional<Key> now = ReadKeySnapshot(root, path);
    Restorer restorer(root);
    if (now && wanted)
        restorer.Sync(path, *now, *wanted);
    else if (now)
        restorer.DeleteTree(path, *now);
    else if (wanted)
        restorer.Make(path, *wanted);
    return restorer.Writes();
}
